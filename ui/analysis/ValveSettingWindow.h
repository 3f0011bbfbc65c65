// The "ValveSetting" window: free dimensions with their bounds and effects, the goals, a search off the UI thread, and Apply as one undo level.
#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QStringList>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "model/analysis/Sensitivity.h"
#include "model/analysis/SettingProblem.h"
#include "model/analysis/ValveSetting.h"
#include "platform/HardCopyReport.h"
#include "ui/analysis/CancellableRun.h"
#include "ui/analysis/LatestJob.h"
#include "ui/session/SessionChange.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace zeph {

class FreeDimensionTable;
class GoalListEditor;
class Session;

// The sensitivity of one design in the goals' gears.
struct SensitivityRun {
    SensitivityResult result;
    std::vector<std::string> gears;  // the gears' labels it was computed for
};

// Widgets by object name: the "dimensionTable" (see FreeDimensionTable; the valve connecting
// rod and the eccentric rod's left end start free), the "goalList" (see GoalListEditor),
// "sensitivityStatus", "solve", "cancel", "progress", "apply", "status", "resultTable" (item,
// before, after: the free dimensions to nine significant digits, each goal's residual, the
// objective, the evaluations) and "resultEvents" (the events report's columns after a "stage"
// column, before then after, for the goals' gears), and the report's "printReport",
// "previewReport" and "exportReport", enabled once a result is shown. Not modal. The sensitivity is computed
// on a worker thread whenever the design or the goals' gears change while the window shows;
// Solve runs the search on a worker thread (Cancel keeps the best point met so far); Apply
// writes the result into the design through the session as one undo level.
class ValveSettingWindow : public QDialog {
    Q_OBJECT
public:
    ValveSettingWindow(Session& session, QWidget* parent);
    ~ValveSettingWindow() override;

    bool Solving() const { return solveWatcher_.isRunning(); }
    // The result shown, if any.
    const std::optional<SettingResult>& Result() const { return result_; }
    // The result shown, for paper: the design, the free dimensions' start and result, the
    // tables; an empty report before a result.
    HardCopyReport Report() const;

signals:
    // A solve ended (done or cancelled) and its result is shown.
    void solved();
    // New effects are shown in the dimension table.
    void sensitivityShown();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void BuildWidgets();
    void SessionChanged(Changes what);
    void GoalsChanged();
    void RequestSensitivity();
    void ShowSensitivity(const SensitivityRun& run);
    bool ReadProblem(SettingProblem& problem, QString& why) const;
    void Solve();
    void Cancel();
    void Solved();
    void ShowResult();
    void Apply();

    Session& session_;
    FreeDimensionTable* dimensions_ = nullptr;
    GoalListEditor* goals_ = nullptr;
    QLabel *sensitivityStatus_ = nullptr, *status_ = nullptr;
    QPushButton *solve_ = nullptr, *cancel_ = nullptr, *apply_ = nullptr;
    std::vector<QPushButton*> hardCopy_;
    QProgressBar* progress_ = nullptr;
    QTableWidget *resultTable_ = nullptr, *resultEvents_ = nullptr;
    QTimer* sensitivityTimer_ = nullptr;

    std::unique_ptr<LatestJob<SensitivityRun>> sensitivityJob_;
    std::optional<SensitivityRun> sensitivity_;
    std::shared_ptr<std::atomic<bool>> stopSensitivity_ = std::make_shared<std::atomic<bool>>(false);
    bool designChanged_ = true;  // since the sensitivity shown was computed

    QFutureWatcher<SettingResult> solveWatcher_;
    CancellableRun solveControl_;
    SettingProblem solvedProblem_;
    std::optional<SettingResult> result_;
    bool applying_ = false;
};

}  // namespace zeph
