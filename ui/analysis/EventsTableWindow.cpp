// The "Events Table" window: event sweeps of a copy of the design on a worker thread, shown, copied and saved.
#include "ui/analysis/EventsTableWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/Files.h"
#include "platform/desktop/NumericKeyFilter.h"
#include "ui/analysis/EventTexts.h"
#include "ui/analysis/EventsTableCells.h"
#include "ui/analysis/EventsTableReport.h"
#include "ui/session/Session.h"
#include "ui/widgets/HardCopyItems.h"
#include "ui/widgets/PictureFile.h"
#include "ui/widgets/ReportFacts.h"

namespace zeph {

namespace {

constexpr double SweepStep = 0.1;  // degrees, as the events report sweeps by default
// The differences front - rear shaded where they exceed these: lead in model units, the
// events in percent of stroke.
constexpr double LeadTolerance = 0.01;
constexpr double EventTolerance = 1.0;

// The design's mid gear found again, as the events report finds it after `--set`, then each
// gear swept from it; a share of Max becomes its offset on this design.
EventsTable ComputeTable(MechanismModel m, const std::vector<EventNotch>& notches)
{
    EventsTable table;
    m.CalcMidGear();
    if (!std::isfinite(m.RevArmCentre)) {
        table.midGear = false;
        return table;
    }
    std::vector<GearChoice> gears;
    for (EventNotch n : notches) {
        if (n.shareOfMax) n.choice.offset = *n.shareOfMax * double(m.Frame.RevArmMax);
        gears.push_back(n.choice);
    }
    table.gears = SweepGears(m, gears, SweepStep);
    return table;
}

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString PercentLabel(int tens) { return QString("%1 %2%").arg(tens > 0 ? "fwd" : "rev").arg(std::abs(tens) * 10); }

}  // namespace

EventsTableWindow::EventsTableWindow(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("eventsTableWindow");
    setWindowTitle("Events Table");
    setModal(false);
    resize(900, 300);
    BuildWidgets();

    job_ = std::make_unique<LatestJob<EventsTable>>(this, [this](const EventsTable& t) { ShowTable(t); });
    refreshTimer_ = new QTimer(this);
    refreshTimer_->setObjectName("refreshTimer");
    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(0);
    connect(refreshTimer_, &QTimer::timeout, this, &EventsTableWindow::StartRefresh);
    connect(&session_, &Session::changed, this, &EventsTableWindow::SessionChanged);
}

EventsTableWindow::~EventsTableWindow() = default;

void EventsTableWindow::BuildWidgets()
{
    const QStringList captions = EventsTableCaptions();
    table_ = new QTableWidget(0, static_cast<int>(captions.size()), this);
    table_->setObjectName("eventsTable");
    table_->setHorizontalHeaderLabels(captions);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);

    auto* offsetLabel = new QLabel("Offset from mid gear:", this);
    offsetLabel->setObjectName("offsetLabel");
    offsetBox_ = new QLineEdit(this);
    offsetBox_->setObjectName("offsetBox");
    offsetBox_->setMaximumWidth(80);
    NumericKeyFilter::Install(offsetBox_, KeyFilterKind::RevArm);
    auto* addOffset = new QPushButton("&Add Gear", this);
    addOffset->setObjectName("addOffset");
    auto* addEvery10 = new QPushButton("Every &10 % of Max", this);
    addEvery10->setObjectName("addEvery10");
    auto* remove = new QPushButton("&Remove Added", this);
    remove->setObjectName("removeNotches");
    auto* copy = new QPushButton("&Copy", this);
    copy->setObjectName("copy");
    auto* save = new QPushButton("&Save CSV...", this);
    save->setObjectName("saveCsv");
    auto* close = new QPushButton("C&lose", this);
    close->setObjectName("close");
    status_ = new QLabel(this);
    status_->setObjectName("status");

