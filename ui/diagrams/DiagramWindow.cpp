// A diagram window: the shared frame (close, dynamic-variable bars, undo, menu, caption) around one diagram's picture.
#include "ui/diagrams/DiagramWindow.h"

#include <QFileInfo>
#include <QMenuBar>
#include <QShowEvent>
#include <QVBoxLayout>
#include <utility>

#include "model/linkage/ViewTransform.h"
#include "platform/Canvas.h"
#include "render/copies/PictureCopies.h"
#include "render/diagrams/DiagramPainter.h"
#include "ui/session/BarRanges.h"
#include "ui/widgets/DialogKit.h"
#include "ui/widgets/DynVarBars.h"
#include "ui/widgets/HardCopyCommands.h"
#include "ui/widgets/HorizontalBar.h"
#include "ui/widgets/PictureFile.h"
#include "ui/widgets/PictureView.h"
#include "ui/widgets/WindowCaption.h"

namespace zeph {

// What the four windows do differently.
struct DiagramWindow::Layout {
    const char* objectName;
    const char* title;        // the caption's title, before the design's name
    const char* pictureName;  // offered as the file name of "Save Picture", and without ".png" of an export
    QPoint closeAt;
    bool usesPositions;       // the positions dialog on opening, "SetRevArmPos", redraw on mouse move
    const char* setPositions;
    const char* redraw;
    const char* dynamicVariables;
};

namespace {

constexpr int CaptionRefreshMs = 1000;
const QSize CloseSize(75, 25);
const QRect UndoPlace(110, 54, 40, 16);
const QPoint FrameTopLeft(0, 10);  // the window's outer corner, title bar included

}  // namespace

const DiagramWindow::Layout& DiagramWindow::LayoutOf(DiagramKind kind)
{
    static const Layout sine{"sineDiagramWindow", "ZEPHARIN Inside Admission      Sine Diagram    ", "SineDiagram.png",
                             {408, 8}, true, "&SetRevArmPos", "&ReDraw", "&DymamicVariables"};
    static const Layout oval{"ovalDiagramWindow", "ZEPHARIN Inside Admission      Oval Diagram    ", "OvalDiagram.png",
                             {408, 8}, true, "SetRevArmPos", "ReDraw", "DynamicVari"};
    static const Layout steam{"steamDiagramWindow", "ZEPHARIN Inside Admission      Steam Diagram    ",
                              "SteamDiagram.png", {408, 8}, true, "SetRevArmPos", "ReDraw", "DynamicVari"};
    static const Layout ports{"portsDiagramWindow", "ZEPHARIN Inside Admission      Port Open/Closed    ",
                              "PortOpenClose.png", {447, 2}, false, "", "ReDraw", "DynamicVari"};
    switch (kind) {
    case DiagramKind::Sine: return sine;
    case DiagramKind::Oval: return oval;
    case DiagramKind::Steam: return steam;
    case DiagramKind::Ports: return ports;
    }
    return sine;
}

DiagramWindow::DiagramWindow(Session& session, DiagramKind kind, QDialog* positionsDialog, QWidget* parent)
    : QDialog(parent), session_(session), kind_(kind), layout_(LayoutOf(kind)), positions_(positionsDialog)
{
    setObjectName(layout_.objectName);
    setModal(true);
    // A small-captioned window at the screen's left edge, the size of its picture and no larger.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(DialogFont());

    picture_ = QImage(ClientSizeOf(kind), QImage::Format_RGB32);
    picture_.fill(Qt::white);
    view_ = new PictureView(picture_, this);
    view_->setObjectName("picture");
    view_->setFixedSize(picture_.size());
    connect(view_, &PictureView::moved, this, &DiagramWindow::PictureMouseMoved);

    auto* bar = new QMenuBar(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(bar);
    layout->addWidget(view_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    BuildControls();
    BuildMenu(bar);
    if (layout_.usesPositions && positions_) {
        connect(positions_, &QDialog::finished, this, [this] {
            if (std::exchange(redrawAfterPositions_, false)) Redraw();
        });
    }
    captionTimer_ = new QTimer(this);
    captionTimer_->setInterval(CaptionRefreshMs);
    connect(captionTimer_, &QTimer::timeout, this, &DiagramWindow::SetCaption);
    connect(&session_, &Session::changed, this, [this](Changes what) {
        if (what & (Change::DynVars | Change::UndoStore | Change::Display)) dynVars_->Refresh();
    });
    SetCaption();
}

DiagramWindow::~DiagramWindow() = default;

void DiagramWindow::BuildControls()
{
    closeButton_ = new QPushButton("Close", view_);
    closeButton_->setObjectName("close");
    closeButton_->setGeometry(QRect(layout_.closeAt, CloseSize));
    closeButton_->setAutoDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    for (int k = 0; k < 4; ++k) {
        QScrollBar* b = MakeHorizontalBar(view_);
        b->setObjectName(QString("dynVarBar%1").arg(k + 1));
        b->setGeometry(112, 3 + 12 * k, 121, 10);
        b->setRange(DynVarBarRange.minimum, DynVarBarRange.maximum);
        b->setSingleStep(DynVarBarRange.small);
        b->setPageStep(DynVarBarRange.large);
        b->setValue(0);
        b->setToolTip(DynVarBarHints[k]);
        b->hide();
        bars_[static_cast<size_t>(k)] = b;
    }
    undoButton_ = new QPushButton("UnDo", view_);
    undoButton_->setObjectName("undo");
    undoButton_->setGeometry(UndoPlace);
    undoButton_->setFocusPolicy(Qt::TabFocus);
    undoButton_->hide();
    undoButton_->setEnabled(false);

    DynVarBars::Wiring wiring;
    wiring.bars = bars_;
    wiring.undoButton = undoButton_;
    wiring.focusTarget = closeButton_;
    wiring.redraw = [this] { Redraw(); };
    wiring.afterScroll = [this] { Draw(); };  // the change is drawn already; this brings the undo line
    wiring.afterUndo = [this] { AfterUndo(); };
    dynVars_ = new DynVarBars(session_, std::move(wiring), this);
}

// The menu as one row per item, in menu order. The port events window keeps its graph choice
// in a "SetUp" menu and has no reverse-arm positions; the others show the positions item.
void DiagramWindow::BuildMenu(QMenuBar* bar)
{
    enum class Shown { Always, PortsOnly, WithPositions };
    struct MenuCommand {
        const char* name;
        Shown shown;
        const char* caption;                      // null: the window kind's own caption
        const char* Layout::* captionOfKind;
        void (*run)(DiagramWindow&);
        bool inSetUpMenu = false;
    };
    static const MenuCommand kCommands[] = {
        {"forwardGraph", Shown::PortsOnly, "ForwardGraph", nullptr,
         [](DiagramWindow& w) { w.ShowGraph(PortsMode::Forward); }, true},
        {"reverseGraph", Shown::PortsOnly, "ReverseGraph", nullptr,
         [](DiagramWindow& w) { w.ShowGraph(PortsMode::Reverse); }, true},
        {"bothGraphs", Shown::PortsOnly, "BothGraphs", nullptr, [](DiagramWindow& w) { w.ShowGraph(PortsMode::Both); },
         true},
        {"setPositions", Shown::WithPositions, nullptr, &Layout::setPositions,
         [](DiagramWindow& w) { w.AskForPositions(false); }},
        {"redraw", Shown::Always, nullptr, &Layout::redraw, [](DiagramWindow& w) { w.Redraw(); }},
        {"undoDisplay", Shown::Always, "&UnDo", nullptr, [](DiagramWindow& w) { w.ToggleUndoDisplay(); }},
        {"dynamicVariables", Shown::Always, nullptr, &Layout::dynamicVariables,
         [](DiagramWindow& w) { w.ToggleDynVarDisplay(); }},
        {"savePicture", Shown::Always, "Save &Picture", nullptr, [](DiagramWindow& w) { w.SavePictureAs(); }},
        {"printCopy", Shown::Always, "Pr&int...", nullptr, [](DiagramWindow& w) { w.RunOnCopy(PrintHardCopy); }},
        {"previewCopy", Shown::Always, "Print Pre&view...", nullptr,
         [](DiagramWindow& w) { w.RunOnCopy(PreviewHardCopy); }},
        {"exportCopy", Shown::Always, "Export PDF/SVG...", nullptr, [](DiagramWindow& w) { w.ExportCopy(); }},
    };
    QMenu* setUp = nullptr;
    for (const MenuCommand& c : kCommands) {
        if ((c.shown == Shown::PortsOnly && kind_ != DiagramKind::Ports) ||
            (c.shown == Shown::WithPositions && !layout_.usesPositions))
            continue;
        if (c.inSetUpMenu && !setUp) {
            setUp = bar->addMenu("SetUp");
            setUp->setObjectName("setUp");
        }
        const QString caption = c.caption ? c.caption : layout_.*c.captionOfKind;
        QAction* a = c.inSetUpMenu ? setUp->addAction(caption) : bar->addAction(caption);
        a->setObjectName(c.name);
        connect(a, &QAction::triggered, this, [this, run = c.run] { run(*this); });
    }
}

// ---- opening and closing ---------------------------------------------------------------------

// A window's position counts its frame only while the window system has not seen it at another
// size: one resized after that (as the layout does when the window first shows) is placed by its
// client area, with the title bar above the screen. So the size is settled before the window is
// shown, and the frame is placed each time it opens.
void DiagramWindow::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        FitToTextScale();
        layout()->activate();
        move(FrameTopLeft);
    }
    QDialog::setVisible(visible);
}

void DiagramWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;  // shown again after being minimised: still open
    session_.Run().PauseAnimation(true);
    if (kind_ == DiagramKind::Ports) mode_ = PortsMode::Forward;
    SetCaption();
    captionTimer_->start();
    dynVars_->Refresh();
    closeButton_->setFocus();
    // Once the window stands on the screen: the positions dialog over it, or the diagram.
    QTimer::singleShot(0, this, &DiagramWindow::Opened);
}

