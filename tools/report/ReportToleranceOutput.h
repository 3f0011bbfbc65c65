// Writes the tolerance study's spread table and the cut-off ranking as CSV or as aligned tables.
#pragma once

#include <ostream>

#include "model/analysis/ToleranceRanking.h"
#include "model/analysis/ToleranceStudy.h"

namespace zeph::report {

// What the tolerance command found, with the study it ran.
struct ToleranceReport {
    const ToleranceRequest& request;
    const ToleranceResult& result;
    const CutoffRanking& ranking;
};

void WriteTolerance(std::ostream& out, const ToleranceReport& t, bool csv);

}  // namespace zeph::report
