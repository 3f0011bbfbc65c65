// The worker threads of the analysis windows, apart from the pool Qt itself uses for painting.
#pragma once

#include <atomic>

#include "model/analysis/AnalysisControl.h"

class QProgressBar;
class QThreadPool;

namespace zeph {

// Qt scales and converts images on its global thread pool and waits for it on the UI thread;
// analyses that fill that pool for seconds would freeze every repaint. They run here instead.
QThreadPool* AnalysisThreads();

// The control of an analysis run on those threads: it stops when `cancel` is set, and its
// progress moves `bar` on the bar's own thread (a bar closed meanwhile is left alone).
AnalysisControl BarProgressControl(QProgressBar* bar, const std::atomic<bool>* cancel);

}  // namespace zeph
