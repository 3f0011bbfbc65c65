// The "Draw Lines" dialog: type, colour and reference of a user line or circle, and the 20 slots' rows.
#pragma once

#include <QDialog>
#include <array>

#include "model/overlay/OverlayState.h"

class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zeph {

class Session;

// Widgets by object name: radio buttons "typeLine", "typeCircle", "colourBlack" .. "colourGray",
// "refFixed", "refPivot1", "refPivot1Fixed", "refPivot1Pivot2"; buttons "drawClose", "close",
// "clearLine"; for each row n = 1..20 the panel "row<n>", its number "number<n>", captions
// "type<n>", "colour<n>", "reference<n>" and boxes "box<n>_1" .. "box<n>_4". Everything shown
// is the session's state; every choice, click and box left is a session command.
class LinesDialog : public QDialog {
    Q_OBJECT
public:
    LinesDialog(Session& session, QWidget* parent);

    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Row {
        QFrame* panel = nullptr;
        QLabel* number = nullptr;
        QLabel *type = nullptr, *colour = nullptr, *reference = nullptr;
        std::array<QLineEdit*, LineBoxCount> boxes{};
    };

    void BuildChoices();
    QButtonGroup* BuildGroup(const QString& title, QRect place, const QStringList& captions, const QStringList& names,
                             int columns);
    void BuildButtons();
    void BuildTitles();
    void BuildRow(int n);
    // Leaving a row's box stores its text in the slot; any other widget is passed over.
    void LeaveBox(const QObject* widget);
    void Refresh();
    void RefreshRow(int n);
    static void ShowChoice(QButtonGroup* group, int choice);

    Session& session_;
    QButtonGroup *typeGroup_ = nullptr, *colourGroup_ = nullptr, *referenceGroup_ = nullptr;
    QPushButton* drawCloseButton_ = nullptr;
    std::array<Row, LineRowCount + 1> rows_{};  // rows 1..20
};

}  // namespace zeph
