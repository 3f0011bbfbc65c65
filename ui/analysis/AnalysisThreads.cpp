// One pool for the analysis windows' jobs: the events table, the sensitivity and the search.
#include "ui/analysis/AnalysisThreads.h"

#include <QMetaObject>
#include <QProgressBar>
#include <QThreadPool>
#include <algorithm>

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

AnalysisControl BarProgressControl(QProgressBar* bar, const std::atomic<bool>* cancel)
{
    AnalysisControl control;
    control.cancel = cancel;
    control.progress = [bar](const AnalysisProgress& p) {
        QMetaObject::invokeMethod(bar, [bar, p] {
            bar->setRange(0, static_cast<int>(std::max(p.total, 1L)));
            bar->setValue(static_cast<int>(p.done));
        });
    };
    return control;
}

}  // namespace zeph
