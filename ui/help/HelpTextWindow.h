// A help window: one plain text file shown in a read-only memo, loaded once when the window is created.
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

class QLabel;
class QPlainTextEdit;

namespace zeph {

// The memo ("memo") holds the name of its text file in its "fileName" property and the loader
// reads it from there; a label ("fileNameLabel") under the memo shows the name once loaded. A
// file that cannot be loaded leaves the memo with its first line "Memo1" and the message in
// LoadError(); the window's owner decides where to show it.
class HelpTextWindow : public QDialog {
    Q_OBJECT
public:
    struct Layout {
        QString caption;
        QString fileName;  // relative: looked for among the data files (platform/DataFiles.h)
        QSize client;
    };

    HelpTextWindow(const Layout& layout, QWidget* parent);

    // "Error Loading " + file name + ": " + the reason, when the load failed; empty otherwise.
    const QString& LoadError() const { return loadError_; }

private:
    void Load();

    QPlainTextEdit* memo_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
    QString loadError_;
};

// The window of "&Instructions": "instruct.doc".
HelpTextWindow* MakeInstructionsWindow(QWidget* parent);
// The window of "Instructions&Special": "ZpISpIns.doc".
HelpTextWindow* MakeSpecialInstructionsWindow(QWidget* parent);

}  // namespace zeph
