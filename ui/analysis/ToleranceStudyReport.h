// The tolerance study as a report for paper: what was asked, the spread, the ranking and the histograms.
#pragma once

#include <QStringList>

#include "model/analysis/ToleranceRanking.h"
#include "model/analysis/ToleranceStudy.h"
#include "platform/HardCopyReport.h"

namespace zeph {

// "Tolerance Study": the facts, the tolerances and the wear asked for, the samples taken; the
// spread and ranking tables as the window shows them; the histograms last.
HardCopyReport ToleranceStudyReport(const ToleranceRequest& request, const ToleranceResult& result,
                                    const CutoffRanking& ranking, const QStringList& facts);

}  // namespace zeph
