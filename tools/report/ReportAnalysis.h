// The sensitivity and setting subcommands: the model's analyses run on a prepared design.
#pragma once

#include <ostream>

#include "model/design/MechanismModel.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

// Both return the exit status; warnings and file errors go to `err`.
int RunSensitivity(const MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err);
int RunSetting(const MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err);

}  // namespace zeph::report
