// The Start and Cancel buttons and the progress bar of a window's one cancellable analysis, with the flag its work polls.
#pragma once

#include <atomic>
#include <memory>

class QProgressBar;
class QPushButton;

namespace zeph {

class CancellableRun {
public:
    void Attach(QPushButton* start, QPushButton* cancel, QProgressBar* bar);
    // A new run: a fresh flag for its work to poll, Start off, Cancel on, the bar at nought.
    std::shared_ptr<std::atomic<bool>> Begin();
    // The run ended, done or cancelled: Start on, Cancel off.
    void End();
    // Raises the flag of the last run begun; nothing before the first.
    void Stop();

private:
    QPushButton *start_ = nullptr, *cancel_ = nullptr;
    QProgressBar* bar_ = nullptr;
    std::shared_ptr<std::atomic<bool>> flag_;
};

}  // namespace zeph
