// The main window: the animated picture, the control strip, menus, tool bar, and the windows it opens.
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <optional>

#include "platform/SoundSink.h"
#include "render/scene/ReadoutPainter.h"
#include "ui/diagrams/DiagramPositionsDialog.h"
#include "ui/diagrams/DiagramWindow.h"
#include "ui/dimensions/CylinderDimensionsDialog.h"
#include "ui/dimensions/FrameDimensionsDialog.h"
#include "ui/dimensions/GraphicZoomDialog.h"
#include "ui/main/CommandTable.h"
#include "ui/main/DriverAngleDialog.h"
#include "ui/main/ReferencePointsDialog.h"
#include "ui/main/ReverseArmDialog.h"
#include "ui/main/StepAngleDialog.h"
#include "ui/main/StripBars.h"
#include "ui/main/ToolIcons.h"
#include "ui/widgets/DynVarBars.h"
#include "ui/widgets/HorizontalBar.h"
#include "ui/widgets/PictureView.h"
#include "ui/widgets/SelfCentringBar.h"
#include "ui/widgets/WindowCaption.h"

namespace zeph {

MainWindow::MainWindow(Session& session, QWidget* parent) : QMainWindow(parent), session_(session)
{
    scene_ = QImage(ScenePainter::Width, ScenePainter::Height, QImage::Format_RGB32);
    scene_.fill(Qt::white);

    BuildMenus();
    BuildClient();
    BuildDialogs();
    ConnectSession();
    Refresh(Change::All);
    SetCaption();

    tickTimer_ = new QTimer(this);
    tickTimer_->setObjectName("tickTimer");
    tickTimer_->setTimerType(Qt::PreciseTimer);
    connect(tickTimer_, &QTimer::timeout, this, &MainWindow::Tick);
    RefreshTimer();
    tickTimer_->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        const QSize size = sizeHint();
        move(avail.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    reverseArmBar_->setFocus();
}

MainWindow::~MainWindow() = default;

// ---- the animation ---------------------------------------------------------------------------

void MainWindow::Tick()
{
    session_.Run().Tick();
    SetCaption();
    if (painter_.Paint(scene_, session_.model(), TextScaleFor(session_.controls().largeFont))) session_.Run().FigureNotShown();
    picture_->update();
    emit rendered();
}

void MainWindow::SetCaption()
{
    // The caption shows the clock to the second: within one second only a new design name
    // changes it, and the local time is costly enough not to be formatted on every tick.
    const qint64 second = QDateTime::currentMSecsSinceEpoch() / 1000;
    const std::string& name = session_.model().DimSetName;
    if (second == captionSecond_ && name == captionName_) return;
    captionSecond_ = second;
    captionName_ = name;
    const QString caption = WindowCaption(session_.model(), MainWindowTitle);
    if (windowTitle() != caption) setWindowTitle(caption);
}

bool MainWindow::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) {
        session_.Run().MainWindowActivated();
        GiveGearTheKeys();
    }
    return QMainWindow::event(e);
}

// A menu closed with Escape leaves the focus on the menu bar, and a bar hidden with the screen
// data does not get it back when shown; the bar has it again once the menus are all closed.
void MainWindow::GiveGearTheKeys()
{
    if (QApplication::activePopupWidget() || !reverseArmBar_->isVisible()) return;
    reverseArmBar_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    session_.sound().SetWaveVolume(HalfVolume);
    QMainWindow::closeEvent(e);
}

void MainWindow::OpenModal(QDialog* dialog)
{
    if (dialog) dialog->exec();
}

QDialog* MainWindow::PointerDialog(bool frame) const
{
    return frame ? frameDialog_ : cylinderDialog_;
}

// ---- building --------------------------------------------------------------------------------

QAction* MainWindow::Item(const char* name) const
{
    return items_.at(name);
}

