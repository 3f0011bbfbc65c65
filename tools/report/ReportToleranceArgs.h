// The options of the tolerance subcommand, read into the request, and the study they ask for.
#pragma once

#include <string>

#include "model/analysis/ToleranceStudy.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

void ApplyTol(Request& r, const std::string& value);      // --tol CODE=T
void ApplyAll(Request& r, const std::string& value);      // --all T
void ApplyWear(Request& r, const std::string& value);     // --wear C
void ApplySamples(Request& r, const std::string& value);  // --samples N
void ApplySeed(Request& r, const std::string& value);     // --seed S

// The study needs something to vary; the gears default to fwd and rev.
void CheckTolerance(Request& r);

// The study: --all for every code, then each --tol over it; 1,000 samples and seed 1 by default.
ToleranceRequest ToleranceRequestOf(const Request& r);

}  // namespace zeph::report
