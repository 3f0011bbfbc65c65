// The goals of a valve setting (event, gear, balance or target and its value) and the weight of each event.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "model/analysis/SettingProblem.h"

class QLineEdit;
class QTableWidget;

namespace zeph {

// Widgets by object name: "goalsTable" with one row per goal ("event", "gear" (editable: mid,
// fwd, fwdmax, rev, revmax, or an offset from mid gear such as rev:0.5), "kind" (balance or
// target) and "value" (the target), each cell widget named by its column), "addGoal",
// "removeGoal" (the goal of the current row), and the weight boxes "weight_lead" ...
// "weight_compression". Starts with balance cut-off at fwd and at rev, balance lead at fwd.
class GoalListEditor : public QWidget {
    Q_OBJECT
public:
    explicit GoalListEditor(QWidget* parent);

    // The goals and weights as typed; false with the reason when one cannot be read.
    bool Read(std::vector<SettingGoal>& goals, std::array<double, SettingEventCount>& weights, QString& why) const;
    // A goal's short label: "balance cutoff@fwd", "target lead@mid=0.02".
    static QString Label(const SettingGoal& g);

    void AddGoal(const SettingGoal& g);

signals:
    void goalsChanged();

private:
    void RemoveGoal();

    QTableWidget* table_ = nullptr;
    std::array<QLineEdit*, SettingEventCount> weights_{};
};

}  // namespace zeph
