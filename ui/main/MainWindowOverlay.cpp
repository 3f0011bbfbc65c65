// The main window's part in the drawing aids: the lines dialog and the pivot data table, and what opens them.
#include <QAction>
#include <QPushButton>

#include "ui/main/MainWindow.h"
#include "ui/overlay/LinesDialog.h"
#include "ui/pivots/PivotDataTableWindow.h"

namespace zeph {

void MainWindow::BuildOverlayWindows()
{
    linesDialog_ = new LinesDialog(session_, this);
    pivotTableWindow_ = new PivotDataTableWindow(session_, this);

    Session& s = session_;
    connect(dataTableButton_, &QPushButton::clicked, this, [this] { OpenModal(pivotTableWindow_); });
    // Opened at once, also from inside a press on the picture, whose later steps wait for it.
    connect(&s, &Session::linesDialogRequested, this, [this] {
        if (!linesDialog_->isVisible()) OpenModal(linesDialog_);
    });
}

}  // namespace zeph
