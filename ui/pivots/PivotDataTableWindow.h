// The "Pivot Data Table" window: the six watched pivots over a whole turn, to cut, copy and paste through the clipboard.
#pragma once

#include <QDialog>

#include "model/overlay/PivotData.h"
#include "platform/HardCopyReport.h"

class QAction;
class QPlainTextEdit;

namespace zeph {

class Session;

// The memo "memo" holds the table, built afresh each time the window opens. Menu items by object
// name: "close" ("&Close "), a blank item, and the "&Edit" menu "editMenu" with "cut", "copy",
// "paste" and "selectAll". Cut and copy start disabled and are enabled by "Select&All" or by
// opening the menu with text selected; "Select&All" is disabled by its own use and enabled
// again by a cut or a copy. The "&File" menu "fileMenu" prints, previews and exports the table
// as built ("printReport", "previewReport", "exportReport"), whatever the memo was edited to.
class PivotDataTableWindow : public QDialog {
    Q_OBJECT
public:
    PivotDataTableWindow(Session& session, QWidget* parent);

    // The table built when the window opened, for paper, with the design's facts.
    HardCopyReport Report() const;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void BuildMenu();
    void Rebuild();
    void Cut();
    void Copy();
    void SelectAll();
    void EditMenuOpening();

    Session& session_;
    PivotDataSheet sheet_;
    QPlainTextEdit* memo_ = nullptr;
    QAction *cutAction_ = nullptr, *copyAction_ = nullptr, *pasteAction_ = nullptr, *selectAllAction_ = nullptr;
};

}  // namespace zeph
