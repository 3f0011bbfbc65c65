// How a long analysis tells its progress and is asked to stop, so a window can run it on a worker thread.
#pragma once

#include <atomic>
#include <functional>
#include <limits>

namespace zeph {

struct AnalysisProgress {
    long done = 0;   // evaluations or dimension codes finished so far
    long total = 0;  // how many there will be at the most (0 when not known)
    double best = std::numeric_limits<double>::quiet_NaN();  // the best objective so far, if the analysis has one
};

// Both parts are optional. The progress call may come from a worker thread of the analysis,
// never from two at once; it must not block for long. Setting the cancel flag makes the
// analysis stop soon and return what it has finished, marked as cancelled.
struct AnalysisControl {
    std::function<void(const AnalysisProgress&)> progress;
    const std::atomic<bool>* cancel = nullptr;

    bool CancelRequested() const { return cancel && cancel->load(std::memory_order_relaxed); }
};

}  // namespace zeph
