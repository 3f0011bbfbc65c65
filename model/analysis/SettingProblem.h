// What a valve setting asks for: the free dimensions with their bounds, the goals and their weights.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/analysis/GearChoice.h"

namespace zeph {

// The events a goal can name; lead in model length units, the others in percent of stroke.
enum class SettingEvent { Lead, Admission, Cutoff, Release, Compression };
constexpr int SettingEventCount = 5;

// "lead", "admission", "cutoff", "release", "compression".
std::optional<SettingEvent> SettingEventByName(const std::string& name);
const char* SettingEventName(SettingEvent e);

// One goal: the event's front and rear figures in one gear made equal (balance: the residual
// is front - rear), or their mean brought to a value (target: (front + rear) / 2 - value).
struct SettingGoal {
    SettingEvent event = SettingEvent::Cutoff;
    GearChoice gear;
    bool balance = true;
    double target = 0;
};

// A dimension the search may change, and the closed range it must stay in.
struct FreeDimension {
    int code = 0;
    double min = 0, max = 0;
};

// The range a dimension gets when none is given: its start +- max(5 % of its magnitude, 0.01).
FreeDimension DefaultBounds(int code, float start);

// The float nearest `x` that lies within [min, max] (x itself when it is a float inside).
float HeldWithin(double x, const FreeDimension& d);

// Weight per event, in SettingEvent order: 0.01 of lead counts as much as 1 % of stroke.
constexpr std::array<double, SettingEventCount> DefaultSettingWeights = {100, 1, 1, 1, 1};

struct SettingProblem {
    std::vector<FreeDimension> free;
    std::vector<SettingGoal> goals;
    std::array<double, SettingEventCount> weights = DefaultSettingWeights;
    double step = 0.1;  // sweep step, degrees
};

}  // namespace zeph
