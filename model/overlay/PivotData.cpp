// Watching pivots: the model point of a press, the nearest-pivot rule, the slots and the pivot data table.
#include "model/overlay/PivotData.h"

#include <algorithm>
#include <cmath>

#include "model/core/FixedText.h"
#include "model/linkage/Solver.h"
#include "model/linkage/ViewTransform.h"

namespace zeph {

namespace {

constexpr int FirstPickable = 1;
constexpr int LastPickable = 18;  // the reference points 19 and 20 are never picked
constexpr Real NoPivotNearer = 10000;

const char* const kHeading = "  Driver         No.1                   No.2                   No.3                  "
                             "No.4                   No.5                  No.6";
const char* const kSubHeading = "  Angle     Vert   Horz         Vert   Horz          Vert   Horz         Vert   "
                                "Horz          Vert   Horz         Vert   Horz";

// A value of the table: its fixed-point text, cut to its first 10 characters so that the
// columns stay in place. A value that is not a number, or whose whole-number digits the cut
// would shorten into another number, is left blank.
std::string TableValue(double v, int width, int decimals)
{
    constexpr size_t cut = 10;
    const std::string text = FixedText(v, width, decimals);
    const size_t wholeDigitsEnd = std::min(text.find('.'), text.size());
    if (!std::isfinite(v) || wholeDigitsEnd > cut) return std::string(static_cast<size_t>(width), ' ');
    return text.substr(0, cut);
}

// One row's values as the line sets them: the driver angle, then each slot's vertical and
// horizontal position.
std::vector<std::string> TableValues(const MechanismModel& m)
{
    std::vector<std::string> values = {TableValue(m.DriverAngle, 7, 2)};
    for (int slot = 1; slot <= PivotDataSlotCount; ++slot) {
        const Pivot& p = m.Pivots[static_cast<size_t>(SlotPivot(m, slot))];
        values.push_back(TableValue(p.y, slot == 1 ? 7 : 9, 3));
        values.push_back(TableValue(p.x, 7, 3));
    }
    return values;
}

std::string TableRow(const std::vector<std::string>& values)
{
    std::string row = values[0];
    for (size_t i = 1; i + 1 < values.size(); i += 2) row += "   " + values[i] + "  " + values[i + 1];
    return row;
}

std::string Trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

ModelPoint PressPoint(const MechanismModel& m, int x, int y)
{
    const Real z = m.ViewScale;
    return {static_cast<float>((x - Real(m.ViewPanX)) / z), static_cast<float>(-(y - Real(m.ViewPanY)) / z)};
}

std::optional<int> NearestPivot(const MechanismModel& m, ModelPoint p)
{
    std::optional<int> nearest;
    Real best = NoPivotNearer;
    for (int i = FirstPickable; i <= LastPickable; ++i) {
        const Pivot& q = m.Pivots[static_cast<size_t>(i)];
        const Real d = std::fabs(Real(p.y) - q.y) + std::fabs(Real(p.x) - q.x);
        if (d < best) {
            best = d;
            nearest = i;
        }
    }
    return nearest;
}

std::optional<int> PivotNumber(float value)
{
    if (!std::isfinite(value)) return std::nullopt;
    const int n = RoundInt(value);
    if (n < 0 || n >= PivotCount) return std::nullopt;
    return n;
}

int SlotPivot(const MechanismModel& m, int slot)
{
    if (slot < 1 || slot > PivotDataSlotCount) return 0;
    return PivotNumber(m.PivotData.PivotSlot[static_cast<size_t>(slot)]).value_or(0);
}

void PickSlotPivot(MechanismModel& m, ModelPoint press)
{
    PivotDataState& d = m.PivotData;
    Pivot& ref = m.Pivots[RefPoint1];
    ref.x = press.x;
    ref.y = press.y;
    const int slot = d.SlotAwaitingPivot;
    if (slot >= 1 && slot <= PivotDataSlotCount) {
        if (const std::optional<int> pivot = NearestPivot(m, press))
            d.PivotSlot[static_cast<size_t>(slot)] = static_cast<float>(*pivot);
    }
    d.AwaitingPivot = false;
}

void ChooseSlot(MechanismModel& m, int slot)
{
    if (slot < 1 || slot > PivotDataSlotCount) return;
    PivotDataState& d = m.PivotData;
    d.SlotAwaitingPivot = slot;
    d.PivotSlotShown[static_cast<size_t>(slot)] = true;
    d.AwaitingPivot = true;
}

std::vector<std::string> PivotDataTable(MechanismModel& m, const std::string& date, const std::string& time)
{
    return PivotDataTableSheet(m, date, time).lines;
}

std::vector<std::string> PivotDataColumnNames()
{
    std::vector<std::string> names = {"Driver Angle"};
    for (int slot = 1; slot <= PivotDataSlotCount; ++slot)
        for (const char* axis : {" Vert", " Horz"}) names.push_back("No." + std::to_string(slot) + axis);
    return names;
}

PivotDataSheet PivotDataTableSheet(MechanismModel& m, const std::string& date, const std::string& time)
{
    PivotDataSheet sheet;
    std::vector<std::string>& lines = sheet.lines;
    lines.push_back("Pivot Data   " + m.DimSetName + "     " + date + "   " + time);
    lines.push_back("       Reverse Arm " + FigureText(m.RevArmPosition, 7, 3) + "      Step Angle " +
                    FigureText(m.ChosenStepAngle, 7, 3));
    lines.push_back(kHeading);
    lines.push_back(kSubHeading);

    const float savedAngle = m.DriverAngle, savedStep = m.StepAngle;
    m.StepAngle = 0;
    const Real step = m.ChosenStepAngle;
    // Row k stands at k times the step rather than at a running sum, whose 32-bit rounding
    // drifts at fine steps until labels repeat and the last row misses 360.
    const auto angleOfRow = [step](int row) { return row == 0 ? 0.0f : static_cast<float>(row * step); };
    for (int rows = 1;; ++rows) {
        m.DriverAngle = angleOfRow(rows - 1);
        SolveLinkage(m);
        const std::vector<std::string> values = TableValues(m);
        lines.push_back(TableRow(values));
        std::vector<std::string>& fields = sheet.rows.emplace_back();
        for (const std::string& v : values) fields.push_back(Trimmed(v));
        // A step of 0 or less (or not a number) would never reach a whole turn.
        if (!(step > 0) || angleOfRow(rows) > 360) break;
        if (rows == PivotTableMaxRows) {
            lines.push_back("Table stopped after " + std::to_string(rows) + " rows, at driver angle " +
                            FixedText(m.DriverAngle, 0, 2) + ": the step angle is too small for a whole turn");
            break;
        }
    }
    m.DriverAngle = savedAngle;
    m.StepAngle = savedStep;
    return sheet;
}

}  // namespace zeph
