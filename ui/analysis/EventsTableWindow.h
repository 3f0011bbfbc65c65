// The "Events Table" window: the valve events of the standard gears and of added notches, kept up to date beside the main window.
#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "model/analysis/GearChoice.h"
#include "model/analysis/GearSweep.h"
#include "platform/HardCopyReport.h"
#include "ui/analysis/LatestJob.h"
#include "ui/session/SessionChange.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace zeph {

class Session;

// A gear row of the table: a fixed offset from mid gear, or a share of Rev Arm to Cent Max that
// follows that dimension.
struct EventNotch {
    GearChoice choice;
    std::optional<double> shareOfMax;
};

// The figures of one refresh; `midGear` false when the design has no mid gear.
struct EventsTable {
    std::vector<GearEvents> gears;
    bool midGear = true;
};

// Widgets by object name: "eventsTable" (the report's columns, then the front - rear
// differences, shaded where they exceed 1 % of stroke or 0.01 of lead), "offsetBox" and
// "addOffset" (a gear that far from mid gear), "addEvery10" (every 10 % of Rev Arm to Cent Max
// each way), "removeNotches" (the added gears selected, or all of them when none is), "copy"
// (tab-separated, header first), "saveCsv", the report's "printReport", "previewReport" and
// "exportReport" (enabled only while the table shown is the design's own), "status" and "close". Not modal; the table is
// computed on a worker thread from a copy of the design whenever a dimension changes while the
// window shows, and once more when it opens.
class EventsTableWindow : public QDialog {
    Q_OBJECT
public:
    EventsTableWindow(Session& session, QWidget* parent);
    ~EventsTableWindow() override;

    // The table as the events report's CSV writes it (header, one row per gear).
    QString CsvText() const;
    // Writes CsvText() to `path` whole or not at all; a failure is shown in the error box.
    bool SaveCsv(const QString& path);
    // The gears of the table, the five standard ones first.
    std::vector<EventNotch> Notches() const;
    // The table shown, for paper: the design's facts, then its cells.
    HardCopyReport Report() const;

signals:
    // A new table is shown.
    void refreshed();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void BuildWidgets();
    void SessionChanged(Changes what);
    void ScheduleRefresh();
    void StartRefresh();
    void ShowTable(const EventsTable& table);
    void FillRow(int row, const GearEvents& ev);
    void FitWidth();
    void EnableHardCopy(bool on);
    void AddOffset();
    void AddEvery10();
    void RemoveNotches();
    // The header and one row of fields per gear shown.
    std::vector<QStringList> Rows() const;
    void CopyToClipboard();
    void SaveCsvCommand();

    Session& session_;
    std::vector<EventNotch> added_;
    EventsTable shown_;
    QTableWidget* table_ = nullptr;
    QLineEdit* offsetBox_ = nullptr;
    QLabel* status_ = nullptr;
    std::vector<QPushButton*> hardCopy_;
    QTimer* refreshTimer_ = nullptr;
    bool stale_ = true;
    bool fitted_ = false;
    std::unique_ptr<LatestJob<EventsTable>> job_;
};

}  // namespace zeph
