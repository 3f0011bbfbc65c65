// Buttons and flag of a cancellable analysis run.
#include "ui/analysis/CancellableRun.h"

#include <QProgressBar>
#include <QPushButton>

namespace zeph {

void CancellableRun::Attach(QPushButton* start, QPushButton* cancel, QProgressBar* bar)
{
    start_ = start;
    cancel_ = cancel;
    bar_ = bar;
    cancel_->setEnabled(false);
}

std::shared_ptr<std::atomic<bool>> CancellableRun::Begin()
{
    flag_ = std::make_shared<std::atomic<bool>>(false);
    start_->setEnabled(false);
    cancel_->setEnabled(true);
    bar_->setRange(0, 1);
    bar_->setValue(0);
    return flag_;
}

void CancellableRun::End()
{
    start_->setEnabled(true);
    cancel_->setEnabled(false);
}

void CancellableRun::Stop()
{
    if (flag_) flag_->store(true);
}

}  // namespace zeph