    auto* controls = new QHBoxLayout;
    controls->addWidget(offsetLabel);
    controls->addWidget(offsetBox_);
    for (QPushButton* b : {addOffset, addEvery10, remove}) controls->addWidget(b);
    controls->addStretch();
    for (QPushButton* b : {copy, save}) controls->addWidget(b);
    hardCopy_ = HardCopyButtons(this, {[this] { return ReportCopy(Report()); }, QStringLiteral("events"),
                                       [this] { return session_.Files().DesignFolder(); }});
    for (QPushButton* b : hardCopy_) controls->addWidget(b);
    controls->addWidget(close);
    EnableHardCopy(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(controls);
    layout->addWidget(status_);

    for (QPushButton* b : {addOffset, addEvery10, remove, copy, save, close}) b->setAutoDefault(false);
    connect(addOffset, &QPushButton::clicked, this, &EventsTableWindow::AddOffset);
    connect(offsetBox_, &QLineEdit::returnPressed, this, &EventsTableWindow::AddOffset);
    connect(addEvery10, &QPushButton::clicked, this, &EventsTableWindow::AddEvery10);
    connect(remove, &QPushButton::clicked, this, &EventsTableWindow::RemoveNotches);
    connect(copy, &QPushButton::clicked, this, &EventsTableWindow::CopyToClipboard);
    connect(save, &QPushButton::clicked, this, &EventsTableWindow::SaveCsvCommand);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

std::vector<EventNotch> EventsTableWindow::Notches() const
{
    std::vector<EventNotch> notches;
    for (NamedGear g : {NamedGear::Mid, NamedGear::Fwd, NamedGear::FwdMax, NamedGear::Rev, NamedGear::RevMax})
        notches.push_back({ChoiceOf(g), std::nullopt});
    notches.insert(notches.end(), added_.begin(), added_.end());
    return notches;
}

void EventsTableWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (stale_) ScheduleRefresh();
}

void EventsTableWindow::SessionChanged(Changes what)
{
    if (!(what & Change::Dimensions)) return;
    stale_ = true;
    EnableHardCopy(false);
    if (isVisible()) ScheduleRefresh();
}

void EventsTableWindow::ScheduleRefresh()
{
    status_->setText("Computing...");
    EnableHardCopy(false);
    refreshTimer_->start();
}

void EventsTableWindow::StartRefresh()
{
    stale_ = false;
    job_->Request([design = session_.model(), notches = Notches()] { return ComputeTable(design, notches); });
}

void EventsTableWindow::ShowTable(const EventsTable& table)
{
    shown_ = table;
    table_->setRowCount(static_cast<int>(table.gears.size()));
    QStringList failed;
    for (size_t i = 0; i < table.gears.size(); ++i) {
        FillRow(static_cast<int>(i), table.gears[i]);
        if (table.gears[i].mechanismError) failed << QString::fromStdString(table.gears[i].gear.label);
    }
    if (!table.midGear)
        status_->setText("The design has no mid gear: the reverse-arm centre cannot be found.");
    else if (!failed.isEmpty())
        status_->setText("The linkage could not close during the turn in: " + failed.join(", "));
    else
        status_->setText(QString("%1 gears, one turn each in %2 degree steps; F-R = front - rear")
                             .arg(table.gears.size())
                             .arg(SweepStep));
    // Sized once per refresh: a column sized to its contents on every cell would measure the
    // whole table again for each one.
    table_->resizeColumnsToContents();
    FitWidth();
    // Printed only while the table is the design's own: not while a newer one is due.
    EnableHardCopy(!stale_ && !job_->Busy() && !refreshTimer_->isActive() && !table.gears.empty());
    emit refreshed();
}

// Wide enough for every column once, within the screen; the user's own width afterwards.
void EventsTableWindow::FitWidth()
{
    if (fitted_) return;
    fitted_ = true;
    int width = table_->frameWidth() * 2 + layout()->contentsMargins().left() + layout()->contentsMargins().right();
    for (int c = 0; c < table_->columnCount(); ++c) width += table_->horizontalHeader()->sectionSize(c);
    if (const QScreen* screen = this->screen()) width = std::min(width, screen->availableGeometry().width() - 40);
    resize(std::max(width, this->width()), height());
}

void EventsTableWindow::FillRow(int row, const GearEvents& ev)
{
    const QStringList cells = EventsTableCells(ev);
    for (int c = 0; c < cells.size(); ++c) table_->setItem(row, c, Cell(cells[c]));
    table_->item(row, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (ev.mechanismError) table_->item(row, 0)->setForeground(Qt::red);
    const auto diffs = EventDifferences(ev);
    for (int i = 0; i < EventsDifferenceColumns; ++i) {
        const double tolerance = i == 0 ? LeadTolerance : EventTolerance;
        if (diffs[size_t(i)])
            table_->item(row, EventsFigureColumns + i)
                ->setBackground(std::fabs(*diffs[size_t(i)]) > tolerance ? QColor(255, 200, 150) : QColor(200, 240, 200));
    }
}

void EventsTableWindow::EnableHardCopy(bool on)
{
    for (QPushButton* b : hardCopy_) b->setEnabled(on);
}

HardCopyReport EventsTableWindow::Report() const
{
    QStringList facts = DesignFacts(session_);
    facts << ChangedDimensionsFact(session_.model());
    return EventsTableReport(shown_.gears, facts, SweepStep);
}

void EventsTableWindow::AddOffset()
{
    const QString typed = offsetBox_->text().trimmed();
    const double offset = ReadNumber(typed, NAN);
    if (typed.isEmpty() || !std::isfinite(offset)) {
        status_->setText("Type the offset from mid gear as a number, e.g. 0.5 or -0.8.");
        return;
    }
    added_.push_back({{"rev:" + typed.toStdString(), std::nullopt, offset}, std::nullopt});
    offsetBox_->clear();
    ScheduleRefresh();
}

void EventsTableWindow::AddEvery10()
{
    for (int tens : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, -2, -3, -4, -5, -6, -7, -8, -9, -10})
        added_.push_back({{PercentLabel(tens).toStdString(), std::nullopt, 0}, tens / 10.0});
    ScheduleRefresh();
}

void EventsTableWindow::RemoveNotches()
{
    constexpr int Standard = 5;
    std::vector<bool> drop(added_.size(), false);
    bool any = false;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        if (index.row() >= Standard && index.row() - Standard < static_cast<int>(added_.size()))
            drop[static_cast<size_t>(index.row() - Standard)] = any = true;
    std::vector<EventNotch> kept;
    for (size_t i = 0; i < added_.size(); ++i)
        if (any && !drop[i]) kept.push_back(added_[i]);
    added_ = kept;
    ScheduleRefresh();
}

std::vector<QStringList> EventsTableWindow::Rows() const
{
    std::vector<QStringList> rows = {EventHeader()};
    for (const GearEvents& ev : shown_.gears) rows.push_back(EventFields(ev));
    return rows;
}

QString EventsTableWindow::CsvText() const { return JoinRows(Rows(), u','); }

void EventsTableWindow::CopyToClipboard()
{
    QApplication::clipboard()->setText(JoinRows(Rows(), u'\t'));
    status_->setText(QString("%1 rows copied, tab-separated.").arg(shown_.gears.size()));
}

bool EventsTableWindow::SaveCsv(const QString& path)
{
    const std::optional<ReplaceFailure> failure = ReplaceFile(path, CsvText().toUtf8());
    if (failure) ReportSaveFailure(this, QStringLiteral("events table"), path, *failure);
    return !failure || failure->replaced;
}

void EventsTableWindow::SaveCsvCommand()
{
    const QString path = QFileDialog::getSaveFileName(this, "Save Events Table", "events.csv", "CSV files (*.csv)");
    if (!path.isEmpty() && SaveCsv(path)) status_->setText("Saved to " + path);
}

}  // namespace zeph
