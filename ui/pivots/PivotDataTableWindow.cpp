// The "Pivot Data Table" window: the six watched pivots over a whole turn, to cut, copy and paste through the clipboard.
#include "ui/pivots/PivotDataTableWindow.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/pivots/PivotDataReport.h"
#include "ui/session/Session.h"
#include "ui/widgets/HardCopyItems.h"
#include "ui/widgets/ReportFacts.h"
#include "ui/widgets/WindowCaption.h"

namespace zeph {

namespace {

constexpr int ClientWidth = 620;
constexpr int ClientHeight = 400;
const QString CaptionTitle = QStringLiteral("ZEPHARIN Inside Admission Pivot Data   ");

}  // namespace

PivotDataTableWindow::PivotDataTableWindow(Session& session, QWidget* parent) : QDialog(parent), session_(session)
{
    setObjectName("pivotDataTable");
    setWindowTitle("Pivot Data Table");
    setModal(true);
    resize(ClientWidth, ClientHeight);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("memo");
    // A 12-point serif of fixed pitch, so that the blank-padded columns line up on screen as
    // they do when pasted; a fixed-pitch font of any kind where no serif one is installed.
    QFont font;
    font.setFamilies({"Courier New", "Nimbus Mono PS", "Courier", "FreeMono", "Liberation Mono", "DejaVu Sans Mono"});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(12);
    memo_->setFont(font);
    // Rows are long; they scroll rather than wrap, so that each stays one line.
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
    BuildMenu();

    // The caption follows the animation's clock, as every window's does.
    connect(&session_, &Session::ticked, this, [this] {
        if (isVisible()) setWindowTitle(WindowCaption(session_.model(), CaptionTitle));
    });
}

void PivotDataTableWindow::BuildMenu()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName("menuBar");
    QAction* close = bar->addAction("&Close ");
    close->setObjectName("close");
    bar->addAction(QString(14, u' '))->setObjectName("blank");
    QMenu* edit = bar->addMenu("&Edit");
    edit->setObjectName("editMenu");
    cutAction_ = edit->addAction("Cu&t");
    copyAction_ = edit->addAction("&Copy");
    pasteAction_ = edit->addAction("&Paste");
    edit->addSeparator();
    selectAllAction_ = edit->addAction("Select&All");
    cutAction_->setObjectName("cut");
    copyAction_->setObjectName("copy");
    pasteAction_->setObjectName("paste");
    selectAllAction_->setObjectName("selectAll");
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("fileMenu");
    HardCopyActions(file, this,
                    {[this] { return ReportCopy(Report()); }, QStringLiteral("pivot-data"),
                     [this] { return session_.Files().DesignFolder(); }});
    layout()->setMenuBar(bar);

    connect(close, &QAction::triggered, this, &QDialog::accept);
    connect(cutAction_, &QAction::triggered, this, &PivotDataTableWindow::Cut);
    connect(copyAction_, &QAction::triggered, this, &PivotDataTableWindow::Copy);
    connect(pasteAction_, &QAction::triggered, memo_, &QPlainTextEdit::paste);
    connect(selectAllAction_, &QAction::triggered, this, &PivotDataTableWindow::SelectAll);
    connect(edit, &QMenu::aboutToShow, this, &PivotDataTableWindow::EditMenuOpening);
}

void PivotDataTableWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Rebuild();
}

void PivotDataTableWindow::Rebuild()
{
    memo_->clear();
    cutAction_->setEnabled(false);
    copyAction_->setEnabled(false);
    selectAllAction_->setEnabled(true);
    sheet_ = session_.Overlay().PivotDataTableNow();
    QStringList lines;
    for (const std::string& line : sheet_.lines) lines << QString::fromStdString(line);
    memo_->setPlainText(lines.join(u'\n'));
}

HardCopyReport PivotDataTableWindow::Report() const
{
    QStringList facts = DesignFacts(session_);
    facts << ChangedDimensionsFact(session_.model());
    return PivotDataReport(sheet_, facts);
}

void PivotDataTableWindow::Cut()
{
    memo_->cut();
    selectAllAction_->setEnabled(true);
}

void PivotDataTableWindow::Copy()
{
    memo_->copy();
    selectAllAction_->setEnabled(true);
}

void PivotDataTableWindow::SelectAll()
{
    memo_->selectAll();
    cutAction_->setEnabled(true);
    copyAction_->setEnabled(true);
    selectAllAction_->setEnabled(false);
}

void PivotDataTableWindow::EditMenuOpening()
{
    if (memo_->textCursor().hasSelection()) {
        cutAction_->setEnabled(true);
        copyAction_->setEnabled(true);
    }
}

}  // namespace zeph
