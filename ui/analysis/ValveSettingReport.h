// The valve-setting result as a report for paper: the free dimensions' start and result, the goals, the events.
#pragma once

#include <QStringList>

#include "model/analysis/SettingProblem.h"
#include "model/analysis/ValveSetting.h"
#include "platform/HardCopyReport.h"

namespace zeph {

// "Valve Setting": the facts, each free dimension's start -> result within its bounds, then the
// result table and the events before and after as the window shows them, the events in column
// groups that fit a page.
HardCopyReport ValveSettingReport(const SettingProblem& problem, const SettingResult& result, const QStringList& facts);

}  // namespace zeph