// The large font spreads the position list beyond the normal client width: the picture and the
// window grow by the same factor, and the "Close" button moves along with the texts beside it.
void DiagramWindow::FitToTextScale()
{
    const TextScale ts = TextScaleFor(session_.controls().largeFont);
    picture_ = QImage(PictureSizeOf(kind_, ts), QImage::Format_RGB32);
    ImageCanvas canvas(picture_);
    EraseDiagram(canvas);
    shown_.reset();
    view_->setFixedSize(picture_.size());
    closeButton_->move(RoundInt(layout_.closeAt.x() * Real(ts.x)), layout_.closeAt.y());
}

void DiagramWindow::Opened()
{
    if (!isVisible()) return;
    if (layout_.usesPositions)
        AskForPositions(true);
    else
        Redraw();
}

void DiagramWindow::done(int result)
{
    captionTimer_->stop();
    redrawAfterPositions_ = false;
    QDialog::done(result);
    session_.Run().PauseAnimation(false);
}

void DiagramWindow::AskForPositions(bool redrawAfter)
{
    if (!positions_) return;
    redrawAfterPositions_ = redrawAfter;
    // The one dialog stands over whichever diagram window asked for it.
    positions_->setParent(this, positions_->windowFlags());
    positions_->open();
}

void DiagramWindow::SetCaption()
{
    const QString caption = WindowCaption(session_.model(), layout_.title);
    if (windowTitle() != caption) setWindowTitle(caption);
}