// The menus and their items as the command table lists them: a new drop-down menu begins
// where the rows' menu changes; the menu bar's own items stand between the menus.
void MainWindow::BuildMenus()
{
    QMenuBar* bar = menuBar();
    // Compact items so that the whole menu fits the window's 632-pixel width on one line.
    bar->setStyleSheet("QMenuBar { font-family: \"Liberation Sans\", Arial; font-size: 12px; spacing: 0px; }"
                       "QMenuBar::item { padding: 1px 4px; }");
    Session& s = session_;
    QList<QMenu*> menus;
    std::optional<CommandMenu> current;
    for (const Command& command : Commands()) {
        if (command.menu != current) {
            current = command.menu;
            if (command.menu != CommandMenu::MenuBar) menus.append(bar->addMenu(MenuTitle(command.menu)));
        }
        QMenu* menu = command.menu == CommandMenu::MenuBar ? nullptr : menus.back();
        if (menu && command.separatorBefore) menu->addSeparator();
        QAction* a = menu ? menu->addAction(CaptionOf(command, s)) : bar->addAction(CaptionOf(command, s));
        a->setObjectName(command.name);
        if (command.run) connect(a, &QAction::triggered, &s, [&s, run = command.run] { run(s); });
        items_[command.name] = a;
    }
    connect(Item("exit"), &QAction::triggered, this, &QWidget::close);

    // Once the menu has gone and its item has done its work (which may show the bar again).
    for (QMenu* menu : menus)
        connect(menu, &QMenu::aboutToHide, this, [this] { QTimer::singleShot(0, this, &MainWindow::GiveGearTheKeys); });

    errorAction_ = bar->addAction(QIcon(WarningPicture()), QString());
    errorAction_->setObjectName("mechanismError");
    // The bar keeps the height it has with the warning shown, so that the window below it does
    // not jump each time the warning comes and goes.
    const int withWarning = bar->sizeHint().height();
    errorAction_->setVisible(false);
    bar->setFixedHeight(std::max(withWarning, bar->sizeHint().height()));
}

