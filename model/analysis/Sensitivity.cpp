// Central differences of the event figures, one dimension code per task, on copies of the design.
#include "model/analysis/Sensitivity.h"

#include <mutex>
#include <optional>

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include "model/design/DimensionTable.h"
#include "model/analysis/DimChange.h"
#include "model/analysis/GearSweep.h"

namespace zeph {

namespace {

// The figures of every gear with one dimension at one value; empty when there is no mid gear.
struct Side {
    std::vector<EventFigureValues> figures;
    std::vector<bool> errors;
};

std::optional<Side> SweepSide(const MechanismModel& design, int code, float value,
                              const std::vector<GearChoice>& gears, double step)
{
    MechanismModel m = design;
    const DimChange change{code, value};
    if (!ApplyDimChanges(m, {&change, 1})) return std::nullopt;
    Side side;
    for (const GearEvents& ev : SweepGears(m, gears, step)) {
        side.figures.push_back(EventFiguresOf(ev));
        side.errors.push_back(ev.mechanismError);
    }
    return side;
}

EventFigureValues Difference(const EventFigureValues& minus, const EventFigureValues& plus, double span)
{
    EventFigureValues change;
    for (int i = 0; i < EventFigureCount; ++i)
        if (minus[i] && plus[i] && span != 0) change[i] = (*plus[i] - *minus[i]) / span * 0.01;
    return change;
}

std::vector<SensitivityRow> RowsOfCode(const MechanismModel& design, int code, const std::vector<GearChoice>& gears,
                                       double delta, double step)
{
    const float v = design.GetDim(code);
    const float minus = static_cast<float>(double(v) - delta);
    const float plus = static_cast<float>(double(v) + delta);
    const std::optional<Side> lo = SweepSide(design, code, minus, gears, step);
    const std::optional<Side> hi = SweepSide(design, code, plus, gears, step);
    std::vector<SensitivityRow> rows;
    for (size_t g = 0; g < gears.size(); ++g) {
        SensitivityRow row{code, v, minus, plus, gears[g].label, {}, false, !lo || !hi};
        if (lo && hi) {
            row.change = Difference(lo->figures[g], hi->figures[g], double(plus) - double(minus));
            row.mechanismError = lo->errors[g] || hi->errors[g];
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<GearChoice> GearsOf(const SensitivityRequest& r)
{
    if (!r.gears.empty()) return r.gears;
    return {ChoiceOf(NamedGear::Fwd), ChoiceOf(NamedGear::Rev)};
}

}  // namespace

std::vector<int> SensitivityCodes(const SensitivityRequest& r)
{
    if (!r.codes.empty()) return r.codes;
    std::vector<int> codes;
    for (const auto rows : {FrameDimensionRows(), CylinderDimensionRows()})
        for (const DimensionInfo& d : rows) codes.push_back(d.code);
    return codes;
}

std::optional<double> GoalSensitivity(const SensitivityRow& row, const SettingGoal& goal)
{
    // Lead has figures 0 (front) and 1 (rear); the other events of the front end follow from 2
    // on, those of the rear end four places later.
    const int e = static_cast<int>(goal.event);
    const int front = goal.event == SettingEvent::Lead ? 0 : 1 + e;
    const int rear = goal.event == SettingEvent::Lead ? 1 : 5 + e;
    const auto& f = row.change[front];
    const auto& r = row.change[rear];
    if (!f || !r) return std::nullopt;
    return goal.balance ? *f - *r : (*f + *r) / 2;
}

SensitivityResult ComputeSensitivity(const MechanismModel& design, const SensitivityRequest& r,
                                     const AnalysisControl& control)
{
    const std::vector<int> codes = SensitivityCodes(r);
    const std::vector<GearChoice> gears = GearsOf(r);
    std::vector<std::optional<std::vector<SensitivityRow>>> perCode(codes.size());
    std::mutex progressLock;
    long done = 0;
    tbb::parallel_for(tbb::blocked_range<size_t>(0, codes.size(), 1), [&](const tbb::blocked_range<size_t>& range) {
        for (size_t i = range.begin(); i != range.end(); ++i) {
            if (control.CancelRequested()) return;
            perCode[i] = RowsOfCode(design, codes[i], gears, r.delta, r.step);
            const std::lock_guard lock(progressLock);
            ++done;
            if (control.progress) control.progress({done, long(codes.size())});
        }
    });
    SensitivityResult result;
    for (const auto& rows : perCode) {
        if (!rows) {
            result.cancelled = true;
            continue;
        }
        result.rows.insert(result.rows.end(), rows->begin(), rows->end());
    }
    return result;
}

}  // namespace zeph
