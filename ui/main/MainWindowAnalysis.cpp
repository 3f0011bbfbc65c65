// The main window's part in the analysis windows: created hidden, shown beside it without stopping the animation.
#include <QAction>
#include <QScreen>
#include <algorithm>

#include "ui/analysis/EventsTableWindow.h"
#include "ui/analysis/ToleranceStudyWindow.h"
#include "ui/analysis/ValveSettingWindow.h"
#include "ui/main/MainWindow.h"

namespace zeph {

namespace {

// The first time below the main window (or at the screen's bottom when there is no room), so
// that both can be watched; afterwards where the user left it.
void ShowBeside(QDialog* window, const QWidget* main)
{
    if (!window->property("placed").toBool()) {
        window->setProperty("placed", true);
        QPoint at = main->frameGeometry().bottomLeft() + QPoint(0, 1);
        if (const QScreen* screen = main->screen()) {
            const QRect avail = screen->availableGeometry();
            at.setX(std::clamp(at.x(), avail.left(), std::max(avail.left(), avail.right() - window->width())));
            at.setY(std::clamp(at.y(), avail.top(), std::max(avail.top(), avail.bottom() - window->height())));
        }
        window->move(at);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void MainWindow::BuildAnalysisWindows()
{
    eventsTableWindow_ = new EventsTableWindow(session_, this);
    valveSettingWindow_ = new ValveSettingWindow(session_, this);
    toleranceStudyWindow_ = new ToleranceStudyWindow(session_, this);
    connect(Item("eventsTable"), &QAction::triggered, this, [this] { ShowBeside(eventsTableWindow_, this); });
    connect(Item("valveSetting"), &QAction::triggered, this, [this] { ShowBeside(valveSettingWindow_, this); });
    connect(Item("toleranceStudy"), &QAction::triggered, this, [this] { ShowBeside(toleranceStudyWindow_, this); });
}

}  // namespace zeph
