// The worker threads of the analysis windows, apart from the pool Qt itself uses for painting.
#pragma once

class QThreadPool;

namespace zeph {

// Qt scales and converts images on its global thread pool and waits for it on the UI thread;
// analyses that fill that pool for seconds would freeze every repaint. They run here instead.
QThreadPool* AnalysisThreads();

}  // namespace zeph
