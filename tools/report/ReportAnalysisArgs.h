// The options of the sensitivity and setting subcommands, read into the request.
#pragma once

#include <string>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/SettingProblem.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

void ApplyCodes(Request& r, const std::string& value);    // --codes 6,18,117
void ApplyDelta(Request& r, const std::string& value);    // --delta H
void ApplyFree(Request& r, const std::string& value);     // --free CODE[=MIN:MAX]
void ApplyBalance(Request& r, const std::string& value);  // --balance EVENT@GEAR
void ApplyTarget(Request& r, const std::string& value);   // --target EVENT@GEAR=VALUE
void ApplyWeight(Request& r, const std::string& value);   // --weight EVENT=W
void ApplyWrite(Request& r, const std::string& value);    // --write FILE.dzg

// The setting command needs a free dimension and a goal.
void CheckSetting(const Request& r);

// Refuses a free dimension whose value in the prepared design lies outside its bounds.
void CheckStartsWithinBounds(const MechanismModel& m, const Request& r);

// The free dimensions with their bounds, defaults filled in from the prepared design.
std::vector<FreeDimension> FreeDimensionsOf(const MechanismModel& m, const Request& r);

}  // namespace zeph::report
