// The tolerance subcommand: the study and its ranking run on a prepared design, the histograms saved.
#pragma once

#include <ostream>

#include "model/design/MechanismModel.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

// Returns the exit status; warnings and file errors go to `err`.
int RunTolerance(const MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err);

}  // namespace zeph::report
