// A computation run on a worker thread whose result only counts if no newer request came meanwhile.
#pragma once

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <functional>
#include <optional>
#include <utility>

#include "ui/analysis/AnalysisThreads.h"

namespace zeph {

// One job at a time: a request while one runs waits for it and replaces any request waiting
// before it, so a burst of changes costs at most one stale run and one fresh one, and only the
// fresh result is handed on (on the UI thread, through `done`). The work must own everything it
// reads (a copy of the model), so that nothing it uses changes while it runs.
template <typename Result>
class LatestJob {
public:
    LatestJob(QObject* owner, std::function<void(const Result&)> done) : done_(std::move(done))
    {
        QObject::connect(&watcher_, &QFutureWatcherBase::finished, owner, [this] { Finished(); });
    }
    ~LatestJob() { watcher_.waitForFinished(); }
    LatestJob(const LatestJob&) = delete;
    LatestJob& operator=(const LatestJob&) = delete;

    void Request(std::function<Result()> work)
    {
        if (watcher_.isRunning()) {
            pending_ = std::move(work);
            return;
        }
        Start(std::move(work));
    }
    bool Busy() const { return watcher_.isRunning() || pending_.has_value(); }
    // Waits for the job running now (not for one waiting); its result is still handed on.
    void Wait() { watcher_.waitForFinished(); }

private:
    void Start(std::function<Result()> work)
    {
        watcher_.setFuture(QtConcurrent::run(AnalysisThreads(), std::move(work)));
    }
    void Finished()
    {
        if (pending_) {
            std::function<Result()> next = std::move(*pending_);
            pending_.reset();
            Start(std::move(next));
            return;
        }
        done_(watcher_.result());
    }

    std::function<void(const Result&)> done_;
    QFutureWatcher<Result> watcher_;
    std::optional<std::function<Result()>> pending_;
};

}  // namespace zeph
