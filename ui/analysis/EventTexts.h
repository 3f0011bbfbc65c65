// The texts of valve-event figures as the events report writes them: rows of fields for a table, CSV or the clipboard.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/analysis/EventText.h"
#include "model/analysis/GearSweep.h"

namespace zeph {

// Decimals of every event figure, as in the report's CSV.
constexpr int EventDecimals = EventCsvDecimals;

// v in fixed notation; "nan" for a value that is not finite, and no minus sign on a zero.
QString FixedText(double v, int decimals = EventDecimals);
// v with at most `digits` significant digits, the shortest form; nine give back a 32-bit float.
QString SignificantText(double v, int digits = 9);
// The shortest text that reads back as the same 32-bit float.
QString FloatText(float v);
// A figure that may be missing: empty when not met.
QString FigureText(const std::optional<double>& v);

// The column names of the events CSV, and one gear's fields in that order.
QStringList EventHeader();
QStringList EventFields(const GearEvents& ev);

// Rows joined with `separator` between fields and a newline after each row.
QString JoinRows(const std::vector<QStringList>& rows, QChar separator);

}  // namespace zeph
