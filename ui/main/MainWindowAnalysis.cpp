// The main window's part in the analysis windows: created hidden, shown beside it without stopping the animation.
#include <QAction>

#include "ui/analysis/EventsTableWindow.h"
#include "ui/analysis/ValveSettingWindow.h"
#include "ui/main/MainWindow.h"

namespace zeph {

namespace {

void ShowBeside(QDialog* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void MainWindow::BuildAnalysisWindows()
{
    eventsTableWindow_ = new EventsTableWindow(session_, this);
    valveSettingWindow_ = new ValveSettingWindow(session_, this);
    connect(Item("eventsTable"), &QAction::triggered, this, [this] { ShowBeside(eventsTableWindow_); });
    connect(Item("valveSetting"), &QAction::triggered, this, [this] { ShowBeside(valveSettingWindow_); });
}

}  // namespace zeph
