// The pivot data table as a report for paper: its rows in a table under the design's facts.
#pragma once

#include <QStringList>

#include "model/overlay/PivotData.h"
#include "platform/HardCopyReport.h"

namespace zeph {

// "Pivot Data": the facts, the reverse arm and step line, then the angle rows with the fields the
// memo shows; a closing note of the table (a turn stopped short) as a last fact.
HardCopyReport PivotDataReport(const PivotDataSheet& sheet, const QStringList& facts);

}  // namespace zeph
