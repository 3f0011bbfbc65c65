// The "ToleranceStudy" window: tolerances and wear per dimension, a study off the UI thread, its spread, histograms and ranking.
#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <QImage>
#include <atomic>
#include <memory>
#include <optional>
#include <vector>

#include "model/analysis/ToleranceRanking.h"
#include "model/analysis/ToleranceStudy.h"
#include "platform/HardCopyReport.h"
#include "ui/analysis/CancellableRun.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace zeph {

class Session;

// What one Run found: the study, and the ranking when the study was not cancelled.
struct ToleranceRun {
    ToleranceRequest request;
    ToleranceResult result;
    CutoffRanking ranking;
};

// Widgets by object name: "toleranceTable" (code, name, value, tolerance: one row per dimension,
// a tolerance typed there overrides "all"), the boxes "all", "wear", "samples", "seed" and
// "gears" (names such as fwd or rev, or offsets from mid gear, separated by spaces), "run",
// "cancel", "progress", "status", "spreadTable" (the report's columns), "histograms" (a label
// showing the picture), "rankingTable", "savePicture", "saveCsv" and the report's "printReport",
// "previewReport" and "exportReport" (these four enabled once a run is shown). Not modal: the study runs
// on a copy of the design on worker threads, Cancel keeps the samples taken in so far.
class ToleranceStudyWindow : public QDialog {
    Q_OBJECT
public:
    ToleranceStudyWindow(Session& session, QWidget* parent);
    ~ToleranceStudyWindow() override;

    bool Running() const { return watcher_.isRunning(); }
    const std::optional<ToleranceRun>& Shown() const { return shown_; }
    // The request the boxes describe, or nullopt with the reason in `why`.
    std::optional<ToleranceRequest> ReadRequest(QString& why) const;
    // The spread and ranking as the tolerance report's CSV writes them; empty before a run.
    QString CsvText() const;
    bool SaveCsv(const QString& path);
    // The run shown, for paper: the design, what was asked, the tables and the histograms; an
    // empty report before a run.
    HardCopyReport Report() const;

signals:
    // A run ended (done or cancelled) and its figures are shown.
    void finished();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void BuildWidgets();
    void FillDimensions();
    void Run();
    void Cancel();
    void Finished();
    void ShowRun();
    void SaveCsvCommand();
    void SavePictureCommand();

    Session& session_;
    QTableWidget *dimensions_ = nullptr, *spread_ = nullptr, *ranking_ = nullptr;
    QLineEdit *all_ = nullptr, *wear_ = nullptr, *samples_ = nullptr, *seed_ = nullptr, *gears_ = nullptr;
    QPushButton *run_ = nullptr, *cancel_ = nullptr, *savePicture_ = nullptr, *saveCsv_ = nullptr;
    std::vector<QPushButton*> hardCopy_;
    QProgressBar* progress_ = nullptr;
    QLabel *status_ = nullptr, *histograms_ = nullptr;

    QFutureWatcher<ToleranceRun> watcher_;
    CancellableRun runControl_;
    std::optional<ToleranceRun> shown_;
    QImage picture_;
};

}  // namespace zeph
