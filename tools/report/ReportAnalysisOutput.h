// Writes the sensitivity table and the valve-setting result as CSV or as aligned tables.
#pragma once

#include <ostream>
#include <vector>

#include "model/analysis/Sensitivity.h"
#include "model/analysis/ValveSetting.h"

namespace zeph::report {

void WriteSensitivity(std::ostream& out, const SensitivityResult& s, double delta, double step, bool csv);

// What the setting command found, with the problem it was given and how long it took.
struct SettingReport {
    const SettingProblem& problem;
    const SettingResult& result;
    double seconds = 0;
};

void WriteSetting(std::ostream& out, const SettingReport& s, bool csv);

}  // namespace zeph::report
