// The goals list of the valve setting: rows of combo boxes and number boxes read into setting goals.
#include "ui/analysis/GoalListEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "platform/NumberReading.h"
#include "platform/desktop/NumericKeyFilter.h"
#include "ui/analysis/EventTexts.h"

namespace zeph {

namespace {

enum GoalColumn { EventColumn, GearColumn, KindColumn, ValueColumn, ColumnCount };
const char* const kColumnNames[] = {"event", "gear", "kind", "value"};
const QStringList kGearNames = {"mid", "fwd", "fwdmax", "rev", "revmax"};
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

QLineEdit* NumberBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    NumericKeyFilter::Install(box, KeyFilterKind::RevArm);
    return box;
}

// A gear by name, or an offset from mid gear typed as "rev:OFFSET" or as the number alone.
std::optional<GearChoice> ReadGear(const QString& typed)
{
    const QString text = typed.trimmed();
    if (const auto named = GearByName(text.toStdString())) return ChoiceOf(*named);
    const QString offset = text.startsWith("rev:") ? text.mid(4).trimmed() : text;
    const double v = ReadNumber(offset, NotANumber);
    if (offset.isEmpty() || !std::isfinite(v)) return std::nullopt;
    return GearChoice{"rev:" + offset.toStdString(), std::nullopt, v};
}

}  // namespace

GoalListEditor::GoalListEditor(QWidget* parent) : QWidget(parent)
{
    setObjectName("goalList");
    table_ = new QTableWidget(0, ColumnCount, this);
    table_->setObjectName("goalsTable");
    table_->setHorizontalHeaderLabels({"event", "gear", "kind", "target"});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setMaximumHeight(table_->fontMetrics().height() * 9);
    auto* add = new QPushButton("Add &Goal", this);
    add->setObjectName("addGoal");
    auto* remove = new QPushButton("Remove Goa&l", this);
    remove->setObjectName("removeGoal");
    for (QPushButton* b : {add, remove}) b->setAutoDefault(false);

    auto* weights = new QHBoxLayout;
    auto* weightsLabel = new QLabel("Weights:", this);
    weightsLabel->setObjectName("weightsLabel");
    weights->addWidget(weightsLabel);
    for (int i = 0; i < SettingEventCount; ++i) {
        const QString name = SettingEventName(static_cast<SettingEvent>(i));
        auto* label = new QLabel(name, this);
        label->setObjectName("weightLabel_" + name);
        QLineEdit* box = NumberBox(this, "weight_" + name);
        box->setText(SignificantText(DefaultSettingWeights[static_cast<size_t>(i)]));
        box->setMaximumWidth(50);
        connect(box, &QLineEdit::textChanged, this, &GoalListEditor::goalsChanged);
        weights->addWidget(label);
        weights->addWidget(box);
        weights_[static_cast<size_t>(i)] = box;
    }
    weights->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    layout->addLayout(weights);

    connect(add, &QPushButton::clicked, this, [this] { AddGoal({SettingEvent::Cutoff, ChoiceOf(NamedGear::Fwd), true, 0}); });
    connect(remove, &QPushButton::clicked, this, &GoalListEditor::RemoveGoal);
    AddGoal({SettingEvent::Cutoff, ChoiceOf(NamedGear::Fwd), true, 0});
    AddGoal({SettingEvent::Cutoff, ChoiceOf(NamedGear::Rev), true, 0});
    AddGoal({SettingEvent::Lead, ChoiceOf(NamedGear::Fwd), true, 0});
}

void GoalListEditor::AddGoal(const SettingGoal& g)
{
    const int row = table_->rowCount();
    table_->insertRow(row);
    auto* event = new QComboBox(table_);
    for (int i = 0; i < SettingEventCount; ++i) event->addItem(SettingEventName(static_cast<SettingEvent>(i)));
    event->setCurrentIndex(static_cast<int>(g.event));
    auto* gear = new QComboBox(table_);
    gear->setEditable(true);
    gear->addItems(kGearNames);
    gear->setCurrentText(QString::fromStdString(g.gear.label));
    auto* kind = new QComboBox(table_);
    kind->addItems({"balance", "target"});
    kind->setCurrentIndex(g.balance ? 0 : 1);
    QLineEdit* value = NumberBox(table_, "value");
    value->setText(SignificantText(g.target));
    value->setEnabled(!g.balance);
    const std::pair<int, QWidget*> cells[] = {{EventColumn, event}, {GearColumn, gear}, {KindColumn, kind}, {ValueColumn, value}};
    for (const auto& [column, widget] : cells) {
        widget->setObjectName(kColumnNames[column]);
        table_->setCellWidget(row, column, widget);
    }
    connect(event, &QComboBox::currentIndexChanged, this, &GoalListEditor::goalsChanged);
    connect(gear, &QComboBox::currentTextChanged, this, &GoalListEditor::goalsChanged);
    connect(kind, &QComboBox::currentIndexChanged, this, [this, value](int index) {
        value->setEnabled(index == 1);
        emit goalsChanged();
    });
    connect(value, &QLineEdit::textChanged, this, &GoalListEditor::goalsChanged);
    emit goalsChanged();
}

void GoalListEditor::RemoveGoal()
{
    int row = table_->currentRow();
    if (row < 0) row = table_->rowCount() - 1;
    if (row < 0) return;
    table_->removeRow(row);
    emit goalsChanged();
}

bool GoalListEditor::Read(std::vector<SettingGoal>& goals, std::array<double, SettingEventCount>& weights,
                          QString& why) const
{
    goals.clear();
    for (int r = 0; r < table_->rowCount(); ++r) {
        const auto* event = qobject_cast<QComboBox*>(table_->cellWidget(r, EventColumn));
        const auto* gear = qobject_cast<QComboBox*>(table_->cellWidget(r, GearColumn));
        const auto* kind = qobject_cast<QComboBox*>(table_->cellWidget(r, KindColumn));
        const auto* value = qobject_cast<QLineEdit*>(table_->cellWidget(r, ValueColumn));
        const std::optional<GearChoice> choice = ReadGear(gear->currentText());
        if (!choice) {
            why = QString("Goal %1: the gear \"%2\" is none of mid, fwd, fwdmax, rev, revmax or rev:OFFSET.")
                      .arg(r + 1)
                      .arg(gear->currentText());
            return false;
        }
        SettingGoal g{static_cast<SettingEvent>(event->currentIndex()), *choice, kind->currentIndex() == 0, 0};
        if (!g.balance) {
            g.target = ReadNumber(value->text(), NotANumber);
            if (value->text().trimmed().isEmpty() || !std::isfinite(g.target)) {
                why = QString("Goal %1: the target must be a number.").arg(r + 1);
                return false;
            }
        }
        goals.push_back(g);
    }
    if (goals.empty()) {
        why = "Add a goal first.";
        return false;
    }
    for (int i = 0; i < SettingEventCount; ++i) {
        const QString text = weights_[static_cast<size_t>(i)]->text();
        const double w = ReadNumber(text, NotANumber);
        if (text.trimmed().isEmpty() || !std::isfinite(w) || w < 0) {
            why = QString("The weight of %1 must be a number, 0 or more.").arg(SettingEventName(static_cast<SettingEvent>(i)));
            return false;
        }
        weights[static_cast<size_t>(i)] = w;
    }
    return true;
}

QString GoalListEditor::Label(const SettingGoal& g)
{
    const QString what = QString("%1@%2").arg(SettingEventName(g.event), QString::fromStdString(g.gear.label));
    return g.balance ? "balance " + what : "target " + what + "=" + SignificantText(g.target);
}

}  // namespace zeph
