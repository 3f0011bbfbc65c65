// The 44 dimensions of the valve setting: which are free, their bounds, and how much each moves the goals.
#pragma once

#include <QTableWidget>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/SettingProblem.h"
#include "ui/analysis/GoalSensitivity.h"

namespace zeph {

// One row per dimension in dialog order: "code" (ticked when free; the three rows no undo level
// can hold are not offered), "name", "value" (the design's), "min" and "max" (editable; the
// default bounds until edited), then one column per goal (its weighted residual change per
// +0.01) and "effect" (their root sum of squares). Click a heading to sort by it. A bound that
// is not a number, or that would not leave min below max, is refused and the cell shows the
// bound it had.
class FreeDimensionTable : public QTableWidget {
    Q_OBJECT
public:
    // The columns before the goals'.
    enum Column { CodeColumn, NameColumn, ValueColumn, MinColumn, MaxColumn, GoalColumns };

    explicit FreeDimensionTable(QWidget* parent);

    // The design's values; the bounds not edited follow them.
    void ShowDesign(const MechanismModel& m);
    // The goals' columns, headed by the labels, emptied until ShowEffects fills them.
    void SetGoalLabels(const QStringList& labels);
    void ShowEffects(const std::vector<DimensionEffect>& effects);

    // The ticked dimensions with their bounds, in dialog order.
    std::vector<FreeDimension> Chosen() const;
    // The row a code stands in now (sorting moves rows), -1 for none.
    int RowOf(int code) const;
    void SetFree(int code, bool free);

signals:
    // Why an edit was refused, or which dimensions became free.
    void message(const QString& text);
    void choiceChanged();

private:
    void CellChanged(QTableWidgetItem* item);
    void SetNumber(int row, int column, const std::optional<double>& v, int digits);
    template <typename F>
    void Unsorted(F&& fill);

    int codes_ = 0;
    bool filling_ = false;
};

}  // namespace zeph
