// The texts of a valve-setting result as its window's two tables show them.
#pragma once

#include <QStringList>
#include <vector>

#include "model/analysis/SettingProblem.h"
#include "model/analysis/ValveSetting.h"

namespace zeph {

// The result table: item, before, after.
QStringList SettingResultCaptions();
// Each free dimension ("code caption", start and result to nine significant digits), each goal's
// residual ("-" where it cannot be computed), the objective ("infeasible" where the linkage
// fails) and the evaluations.
std::vector<QStringList> SettingResultRows(const SettingProblem& p, const SettingResult& r);

// The events table: "stage", then the events report's columns.
QStringList SettingEventCaptions();
// The goals' gears before, then after.
std::vector<QStringList> SettingEventRows(const SettingResult& r);

}  // namespace zeph
