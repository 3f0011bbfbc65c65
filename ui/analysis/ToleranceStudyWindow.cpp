// The "ToleranceStudy" window: the study and its ranking run on a copy of the design on worker threads.
#include "ui/analysis/ToleranceStudyWindow.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>
#include <limits>

#include "model/analysis/Sensitivity.h"
#include "model/design/DimensionTable.h"
#include "platform/Files.h"
#include "platform/NumberReading.h"
#include "render/analysis/ToleranceHistogramPainter.h"
#include "ui/analysis/AnalysisThreads.h"
#include "ui/analysis/EventTexts.h"
#include "ui/analysis/NumberCellDelegate.h"
#include "ui/analysis/ToleranceStudyReport.h"
#include "ui/analysis/ToleranceTexts.h"
#include "ui/session/Session.h"
#include "ui/widgets/HardCopyItems.h"
#include "ui/widgets/PictureFile.h"
#include "ui/widgets/ReportFacts.h"

namespace zeph {

namespace {

enum Column { CodeColumn, NameColumn, ValueColumn, ToleranceColumn };

QTableWidgetItem* Cell(const QString& text, bool left = false)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment((left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    return item;
}

QTableWidget* Table(QWidget* parent, const char* name, const QStringList& headers)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    return table;
}

void Fill(QTableWidget* table, const std::vector<QStringList>& rows)
{
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 0; c < rows[size_t(r)].size(); ++c) table->setItem(r, c, Cell(rows[size_t(r)][c], c < 2));
    table->resizeColumnsToContents();
}

QLineEdit* Box(QWidget* parent, const char* name, const QString& text, const QString& tip)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    return box;
}

// A half-width: empty is none, otherwise a number not below zero.
bool ReadHalfWidth(const QString& text, std::optional<double>& v)
{
    v.reset();
    if (text.trimmed().isEmpty()) return true;
    const double t = ReadNumber(text, std::numeric_limits<double>::quiet_NaN());
    if (!std::isfinite(t) || t < 0) return false;
    v = t;
    return true;
}

// Gear names, or offsets from mid gear labelled as the report labels `--rev`.
bool ReadGears(const QString& text, std::vector<GearChoice>& gears, QString& why)
{
    for (const QString& token : text.split(u' ', Qt::SkipEmptyParts)) {
        const std::string name = token.toLower().toStdString();
        if (const auto named = GearByName(name)) {
            gears.push_back({name, named, 0});
            continue;
        }
        bool ok = false;
        const double offset = token.toDouble(&ok);
        if (!ok || !std::isfinite(offset)) {
            why = QString("Gears: \"%1\" is neither mid, fwd, fwdmax, rev, revmax nor an offset from mid gear.").arg(token);
            return false;
        }
        gears.push_back({"rev:" + token.toStdString(), std::nullopt, offset});
    }
    if (gears.empty()) why = "Name at least one gear, e.g. fwd rev.";
    return !gears.empty();
}

}  // namespace

ToleranceStudyWindow::ToleranceStudyWindow(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("toleranceStudyWindow");
    setWindowTitle("Tolerance Study");
    setModal(false);
    resize(1440, 800);
    BuildWidgets();
    connect(&watcher_, &QFutureWatcherBase::finished, this, &ToleranceStudyWindow::Finished);
    // The value column follows the design; a run keeps the copy it started from.
    connect(&session_, &Session::changed, this, [this](Changes what) {
        if ((what & Change::Dimensions) && isVisible()) FillDimensions();
    });
}

ToleranceStudyWindow::~ToleranceStudyWindow()
{
    runControl_.Stop();
    watcher_.waitForFinished();
}

