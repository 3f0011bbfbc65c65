// The "ValveSetting" window: the sensitivity and the search run on copies of the design on worker threads.
#include "ui/analysis/ValveSettingWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "ui/analysis/AnalysisThreads.h"
#include "ui/analysis/EventTexts.h"
#include "ui/analysis/FreeDimensionTable.h"
#include "ui/analysis/GoalListEditor.h"
#include "ui/analysis/GoalSensitivity.h"
#include "ui/analysis/SettingResultTexts.h"
#include "ui/analysis/ValveSettingReport.h"
#include "ui/session/Session.h"
#include "ui/widgets/HardCopyItems.h"
#include "ui/widgets/ReportFacts.h"

namespace zeph {

namespace {

constexpr double SweepStep = 0.1;  // degrees, as the report's default
// The valve connecting rod and the eccentric rod's left end: the lengths a fitter adjusts.
constexpr int DefaultFree[] = {18, 6};

QTableWidgetItem* Cell(const QString& text, bool left = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment((left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return item;
}

void AddRow(QTableWidget* table, const QStringList& cells)
{
    const int row = table->rowCount();
    table->insertRow(row);
    for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, Cell(cells[c], c == 0));
}

QTableWidget* ResultTable(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

std::vector<std::string> Labels(const std::vector<GearChoice>& gears)
{
    std::vector<std::string> labels;
    for (const GearChoice& g : gears) labels.push_back(g.label);
    return labels;
}

}  // namespace

ValveSettingWindow::ValveSettingWindow(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("valveSettingWindow");
    setWindowTitle("Valve Setting");
    setModal(false);
    resize(1280, 760);
    BuildWidgets();
    for (int code : DefaultFree) dimensions_->SetFree(code, true);

    sensitivityJob_ = std::make_unique<LatestJob<SensitivityRun>>(this, [this](const SensitivityRun& r) { ShowSensitivity(r); });
    sensitivityTimer_ = new QTimer(this);
    sensitivityTimer_->setObjectName("sensitivityTimer");
    sensitivityTimer_->setSingleShot(true);
    sensitivityTimer_->setInterval(0);
    connect(sensitivityTimer_, &QTimer::timeout, this, &ValveSettingWindow::RequestSensitivity);
    connect(&solveWatcher_, &QFutureWatcherBase::finished, this, &ValveSettingWindow::Solved);
    connect(&session_, &Session::changed, this, &ValveSettingWindow::SessionChanged);
    connect(goals_, &GoalListEditor::goalsChanged, this, &ValveSettingWindow::GoalsChanged);
    connect(dimensions_, &FreeDimensionTable::message, status_, &QLabel::setText);
    GoalsChanged();
}

ValveSettingWindow::~ValveSettingWindow()
{
    stopSensitivity_->store(true);
    solveControl_.Stop();
    solveWatcher_.waitForFinished();
}

void ValveSettingWindow::BuildWidgets()
{
    dimensions_ = new FreeDimensionTable(this);
    goals_ = new GoalListEditor(this);
    sensitivityStatus_ = new QLabel(this);
    sensitivityStatus_->setObjectName("sensitivityStatus");
    sensitivityStatus_->setWordWrap(true);
    solve_ = new QPushButton("&Solve", this);
    solve_->setObjectName("solve");
    cancel_ = new QPushButton("&Cancel", this);
    cancel_->setObjectName("cancel");
    apply_ = new QPushButton("&Apply", this);
    apply_->setObjectName("apply");
    apply_->setEnabled(false);
    auto* close = new QPushButton("Cl&ose", this);
    close->setObjectName("close");
    for (QPushButton* b : {solve_, cancel_, apply_, close}) b->setAutoDefault(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setRange(0, 1);
    progress_->setValue(0);
    solveControl_.Attach(solve_, cancel_, progress_);
    status_ = new QLabel(this);
    status_->setObjectName("status");
    status_->setWordWrap(true);
    resultTable_ = ResultTable(this, "resultTable", SettingResultCaptions());
    resultEvents_ = ResultTable(this, "resultEvents", SettingEventCaptions());

    auto* goalSide = new QWidget(this);
    goalSide->setObjectName("goalSide");
    auto* goalsLabel = new QLabel("Goals (residual: balance front - rear, target mean - value):", goalSide);
    goalsLabel->setObjectName("goalsLabel");
    auto* goalLayout = new QVBoxLayout(goalSide);
    goalLayout->setContentsMargins(0, 0, 0, 0);
    goalLayout->addWidget(goalsLabel);
    goalLayout->addWidget(goals_);
    goalLayout->addWidget(sensitivityStatus_);
    goalLayout->addWidget(resultTable_, 1);
    auto* top = new QSplitter(Qt::Horizontal, this);
    top->setObjectName("topSplitter");
    top->addWidget(dimensions_);
    top->addWidget(goalSide);
    top->setStretchFactor(0, 3);
    top->setStretchFactor(1, 2);
    top->setSizes({860, 400});

    auto* controls = new QHBoxLayout;
    controls->addWidget(solve_);
    controls->addWidget(cancel_);
    controls->addWidget(progress_, 1);
    controls->addWidget(apply_);
    hardCopy_ = HardCopyButtons(this, {[this] { return ReportCopy(Report()); }, QStringLiteral("valve-setting"),
                                       [this] { return session_.Files().DesignFolder(); }});
    for (QPushButton* b : hardCopy_) {
        b->setEnabled(false);
        controls->addWidget(b);
    }
    controls->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(top, 3);
    layout->addLayout(controls);
    layout->addWidget(status_);
    layout->addWidget(resultEvents_, 1);

    dimensions_->setSortingEnabled(true);
    dimensions_->sortByColumn(FreeDimensionTable::CodeColumn, Qt::AscendingOrder);
    connect(solve_, &QPushButton::clicked, this, &ValveSettingWindow::Solve);
    connect(cancel_, &QPushButton::clicked, this, &ValveSettingWindow::Cancel);
    connect(apply_, &QPushButton::clicked, this, &ValveSettingWindow::Apply);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void ValveSettingWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    dimensions_->ShowDesign(session_.model());
    sensitivityTimer_->start();
}

void ValveSettingWindow::SessionChanged(Changes what)
{
    if (!(what & Change::Dimensions)) return;
    designChanged_ = true;
    dimensions_->ShowDesign(session_.model());
    if (result_ && !applying_ && apply_->isEnabled()) {
        apply_->setEnabled(false);
        status_->setText("The design changed since Solve: solve again to apply.");
    }
    if (isVisible()) sensitivityTimer_->start();
}

void ValveSettingWindow::GoalsChanged()
{
    std::vector<SettingGoal> goals;
    std::array<double, SettingEventCount> weights{};
    QString why;
    goals_->Read(goals, weights, why);
    QStringList labels;
    for (const SettingGoal& g : goals)
        labels << QString("%1@%2\n%3")
                      .arg(SettingEventName(g.event), QString::fromStdString(g.gear.label), g.balance ? "F-R" : "mean");
    dimensions_->SetGoalLabels(labels);
    if (isVisible()) sensitivityTimer_->start();
}

void ValveSettingWindow::RequestSensitivity()
{
    SettingProblem problem;
    QString why;
    if (!goals_->Read(problem.goals, problem.weights, why)) {
        sensitivityStatus_->setText("Effects: " + why);
        return;
    }
    const std::vector<GearChoice> gears = GoalGears(problem.goals);
    if (sensitivity_ && !designChanged_ && sensitivity_->gears == Labels(gears)) {
        ShowSensitivity(*sensitivity_);
        return;
    }
    designChanged_ = false;
    sensitivityStatus_->setText("Computing the effects of the dimensions...");
    SensitivityRequest request;
    request.gears = gears;
    request.step = SweepStep;
    sensitivityJob_->Request([design = session_.model(), request, stop = stopSensitivity_] {
        AnalysisControl control;
        control.cancel = stop.get();
        return SensitivityRun{ComputeSensitivity(design, request, control), Labels(request.gears)};
    });
}

void ValveSettingWindow::ShowSensitivity(const SensitivityRun& run)
{
    sensitivity_ = run;
    SettingProblem problem;
    QString why;
    if (!goals_->Read(problem.goals, problem.weights, why)) return;
    if (Labels(GoalGears(problem.goals)) != run.gears) return;  // the goals moved on; a newer run is due
    dimensions_->ShowEffects(GoalEffects(run.result, problem));
    sensitivityStatus_->setText("Goal columns: the weighted change of each goal's residual per +0.01 of the "
                                "dimension; effect: their root sum of squares. Click a heading to sort.");
    emit sensitivityShown();
}

bool ValveSettingWindow::ReadProblem(SettingProblem& problem, QString& why) const
{
    if (!goals_->Read(problem.goals, problem.weights, why)) return false;
    problem.free = dimensions_->Chosen();
    problem.step = SweepStep;
    if (problem.free.empty()) {
        why = "Tick at least one dimension to free.";
        return false;
    }
    for (const FreeDimension& d : problem.free) {
        const float v = session_.model().GetDim(d.code);
        if (double(v) < d.min || double(v) > d.max) {
            why = QString("Dimension %1 is %2, outside its bounds %3 .. %4.")
                      .arg(d.code)
                      .arg(SignificantText(v), SignificantText(d.min), SignificantText(d.max));
            return false;
        }
    }
    return true;
}

void ValveSettingWindow::Solve()
{
    SettingProblem problem;
    QString why;
    if (Solving() || !ReadProblem(problem, why)) {
        if (!why.isEmpty()) status_->setText(why);
        return;
    }
    solvedProblem_ = problem;
    const std::shared_ptr<std::atomic<bool>> cancelFlag = solveControl_.Begin();
    apply_->setEnabled(false);
    status_->setText("Solving...");
    QProgressBar* bar = progress_;
    solveWatcher_.setFuture(QtConcurrent::run(AnalysisThreads(), [design = session_.model(), problem, cancel = cancelFlag, bar] {
        const AnalysisControl control = BarProgressControl(bar, cancel.get());
        return SolveValveSetting(design, problem, control);
    }));
}

void ValveSettingWindow::Cancel()
{
    if (!Solving()) return;
    solveControl_.Stop();
    status_->setText("Cancelling: keeping the best point met so far...");
}

void ValveSettingWindow::Solved()
{
    solveControl_.End();
    result_ = solveWatcher_.result();
    progress_->setValue(progress_->maximum());
    ShowResult();
    const bool better = result_->values != result_->start;
    apply_->setEnabled(better && result_->after.Feasible());
    status_->setText(QString("%1 after %2 evaluations: %3")
                         .arg(result_->cancelled ? "Cancelled" : "Done")
                         .arg(result_->evaluations)
                         .arg(better ? "Apply puts the new values into the design as one undo level."
                                     : "nothing better than the design's own values was found."));
    emit solved();
}

void ValveSettingWindow::ShowResult()
{
    resultTable_->setRowCount(0);
    for (const QStringList& row : SettingResultRows(solvedProblem_, *result_)) AddRow(resultTable_, row);
    resultTable_->resizeColumnsToContents();
    resultEvents_->setRowCount(0);
    for (const QStringList& row : SettingEventRows(*result_)) AddRow(resultEvents_, row);
    resultEvents_->resizeColumnsToContents();
    for (QPushButton* b : hardCopy_) b->setEnabled(true);
}

HardCopyReport ValveSettingWindow::Report() const
{
    if (!result_) return {};
    return ValveSettingReport(solvedProblem_, *result_, DesignFacts(session_));
}

void ValveSettingWindow::Apply()
{
    if (!result_ || Solving()) return;
    std::vector<DimensionValue> values;
    for (size_t i = 0; i < solvedProblem_.free.size(); ++i)
        values.push_back({solvedProblem_.free[i].code, result_->values[i]});
    applying_ = true;
    session_.Dimensions().ApplyDimensions("Valve setting", values);
    applying_ = false;
    apply_->setEnabled(false);
    status_->setText("Applied as one undo level: one UnDo restores the design of before.");
}

}  // namespace zeph
