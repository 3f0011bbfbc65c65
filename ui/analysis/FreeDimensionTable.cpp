// The valve setting's dimension table: ticks, bounds kept sound, and the goal effects, sortable by any column.
#include "ui/analysis/FreeDimensionTable.h"

#include <QHeaderView>
#include <cmath>
#include <limits>

#include "model/design/DimensionTable.h"
#include "platform/NumberReading.h"
#include "ui/analysis/EventTexts.h"
#include "ui/analysis/NumberCellDelegate.h"

namespace zeph {

namespace {

constexpr int NumberRole = Qt::UserRole;       // the value a cell sorts by
constexpr int EditedRole = Qt::UserRole + 1;   // a bound the user typed
constexpr int BoundDigits = 6;                 // shown; the cell keeps the bound itself

// Sorts by the number behind the text; cells without one come last in ascending order.
class NumberItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override
    {
        const QVariant a = data(NumberRole), b = other.data(NumberRole);
        if (!a.isValid() || !b.isValid()) return a.isValid() && !b.isValid();
        return a.toDouble() < b.toDouble();
    }
};

std::vector<const DimensionInfo*> AllDimensions()
{
    std::vector<const DimensionInfo*> all;
    for (const auto rows : {FrameDimensionRows(), CylinderDimensionRows()})
        for (const DimensionInfo& d : rows) all.push_back(&d);
    return all;
}

QTableWidgetItem* ReadOnly(QTableWidgetItem* item)
{
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

FreeDimensionTable::FreeDimensionTable(QWidget* parent) : QTableWidget(parent)
{
    setObjectName("dimensionTable");
    const std::vector<const DimensionInfo*> all = AllDimensions();
    codes_ = static_cast<int>(all.size());
    setRowCount(codes_);
    setColumnCount(GoalColumns + 1);
    setHorizontalHeaderLabels({"code", "name", "value", "min", "max", "effect"});
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setItemDelegateForColumn(MinColumn, new NumberCellDelegate(this));
    setItemDelegateForColumn(MaxColumn, new NumberCellDelegate(this));
    filling_ = true;
    for (int r = 0; r < codes_; ++r) {
        const DimensionInfo& d = *all[static_cast<size_t>(r)];
        auto* code = ReadOnly(new NumberItem(QString::number(d.code)));
        code->setData(NumberRole, d.code);
        if (d.IsGray()) {
            code->setFlags(code->flags() | Qt::ItemIsUserCheckable);
            code->setCheckState(Qt::Unchecked);
        } else {
            code->setFlags(code->flags() & ~Qt::ItemIsEnabled);
            code->setToolTip("Not offered: a change of this dimension cannot be undone as one level");
        }
        setItem(r, CodeColumn, code);
        setItem(r, NameColumn, ReadOnly(new QTableWidgetItem(QString::fromLatin1(d.caption))));
        for (int c = ValueColumn; c <= MaxColumn; ++c) {
            auto* item = new NumberItem;
            if (c == ValueColumn || !d.IsGray()) ReadOnly(item);
            setItem(r, c, item);
        }
    }
    filling_ = false;
    resizeColumnsToContents();
    connect(this, &QTableWidget::itemChanged, this, &FreeDimensionTable::CellChanged);
}

template <typename F>
void FreeDimensionTable::Unsorted(F&& fill)
{
    const bool sorting = isSortingEnabled();
    setSortingEnabled(false);
    filling_ = true;
    fill();
    filling_ = false;
    setSortingEnabled(sorting);
    // Once per fill: sizing to contents on every cell would measure the table for each one.
    resizeColumnsToContents();
}

void FreeDimensionTable::SetNumber(int row, int column, const std::optional<double>& v, int digits)
{
    QTableWidgetItem* cell = item(row, column);
    cell->setData(NumberRole, v ? QVariant(*v) : QVariant());
    cell->setText(!v ? QString() : digits ? SignificantText(*v, digits) : FixedText(*v));
    cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FreeDimensionTable::ShowDesign(const MechanismModel& m)
{
    Unsorted([&] {
        for (int r = 0; r < codes_; ++r) {
            const int code = item(r, CodeColumn)->data(NumberRole).toInt();
            const float value = m.GetDim(code);
            SetNumber(r, ValueColumn, value, 0);
            item(r, ValueColumn)->setText(FloatText(value));
            if (!(item(r, CodeColumn)->flags() & Qt::ItemIsEnabled)) continue;
            const FreeDimension bounds = DefaultBounds(code, value);
            if (!item(r, MinColumn)->data(EditedRole).toBool()) SetNumber(r, MinColumn, bounds.min, BoundDigits);
            if (!item(r, MaxColumn)->data(EditedRole).toBool()) SetNumber(r, MaxColumn, bounds.max, BoundDigits);
        }
    });
}

void FreeDimensionTable::SetGoalLabels(const QStringList& labels)
{
    Unsorted([&] {
        setColumnCount(GoalColumns + static_cast<int>(labels.size()) + 1);
        QStringList headers = {"code", "name", "value", "min", "max"};
        headers << labels << "effect";
        setHorizontalHeaderLabels(headers);
        for (int r = 0; r < codes_; ++r)
            for (int c = GoalColumns; c < columnCount(); ++c) setItem(r, c, ReadOnly(new NumberItem));
    });
}

void FreeDimensionTable::ShowEffects(const std::vector<DimensionEffect>& effects)
{
    Unsorted([&] {
        for (const DimensionEffect& e : effects) {
            const int r = RowOf(e.code);
            if (r < 0) continue;
            for (size_t g = 0; g < e.goals.size() && GoalColumns + int(g) + 1 < columnCount(); ++g)
                SetNumber(r, GoalColumns + static_cast<int>(g), e.goals[g], 0);
            SetNumber(r, columnCount() - 1, e.effect, 0);
        }
    });
}

std::vector<FreeDimension> FreeDimensionTable::Chosen() const
{
    std::vector<FreeDimension> free;
    for (const DimensionInfo* d : AllDimensions()) {
        const int r = RowOf(d->code);
        if (item(r, CodeColumn)->checkState() != Qt::Checked) continue;
        free.push_back({d->code, item(r, MinColumn)->data(NumberRole).toDouble(),
                        item(r, MaxColumn)->data(NumberRole).toDouble()});
    }
    return free;
}

int FreeDimensionTable::RowOf(int code) const
{
    for (int r = 0; r < codes_; ++r)
        if (item(r, CodeColumn)->data(NumberRole).toInt() == code) return r;
    return -1;
}

void FreeDimensionTable::SetFree(int code, bool free)
{
    const int r = RowOf(code);
    if (r >= 0 && (item(r, CodeColumn)->flags() & Qt::ItemIsUserCheckable))
        item(r, CodeColumn)->setCheckState(free ? Qt::Checked : Qt::Unchecked);
}

void FreeDimensionTable::CellChanged(QTableWidgetItem* cell)
{
    if (filling_) return;
    if (cell->column() == CodeColumn) {
        emit choiceChanged();
        return;
    }
    if (cell->column() != MinColumn && cell->column() != MaxColumn) return;
    const int r = cell->row();
    const double old = cell->data(NumberRole).toDouble();
    const double typed = ReadNumber(cell->text(), std::numeric_limits<double>::quiet_NaN());
    const bool isMin = cell->column() == MinColumn;
    const double other = item(r, isMin ? MaxColumn : MinColumn)->data(NumberRole).toDouble();
    QString refusal;
    if (!std::isfinite(typed) || cell->text().trimmed().isEmpty())
        refusal = "A bound must be a number.";
    else if (isMin ? typed >= other : typed <= other)
        refusal = "The minimum must stay below the maximum.";
    Unsorted([&] {
        SetNumber(r, cell->column(), refusal.isEmpty() ? typed : old, BoundDigits);
        if (refusal.isEmpty()) cell->setData(EditedRole, true);
    });
    if (!refusal.isEmpty()) emit message(refusal);
}

}  // namespace zeph