void ToleranceStudyWindow::BuildWidgets()
{
    dimensions_ = Table(this, "toleranceTable", {"code", "name", "value", "tolerance"});
    dimensions_->setItemDelegateForColumn(ToleranceColumn, new NumberCellDelegate(this));
    const std::vector<int> codes = SensitivityCodes({});
    dimensions_->setRowCount(static_cast<int>(codes.size()));
    for (int r = 0; r < dimensions_->rowCount(); ++r) {
        const int code = codes[size_t(r)];
        const DimensionInfo* d = FindDimension(code);
        dimensions_->setItem(r, CodeColumn, Cell(QString::number(code)));
        dimensions_->setItem(r, NameColumn, Cell(d ? QString::fromLatin1(d->caption) : QString(), true));
        dimensions_->setItem(r, ValueColumn, Cell(QString()));
        auto* tol = new QTableWidgetItem;
        tol->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tol->setToolTip("Half-width T: the dimension is built v + u, u uniform in [-T, T]; empty takes \"all\"");
        dimensions_->setItem(r, ToleranceColumn, tol);
    }
    dimensions_->resizeColumnsToContents();
    dimensions_->horizontalHeader()->setStretchLastSection(true);

    all_ = Box(this, "all", "0.01", "The tolerance of every dimension whose own cell is empty");
    wear_ = Box(this, "wear", "0", "Pin wear C: each link between two pins gets a further u in [-C, C]");
    samples_ = Box(this, "samples", "1000", "Designs drawn, 1 to 1000000");
    seed_ = Box(this, "seed", "1", "The same seed draws the same designs");
    gears_ = Box(this, "gears", "fwd rev", "mid, fwd, fwdmax, rev, revmax or offsets from mid gear, e.g. 0.5 -0.8");
    auto* boxes = new QFormLayout;
    boxes->addRow("&all:", all_);
    boxes->addRow("&wear:", wear_);
    boxes->addRow("sa&mples:", samples_);
    boxes->addRow("s&eed:", seed_);
    boxes->addRow("&gears:", gears_);

    run_ = new QPushButton("&Run", this);
    run_->setObjectName("run");
    cancel_ = new QPushButton("&Cancel", this);
    cancel_->setObjectName("cancel");
    savePicture_ = new QPushButton("Save &Picture...", this);
    savePicture_->setObjectName("savePicture");
    saveCsv_ = new QPushButton("Save CS&V...", this);
    saveCsv_->setObjectName("saveCsv");
    auto* close = new QPushButton("Cl&ose", this);
    close->setObjectName("close");
    for (QPushButton* b : {run_, cancel_, savePicture_, saveCsv_, close}) b->setAutoDefault(false);
    savePicture_->setEnabled(false);
    saveCsv_->setEnabled(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("progress");
    progress_->setRange(0, 1);
    progress_->setValue(0);
    runControl_.Attach(run_, cancel_, progress_);
    status_ = new QLabel("Set the tolerances and press Run.", this);
    status_->setObjectName("status");
    status_->setWordWrap(true);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(dimensions_, 1);
    leftLayout->addLayout(boxes);

    spread_ = Table(this, "spreadTable", SpreadCaptions());
    ranking_ = Table(this, "rankingTable", RankingCaptions());
    histograms_ = new QLabel(this);
    histograms_->setObjectName("histograms");
    histograms_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(histograms_);
    scroll->setWidgetResizable(true);
    auto* results = new QTabWidget(this);
    results->setObjectName("results");
    results->addTab(spread_, "Spread");
    results->addTab(scroll, "Histograms");
    results->addTab(ranking_, "Cut-off ranking");

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(left);
    split->addWidget(results);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setSizes({400, 1040});

    auto* controls = new QHBoxLayout;
    controls->addWidget(run_);
    controls->addWidget(cancel_);
    controls->addWidget(progress_, 1);
    controls->addWidget(savePicture_);
    controls->addWidget(saveCsv_);
    // "P" and "V" are the picture's and the CSV's here.
    hardCopy_ = HardCopyButtons(this,
                                {[this] { return ReportCopy(Report()); }, QStringLiteral("tolerance"),
                                 [this] { return session_.Files().DesignFolder(); }},
                                {QStringLiteral("Pri&nt..."), QStringLiteral("Print Prev&iew..."), QStringLiteral("Export PDF/SVG...")});
    for (QPushButton* b : hardCopy_) {
        b->setEnabled(false);
        controls->addWidget(b);
    }
    controls->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(controls);
    layout->addWidget(status_);

    connect(run_, &QPushButton::clicked, this, &ToleranceStudyWindow::Run);
    connect(cancel_, &QPushButton::clicked, this, &ToleranceStudyWindow::Cancel);
    connect(savePicture_, &QPushButton::clicked, this, &ToleranceStudyWindow::SavePictureCommand);
    connect(saveCsv_, &QPushButton::clicked, this, &ToleranceStudyWindow::SaveCsvCommand);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void ToleranceStudyWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FillDimensions();
}

void ToleranceStudyWindow::FillDimensions()
{
    for (int r = 0; r < dimensions_->rowCount(); ++r)
        dimensions_->item(r, ValueColumn)
            ->setText(FloatText(session_.model().GetDim(dimensions_->item(r, CodeColumn)->text().toInt())));
    dimensions_->resizeColumnToContents(ValueColumn);
}

std::optional<ToleranceRequest> ToleranceStudyWindow::ReadRequest(QString& why) const
{
    ToleranceRequest q;
    std::optional<double> all, wear, own;
    if (!ReadHalfWidth(all_->text(), all)) why = "\"all\" must be a number not below zero, or empty.";
    else if (!ReadHalfWidth(wear_->text(), wear)) why = "\"wear\" must be a number not below zero, or empty.";
    if (!why.isEmpty()) return std::nullopt;
    if (all)
        for (const int code : SensitivityCodes({})) q.tolerances.push_back({code, *all});
    for (int r = 0; r < dimensions_->rowCount(); ++r) {
        const int code = dimensions_->item(r, CodeColumn)->text().toInt();
        if (!ReadHalfWidth(dimensions_->item(r, ToleranceColumn)->text(), own)) {
            why = QString("The tolerance of dimension %1 must be a number not below zero, or empty.").arg(code);
            return std::nullopt;
        }
        if (own) q.tolerances.push_back({code, *own});
    }
    q.wear = wear.value_or(0);
    bool ok = false;
    q.samples = samples_->text().trimmed().toLong(&ok);
    if (!ok || q.samples < 1 || q.samples > MaxToleranceSamples) {
        why = QString("Samples must be a whole number from 1 to %1.").arg(MaxToleranceSamples);
        return std::nullopt;
    }
    q.seed = seed_->text().trimmed().toULongLong(&ok);
    if (!ok) {
        why = "The seed must be a whole number not below zero.";
        return std::nullopt;
    }
    if (!ReadGears(gears_->text(), q.gears, why)) return std::nullopt;
    const auto spreads = CodeSpreads(q);
    if (std::none_of(spreads.begin(), spreads.end(), [](const CodeSpread& s) { return s.Varies(); })) {
        why = "Nothing varies: give a tolerance or a wear above zero.";
        return std::nullopt;
    }
    return q;
}

void ToleranceStudyWindow::Run()
{
    QString why;
    const std::optional<ToleranceRequest> request = ReadRequest(why);
    if (Running() || !request) {
        if (!why.isEmpty()) status_->setText(why);
        return;
    }
    const std::shared_ptr<std::atomic<bool>> cancelFlag = runControl_.Begin();
    status_->setText(QString("Drawing %1 designs...").arg(request->samples));
    QProgressBar* bar = progress_;
    watcher_.setFuture(QtConcurrent::run(AnalysisThreads(), [design = session_.model(), q = *request, cancel = cancelFlag, bar] {
        const AnalysisControl control = BarProgressControl(bar, cancel.get());
        ToleranceRun run{q, RunToleranceStudy(design, q, control), {}};
        AnalysisControl rankControl;
        rankControl.cancel = cancel.get();
        run.ranking = run.result.cancelled ? CutoffRanking{{}, true} : RankCutoffSpread(design, q, rankControl);
        return run;
    }));
}

void ToleranceStudyWindow::Cancel()
{
    if (!Running()) return;
    runControl_.Stop();
    status_->setText("Cancelling: keeping the samples taken in so far...");
}

void ToleranceStudyWindow::Finished()
{
    runControl_.End();
    shown_ = watcher_.result();
    ShowRun();
    const ToleranceResult& r = shown_->result;
    QString text = QString("%1 of %2 samples").arg(r.samples).arg(r.requested);
    if (r.cancelled) text += ", cancelled: the figures are those of the samples taken in; no ranking";
    if (r.noMidGear > 0) text += QString("; %1 without a mid gear count as missing").arg(r.noMidGear);
    for (const GearSpread& g : r.gears)
        if (g.linkageFailures > 0)
            text += QString("; %1: the linkage could not close in %2").arg(QString::fromStdString(g.gear)).arg(g.linkageFailures);
    status_->setText(text + ".");
    emit finished();
}

void ToleranceStudyWindow::ShowRun()
{
    Fill(spread_, SpreadRows(shown_->result));
    Fill(ranking_, RankingRows(shown_->ranking));
    picture_ = PaintToleranceHistogramImage(shown_->result);
    histograms_->setPixmap(QPixmap::fromImage(picture_));
    savePicture_->setEnabled(true);
    saveCsv_->setEnabled(true);
    for (QPushButton* b : hardCopy_) b->setEnabled(true);
}

HardCopyReport ToleranceStudyWindow::Report() const
{
    if (!shown_) return {};
    return ToleranceStudyReport(shown_->request, shown_->result, shown_->ranking, DesignFacts(session_));
}

QString ToleranceStudyWindow::CsvText() const
{
    return shown_ ? ToleranceCsv(shown_->result, shown_->ranking) : QString();
}

bool ToleranceStudyWindow::SaveCsv(const QString& path)
{
    const std::optional<ReplaceFailure> failure = ReplaceFile(path, CsvText().toUtf8());
    if (failure) ReportSaveFailure(this, QStringLiteral("tolerance study"), path, *failure);
    return !failure;
}

void ToleranceStudyWindow::SaveCsvCommand()
{
    if (!shown_) return;
    const QString path = QFileDialog::getSaveFileName(this, "Save Tolerance Study", "tolerance.csv", "CSV files (*.csv)");
    if (!path.isEmpty() && SaveCsv(path)) status_->setText("Saved to " + path);
}

void ToleranceStudyWindow::SavePictureCommand()
{
    if (!shown_) return;
    SavePictureAs(this, picture_, "tolerance.png", session_.Files().DesignFolder());
}

}  // namespace zeph