// The client area is the picture itself: the scene is copied to its top-left corner and the
// controls of the strip sit on top of it. It starts at 632 x 380 and may be enlarged to see more
// of the 1280 x 1024 scene (the large font spreads the readouts beyond the start size).
void MainWindow::BuildClient()
{
    picture_ = new PictureView(scene_, this);
    picture_->setObjectName("picture");
    picture_->setMinimumSize(ClientWidth, ClientHeight);
    picture_->setAutoFillBackground(true);
    QPalette pal = picture_->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    picture_->setPalette(pal);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setUnderline(true);
    picture_->setFont(font);
    setCentralWidget(picture_);
    connect(picture_, &PictureView::pressed, this, [this](Qt::MouseButton button, int x, int y) {
        using B = OverlayControl::PressButton;
        session_.Overlay().PicturePressed(button == Qt::LeftButton ? B::Left : button == Qt::RightButton ? B::Right : B::Other,
                                x, y);
    });

    BuildToolBar();
    BuildPanels();
    BuildStrip();
    BuildViewControls();
    // The tool bar and the strip's controls have a background of their own, as a desktop tool
    // bar has: the mechanism never shows through them, and the picture under them is not repainted.
    for (QWidget* control : picture_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setAutoFillBackground(true);
    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
}

QPushButton* MainWindow::MakeButton(const char* name, const QString& caption, const QString& hint, QRect place)
{
    auto* b = new QPushButton(caption, picture_);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QScrollBar* MainWindow::MakeBar(const char* name)
{
    const StripBar& row = StripBarNamed(name);
    QScrollBar* bar = MakeHorizontalBar(picture_);
    bar->setObjectName(name);
    bar->setGeometry(row.place);
    bar->setToolTip(row.hint);
    bar->setRange(row.range.minimum, row.range.maximum);
    bar->setSingleStep(row.range.small);
    bar->setPageStep(row.range.large);
    bar->setValue(0);
    return bar;
}

void MainWindow::BuildToolBar()
{
    toolBar_ = new QToolBar(picture_);
    toolBar_->setObjectName("toolBar");
    toolBar_->setGeometry(0, 0, ClientWidth, 22);
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setMovable(false);
    toolBar_->setFont(QApplication::font());
    // Each button does what its menu item does; a separator stands before each new group.
    for (const Command* command : ToolBarCommands()) {
        if (command->toolGroupStart) toolBar_->addSeparator();
        const QString hint = QString::fromLatin1(command->hint);
        QAction* button = toolBar_->addAction(DrawToolIcon(command->picture), hint);
        button->setObjectName(QString("tool%1").arg(command->tool));
        button->setToolTip(hint);
        connect(button, &QAction::triggered, Item(command->name), &QAction::trigger);
        toolButtons_[command->name] = button;
    }
}

void MainWindow::BuildPanels()
{
    // Thin sunken separators framing the strip; 5, 6 and 11 frame the reference-point
    // controls, 7, 8 and 9 the dynamic-variable bars.
    const QRect places[13] = {
        {},
        {0, 22, 632, 2},   {334, 23, 2, 46}, {0, 68, 543, 2},   {543, 23, 2, 46},
        {0, 120, 250, 2},  {248, 69, 2, 52}, {250, 120, 292, 2}, {542, 69, 2, 52},
        {250, 23, 2, 46},  {457, 23, 2, 46}, {2, 69, 2, 52},     {75, 23, 2, 46},
    };
    for (size_t i = 1; i <= 12; ++i) {
        auto* frame = new QFrame(picture_);
        frame->setObjectName(QString("panel%1").arg(i));
        frame->setFrameShape(places[i].width() > places[i].height() ? QFrame::HLine : QFrame::VLine);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setGeometry(places[i]);
        panels_[i] = frame;
    }
}

void MainWindow::BuildStrip()
{
    // The reverse-arm bar takes the range the session gives it with the first refresh.
    reverseArmBar_ = MakeBar("reverseArmBar");
    reverseArmBar_->setFocusPolicy(Qt::StrongFocus);  // a click or Tab gives it the arrow keys too
    driverAngleBar_ = MakeBar("driverAngleBar");
    stepAngleBar_ = MakeBar("stepAngleBar");

    runButton_ = MakeButton("run", "Stop", "Start / Stop Driver Rotation", {277, 39, 36, 14});
    centreButton_ = MakeButton("centre", "Cen", "Set Reverse Arm to Mid Gear", {280, 25, 27, 14});
    reverseButton_ = MakeButton("reverse", "Rev", "Set Reverse Arm to Normal Reverse", {252, 25, 28, 14});
    forwardButton_ = MakeButton("forward", "Fwd", "Set Reverse Arm to Normal Forward", {307, 25, 28, 14});
    halfTurnButton_ = MakeButton("halfTurn", "180", "Set Driver Angle to 180 Deg", {252, 39, 25, 14});
    zeroButton_ = MakeButton("zero", "0.0", "Set Driver to 0 Deg", {313, 39, 22, 14});
    step1Button_ = MakeButton("step1", "1.0", "Set Driver Step Angle to 1 Deg", {252, 53, 25, 14});
    step10Button_ = MakeButton("step10", "10.0", "Set Driver Step Angle to 10 Deg", {277, 53, 29, 14});
    step45Button_ = MakeButton("step45", "45.0", "Set Driver Step Angle to 45 Deg", {306, 53, 29, 14});

    for (int i = 0; i < 4; ++i) {
        const QByteArray name = QString("dynVarBar%1").arg(i + 1).toLatin1();
        dynVarBars_[static_cast<size_t>(i)] = MakeBar(name.constData());
    }
    undoButton_ = MakeButton("undo", "UnDo", "", {280, 127, 36, 14});
    dataTableButton_ = MakeButton("dataTable", "DataTable", "", {2, 214, 60, 15});

    Session& s = session_;
    connect(runButton_, &QPushButton::clicked, &s, [&s] { s.Run().ToggleRun(); });
    connect(centreButton_, &QPushButton::clicked, &s, [&s] { s.Gear().CentreReverseArm(); });
    connect(reverseButton_, &QPushButton::clicked, &s, [&s] { s.Gear().NormalReverse(); });
    connect(forwardButton_, &QPushButton::clicked, &s, [&s] { s.Gear().NormalForward(); });
    connect(halfTurnButton_, &QPushButton::clicked, &s, [&s] { s.Run().StopAtHalfTurn(); });
    connect(zeroButton_, &QPushButton::clicked, &s, [&s] { s.Run().StopAtZero(); });
    connect(step1Button_, &QPushButton::clicked, &s, [&s] { s.Run().ChooseStep(1); });
    connect(step10Button_, &QPushButton::clicked, &s, [&s] { s.Run().ChooseStep(10); });
    connect(step45Button_, &QPushButton::clicked, &s, [&s] { s.Run().ChooseStep(45); });
    connect(reverseArmBar_, &QScrollBar::valueChanged, &s, [&s](int v) { s.Gear().MoveReverseArmBar(v); });
    connect(driverAngleBar_, &QScrollBar::valueChanged, &s, [&s](int v) { s.Run().MoveDriverBar(v); });
    connect(stepAngleBar_, &QScrollBar::valueChanged, &s, [&s](int v) { s.Run().MoveStepBar(v); });

    DynVarBars::Wiring wiring;
    wiring.bars = dynVarBars_;
    wiring.undoButton = undoButton_;
    wiring.focusTarget = reverseArmBar_;
    dynVars_ = new DynVarBars(session_, std::move(wiring), this);
}

void MainWindow::BuildViewControls()
{
    panVerticalBar_ = MakeBar("panVerticalBar");
    panHorizontalBar_ = MakeBar("panHorizontalBar");
    zoomBar_ = MakeBar("zoomBar");
    normButton_ = MakeButton("norm", "Norm", "Return Pan & Zoom to Normal", {33, 39, 42, 14});
    for (int n = 1; n <= 5; ++n) {
        const QByteArray name = QString("preset%1").arg(n).toLatin1();
        presetButtons_[static_cast<size_t>(n)] = MakeButton(name.constData(), QString::number(n),
                                                            QString("Pan & Zoom to Preset %1").arg(n),
                                                            {5 + 14 * (n - 1), 25, 14, 14});
    }
    presetButtons_[6] = MakeButton("preset6", "6", "Pan & Zoom to Preset 6", {5, 39, 14, 14});
    presetButtons_[0] = MakeButton("preset0", "P", "Select First to Change Presets", {19, 39, 14, 14});
    refPoint1Button_ = MakeButton("refPoint1", "RP1", "Pan to Ref Point 1", {5, 53, 35, 14});
    refPoint2Button_ = MakeButton("refPoint2", "RP2", "Pan to Ref Point 2", {40, 53, 35, 14});
    refBars_[0] = MakeBar("ref1VerticalBar");
    refBars_[1] = MakeBar("ref1HorizontalBar");
    refBars_[2] = MakeBar("ref2VerticalBar");
    refBars_[3] = MakeBar("ref2HorizontalBar");
    refZeroButtons_[0] = MakeButton("refZero1", "0", "Zero Reference Point 1", {5, 72, 14, 23});
    refZeroButtons_[1] = MakeButton("refZero2", "0", "Zero Reference Point 2", {5, 95, 14, 23});

    Session& s = session_;
    const std::pair<QScrollBar*, ViewBar> bars[] = {
        {panVerticalBar_, ViewBar::PanVertical}, {panHorizontalBar_, ViewBar::PanHorizontal},
        {zoomBar_, ViewBar::Zoom},               {refBars_[0], ViewBar::Ref1Vertical},
        {refBars_[1], ViewBar::Ref1Horizontal},  {refBars_[2], ViewBar::Ref2Vertical},
        {refBars_[3], ViewBar::Ref2Horizontal}};
    for (const auto& [bar, which] : bars)
        SelfCentringBar::Connect(bar, [&s, which = which](int position) { s.View().MoveViewBar(which, position); });
    connect(normButton_, &QPushButton::clicked, &s, [&s] { s.View().NormView(); });
    connect(presetButtons_[0], &QPushButton::clicked, &s, [&s] { s.View().ArmPreset(); });
    for (int n = 1; n < PresetCount; ++n)
        connect(presetButtons_[static_cast<size_t>(n)], &QPushButton::clicked, &s, [&s, n] { s.View().RecallPreset(n); });
    connect(refPoint1Button_, &QPushButton::clicked, &s, [&s] { s.View().CentreOnReferencePoint(1); });
    connect(refPoint2Button_, &QPushButton::clicked, &s, [&s] { s.View().CentreOnReferencePoint(2); });
    connect(refZeroButtons_[0], &QPushButton::clicked, &s, [&s] { s.View().ZeroReferencePoint(1); });
    connect(refZeroButtons_[1], &QPushButton::clicked, &s, [&s] { s.View().ZeroReferencePoint(2); });
}

// The windows the main window opens, created hidden in their start-up order.
void MainWindow::BuildDialogs()
{
    driverAngleDialog_ = new DriverAngleDialog(session_, this);
    referencePointsDialog_ = new ReferencePointsDialog(session_, this);
    reverseArmDialog_ = new ReverseArmDialog(session_, this);
    stepAngleDialog_ = new StepAngleDialog(session_, this);
    frameDialog_ = new FrameDimensionsDialog(session_, this);
    graphicZoomDialog_ = new GraphicZoomDialog(session_, this);
    BuildOverlayWindows();
    cylinderDialog_ = new CylinderDimensionsDialog(session_, this);
    BuildHelpWindows();
    BuildAnalysisWindows();
    BuildFileCommands();

    const std::pair<const char*, QDialog*> opens[] = {
        {"setReverseArm", reverseArmDialog_}, {"setDriverAngle", driverAngleDialog_},
        {"setStepAngle", stepAngleDialog_},   {"setReferencePoints", referencePointsDialog_},
        {"frameDimensions", frameDialog_},    {"cylinderDimensions", cylinderDialog_},
        {"graphicZoom", graphicZoomDialog_}};
    for (const auto& [item, dialog] : opens)
        connect(Item(item), &QAction::triggered, this, [this, dialog = dialog] { OpenModal(dialog); });

    // The diagram windows stop the animation while they are open.
    const std::pair<const char*, DiagramKind> diagrams[] = {{"sineDiagram", DiagramKind::Sine},
                                                            {"ovalDiagram", DiagramKind::Oval},
                                                            {"steamDiagram", DiagramKind::Steam},
                                                            {"portsDiagram", DiagramKind::Ports}};
    // One "Set Reverse Arm Positions" dialog, shown by the sine, oval and steam windows.
    QDialog* positions = new DiagramPositionsDialog(session_, this);
    for (const auto& [item, kind] : diagrams) {
        QDialog* window = new DiagramWindow(session_, kind, kind == DiagramKind::Ports ? nullptr : positions, this);
        connect(Item(item), &QAction::triggered, this, [this, window] { OpenModal(window); });
    }
}

void MainWindow::ConnectSession()
{
    connect(&session_, &Session::changed, this, &MainWindow::Refresh);
    connect(&session_, &Session::errorIconChanged, errorAction_, &QAction::setVisible);
    connect(&session_, &Session::pointerDialogClosing, this, [this](bool frame) {
        QDialog* d = PointerDialog(frame);
        if (d->isVisible()) d->done(QDialog::Rejected);
    });
    // Reopened once the tick that ended the pointer has returned, so no tick runs nested inside
    // a half-finished one.
    connect(&session_, &Session::pointerDialogReopening, this, [this](bool frame) {
        QDialog* d = PointerDialog(frame);
        QTimer::singleShot(0, this, [this, d] { OpenModal(d); });
    });
    connect(&session_, &Session::busyCursorChanged, this, [this](bool busy) {
        if (busy)
            setCursor(Qt::WaitCursor);
        else
            unsetCursor();
    });
    connect(&session_, &Session::animationPausedChanged, this, [this](bool paused) {
        if (paused)
            tickTimer_->stop();
        else
            tickTimer_->start();
    });
}

}  // namespace zeph
