// One pool for the analysis windows' jobs: the events table, the sensitivity and the search.
#include "ui/analysis/AnalysisThreads.h"

#include <QThreadPool>

namespace zeph {

QThreadPool* AnalysisThreads()
{
    // One thread per job that can run at once; each spreads its own work over the cores.
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(3);
        return p;
    }();
    return pool;
}

}  // namespace zeph
