// The texts of a tolerance study as the tolerance report writes its CSV: the spread rows, then the cut-off ranking.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/analysis/ToleranceRanking.h"
#include "model/analysis/ToleranceStudy.h"

namespace zeph {

// One row per gear and event figure: gear, event, nominal, mean, sd, min, max, p05, p95,
// missing; a figure no sample met is left empty.
std::vector<QStringList> SpreadRows(const ToleranceResult& r);
// One row per varying code, largest share of the cut-off spread first: code, name, tolerance,
// wear, share in percent.
std::vector<QStringList> RankingRows(const CutoffRanking& ranking);

// The column captions the window shows over the two tables.
QStringList SpreadCaptions();
QStringList RankingCaptions();

// Both tables with their headers, a blank line between them.
QString ToleranceCsv(const ToleranceResult& r, const CutoffRanking& ranking);

}  // namespace zeph