// ---- drawing ----------------------------------------------------------------------------------

void DiagramWindow::Redraw()
{
    ImageCanvas canvas(picture_);
    EraseDiagram(canvas);
    Draw();
}

void DiagramWindow::Draw()
{
    const DiagramData data = session_.Diagrams().ComputeDiagram(kind_, mode_);
    ImageCanvas canvas(picture_);
    const DiagramFrameState state = PaintDiagram(canvas, session_.model(), data, undoLine_, TextScaleFor(session_.controls().largeFont));
    shown_ = Shown{data, undoLine_};
    undoLine_ = state.undoLine;
    ApplyFrameState(state);
    SetCaption();
    view_->update();
}

void DiagramWindow::ApplyFrameState(const DiagramFrameState& state)
{
    for (size_t k = 0; k < bars_.size(); ++k) {
        bars_[k]->setVisible(state.dynVarBarsVisible);
        if (state.dynVarBarsEnabled) bars_[k]->setEnabled((*state.dynVarBarsEnabled)[k]);
    }
    undoButton_->setVisible(state.undoButtonVisible);
    undoButton_->setEnabled(session_.controls().undoEnabled);
}

void DiagramWindow::ShowGraph(PortsMode mode)
{
    mode_ = mode;
    Redraw();
}

void DiagramWindow::PictureMouseMoved()
{
    if (layout_.usesPositions && session_.Diagrams().TakeDiagramRedrawPending()) Redraw();
}

// Switching the undo line off wipes the picture and draws it without the line; switching it on
// draws over the picture. Either way a second draw follows, which brings a line drawn from the
// last draw up to date.
void DiagramWindow::ToggleUndoDisplay()
{
    const bool wasOn = session_.model().UndoOn;
    session_.Display().Toggle(DisplayOption::UndoLine);
    if (wasOn) {
        ImageCanvas canvas(picture_);
        EraseDiagram(canvas);
    } else {
        Draw();
    }
    Draw();
}

void DiagramWindow::ToggleDynVarDisplay()
{
    session_.Display().Toggle(DisplayOption::DynVars);
    Redraw();
}

// With the dynamic variables hidden a draw shows the undo line that the draw before it found,
// so it takes two to show the level the undo left on top rather than the one it took away.
void DiagramWindow::AfterUndo()
{
    Redraw();
    Redraw();
}

// ---- the picture as a file --------------------------------------------------------------------

bool DiagramWindow::SavePicture(const QString& file) const
{
    return !file.isEmpty() && !WritePng(picture_, file);
}

void DiagramWindow::SavePictureAs()
{
    zeph::SavePictureAs(this, picture_, layout_.pictureName, session_.Files().DesignFolder());
}

// ---- the picture on paper and as vectors -------------------------------------------------------

// The copy paints the last draw on an erased page: drawn over the picture as it stood, that draw
// covered every line and opaque text of the one before it, which had the same data.
std::optional<HardCopy> DiagramWindow::HardCopyShown() const
{
    if (!shown_) return std::nullopt;
    const QString title = QString::fromLatin1(layout_.title).simplified() + QStringLiteral(": ") +
                          QString::fromStdString(session_.model().DimSetName);
    return DiagramCopy(session_.model(), shown_->data, shown_->storedUndoLine,
                       TextScaleFor(session_.controls().largeFont), title);
}

void DiagramWindow::RunOnCopy(void (*command)(QWidget*, const HardCopy&))
{
    if (const std::optional<HardCopy> copy = HardCopyShown()) command(this, *copy);
}

void DiagramWindow::ExportCopy()
{
    const QString name = QFileInfo(QString::fromLatin1(layout_.pictureName)).completeBaseName();
    if (const std::optional<HardCopy> copy = HardCopyShown())
        ExportHardCopy(this, *copy, name, session_.Files().DesignFolder());
}

}  // namespace zeph
