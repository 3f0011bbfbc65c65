// Finding a window's widgets by their object names, and a main window on a fresh model for window tests.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "RecordingSound.h"
#include "ui/main/MainWindow.h"
#include "ui/session/Session.h"

namespace zeph::test {

// The one change of the undo store's newest level; an empty change while the store is empty.
inline DimensionChange NewestChange(const MechanismModel& m)
{
    const UndoCommand* newest = m.Undo.Newest();
    return newest && !newest->changes.empty() ? newest->changes.front() : DimensionChange{};
}

// The child of `root` with that object name and type; a test failure (and null) when missing.
template <typename T>
T* Child(const QObject& root, const QString& name)
{
    T* child = root.findChild<T*>(name);
    if (!child) ADD_FAILURE() << "no child named " << name.toStdString();
    return child;
}

// A main window over a fresh model, shown, with its timer stopped so that the test runs each tick.
class MainWindowTestBase : public ::testing::Test {
protected:
    void SetUp() override
    {
        session = std::make_unique<Session>(m, sound);
        window = std::make_unique<MainWindow>(*session);
        Child<QTimer>(*window, "tickTimer")->stop();
        window->show();
    }

    template <typename T>
    T* W(const QString& name)
    {
        return Child<T>(*window, name);
    }
    QPushButton* Button(const QString& name) { return W<QPushButton>(name); }
    QScrollBar* Bar(const QString& name) { return W<QScrollBar>(name); }

    // Replaces a box's text by typing, so that the key filter sees every key.
    static void Type(QLineEdit* edit, const QString& keys)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }
    static QLineEdit* Box(const QObject& dialog, const QString& name = "box") { return Child<QLineEdit>(dialog, name); }
    static QPushButton* Press(const QObject& dialog, const QString& name) { return Child<QPushButton>(dialog, name); }

    MechanismModel m;
    RecordingSound sound;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;
};

}  // namespace zeph::test
