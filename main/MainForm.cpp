// The main window: creation, layout of the control strip, menus and tool bar.
#include "main/MainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMenuBar>
#include <QLayout>
#include <QScreen>
#include <map>
#include <set>

#include "dimensions/CylinIN.h"
#include "dimensions/ZpIFrame.h"
#include "main/DynVarBars.h"
#include "main/Picture.h"
#include "main/SceneRenderer.h"
#include "main/ToolIcons.h"
#include "model/ViewTransform.h"

namespace zeph {

namespace {

constexpr uint32_t HalfVolume = 0x80008000u;

}  // namespace

TMainForm::TMainForm(MechanismModel& model, SoundSink& sound, QWidget* parent)
    : QMainWindow(parent), m(model), sound_(sound)
{
    m.StartUp();
    sound_.SetWaveVolume(HalfVolume);
    renderer_ = new SceneRenderer(m, sound_);
    scene_ = QImage(1280, 1024, QImage::Format_RGB32);
    scene_.fill(Qt::white);

    BuildMenus();
    BuildClient();
    setWindowTitle(WindowCaption(m, MainWindowTitle));
    ConnectReadouts();

    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    Timer1->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        const QSize size = sizeHint();
        move(avail.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    SBRevArm->setFocus();
}

TMainForm::~TMainForm()
{
    delete renderer_;
}

// The client area is the picture itself: the scene is copied to its top-left corner and the
// controls of the strip sit on top of it. It starts at 632 x 380 and may be enlarged to see
// more of the 1280 x 1024 scene (the large font spreads the readouts beyond the start size).
void TMainForm::BuildClient()
{
    Picture = new TPicture(scene_, this);
    Client = Picture;
    Client->setMinimumSize(632, 380);
    Client->setAutoFillBackground(true);
    QPalette pal = Client->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    Client->setPalette(pal);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setUnderline(true);
    Client->setFont(font);
    setCentralWidget(Client);
    connect(Picture, &TPicture::MouseDown, this, &TMainForm::FormMouseDown);

    BuildToolBar();
    BuildPanels();
    BuildStrip();
    BuildViewControls();
    resize(632, 380 + menuBar()->sizeHint().height());
}

QPushButton* TMainForm::MakeButton(const QString& caption, const QString& hint, QRect place)
{
    auto* b = new QPushButton(caption, Client);
    b->setGeometry(place);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

QScrollBar* TMainForm::MakeBar(const QString& hint, QRect place, int min, int max, int small, int large)
{
    auto* bar = new QScrollBar(Qt::Horizontal, Client);
    bar->setGeometry(place);
    bar->setToolTip(hint);
    bar->setRange(min, max);
    bar->setSingleStep(small);
    bar->setPageStep(large);
    bar->setValue(0);
    return bar;
}

void TMainForm::BuildStrip()
{
    SBRevArm = MakeBar("Set Reverse Arm Between Max & Min", {336, 26, 121, 12}, m.RevArmBarMin, m.RevArmBarMax, 1, 20);
    SBDrvAng = MakeBar("Set Driver Angle From 0 to 360 Deg", {336, 40, 121, 12}, -4000, 40000, 1000, 4500);
    SBDrvAng->setValue(1);
    SBDrvAng->setEnabled(false);
    SBStepAng = MakeBar("Set Driver Step Angle to Predefined Values", {336, 54, 121, 12}, 0, 14613, 920, 2760);
    SBStepAng->setValue(12000);

    Run = MakeButton("Stop", "Start / Stop Driver Rotation", {277, 39, 36, 14});
    Center = MakeButton("Cen", "Set Reverse Arm to Mid Gear", {280, 25, 27, 14});
    Center->setEnabled(false);
    Rev = MakeButton("Rev", "Set Reverse Arm to Normal Reverse", {252, 25, 28, 14});
    Fwd = MakeButton("Fwd", "Set Reverse Arm to Normal Forward", {307, 25, 28, 14});
    Deg180 = MakeButton("180", "Set Driver Angle to 180 Deg", {252, 39, 25, 14});
    Deg00 = MakeButton("0.0", "Set Driver to 0 Deg", {313, 39, 22, 14});
    Step1 = MakeButton("1.0", "Set Driver Step Angle to 1 Deg", {252, 53, 25, 14});
    Step10 = MakeButton("10.0", "Set Driver Step Angle to 10 Deg", {277, 53, 29, 14});
    Step10->setEnabled(false);
    Step45 = MakeButton("45.0", "Set Driver Step Angle to 45 Deg", {306, 53, 29, 14});

    const QStringList dynHints = {"Change Last Variable Clicked", "Change Next to Last Variable Clicked",
                                  "Change 2nd to Last Variable Clicked", "Change 3rd to Last Variable Clicked"};
    for (int i = 0; i < 4; ++i) {
        SBDynVar[i] = MakeBar(dynHints[i], {253, 72 + 12 * i, 121, 10}, -200, 200, 1, 10);
        SBDynVar[i]->hide();
    }
    UnDoDn = MakeButton("UnDo", "", {280, 127, 36, 14});
    UnDoDn->setEnabled(false);
    UnDoDn->hide();
    UndoButtons.append(UnDoDn);
    DataTableBut = MakeButton("DataTable", "", {2, 214, 60, 15});
    DataTableBut->hide();

    connect(Run, &QPushButton::clicked, this, &TMainForm::RunClick);
    connect(Center, &QPushButton::clicked, this, &TMainForm::CenterClick);
    connect(Rev, &QPushButton::clicked, this, &TMainForm::RevClick);
    connect(Fwd, &QPushButton::clicked, this, &TMainForm::FwdClick);
    connect(Deg180, &QPushButton::clicked, this, &TMainForm::Deg180Click);
    connect(Deg00, &QPushButton::clicked, this, &TMainForm::Deg00Click);
    connect(Step1, &QPushButton::clicked, this, &TMainForm::Step1Click);
    connect(Step10, &QPushButton::clicked, this, &TMainForm::Step10Click);
    connect(Step45, &QPushButton::clicked, this, &TMainForm::Step45Click);
    connect(SBRevArm, &QScrollBar::valueChanged, this, &TMainForm::SBRevArmChange);
    connect(SBDrvAng, &QScrollBar::valueChanged, this, &TMainForm::SBDrvAngChange);
    connect(SBStepAng, &QScrollBar::valueChanged, this, &TMainForm::SBStepAngChange);
}

void TMainForm::BuildViewControls()
{
    SBPanVert = MakeBar("Pan Vertical", {76, 26, 121, 12}, -500, 500, 1, 10);
    SBPanHorz = MakeBar("Pan Horizontal", {76, 40, 121, 12}, -500, 500, 1, 10);
    SBZoom = MakeBar("Zoom In / Out", {76, 54, 121, 12}, -200, 200, 1, 10);
    NormVHZ = MakeButton("Norm", "Return Pan & Zoom to Normal", {33, 39, 42, 14});
    NormVHZ->setEnabled(false);
    for (int n = 1; n <= 5; ++n)
        Preset[n] = MakeButton(QString::number(n), QString("Pan & Zoom to Preset %1").arg(n), {5 + 14 * (n - 1), 25, 14, 14});
    Preset[6] = MakeButton("6", "Pan & Zoom to Preset 6", {5, 39, 14, 14});
    Preset[0] = MakeButton("P", "Select First to Change Presets", {19, 39, 14, 14});
    RefPt1 = MakeButton("RP1", "Pan to Ref Point 1", {5, 53, 35, 14});
    RefPt2 = MakeButton("RP2", "Pan to Ref Point 2", {40, 53, 35, 14});
    RefPt1->setEnabled(false);
    RefPt2->setEnabled(false);
    SBRef1Vert = MakeBar("Change Ref Point 1 Vert", {20, 72, 121, 10}, -5000, 5000, 1, 25);
    SBRef1Horz = MakeBar("Change Ref Point 1 Horz", {20, 84, 121, 10}, -10000, 10000, 1, 25);
    SBRef2Vert = MakeBar("Change Ref Point 2 Vert", {20, 96, 121, 10}, -5000, 5000, 1, 25);
    SBRef2Horz = MakeBar("Change Ref Point 2 Horz", {20, 108, 121, 10}, -10000, 10000, 1, 25);
    RefPt1Zero = MakeButton("0", "Zero Reference Point 1", {5, 72, 14, 23});
    RefPt2Zero = MakeButton("0", "Zero Reference Point 2", {5, 95, 14, 23});
    for (QWidget* w : RefPointWidgets()) w->hide();
    RefPt1Zero->setEnabled(false);
    RefPt2Zero->setEnabled(false);

    panVert_ = new SelfCentringBar(SBPanVert, m, panVertHistory_, 10, [this](Real d) {
        m.ViewPanY = static_cast<float>(m.ViewPanY - d);
        NormVHZ->setEnabled(true);
    });
    panHorz_ = new SelfCentringBar(SBPanHorz, m, panHorzHistory_, 10, [this](Real d) {
        m.ViewPanX = static_cast<float>(m.ViewPanX + d);
        NormVHZ->setEnabled(true);
    });
    new SelfCentringBar(SBZoom, m, zoomHistory_, 10, [this](Real d) {
        ApplyZoomStep(m, d);
        NormVHZ->setEnabled(true);
    });
    auto refBar = [this](QScrollBar* bar, BarHistory& history, int pivot, bool isX, QPushButton* zero) {
        new SelfCentringBar(bar, m, history, 1000, [this, pivot, isX, zero](Real d) {
            float& v = isX ? m.Pivots[pivot].x : m.Pivots[pivot].y;
            v = static_cast<float>(v + d);
            zero->setEnabled(true);
        });
    };
    refBar(SBRef1Vert, ref1VertHistory_, RefPoint1, false, RefPt1Zero);
    refBar(SBRef1Horz, ref1HorzHistory_, RefPoint1, true, RefPt1Zero);
    refBar(SBRef2Vert, ref2VertHistory_, RefPoint2, false, RefPt2Zero);
    refBar(SBRef2Horz, ref2HorzHistory_, RefPoint2, true, RefPt2Zero);

    connect(NormVHZ, &QPushButton::clicked, this, &TMainForm::NormVHZClick);
    connect(Preset[0], &QPushButton::clicked, this, &TMainForm::Preset0Click);
    for (int n = 1; n < PresetCount; ++n)
        connect(Preset[n], &QPushButton::clicked, this, [this, n] { PresetClick(n); });
    connect(RefPt1, &QPushButton::clicked, this, &TMainForm::RefPt1Click);
    connect(RefPt2, &QPushButton::clicked, this, &TMainForm::RefPt2Click);
    connect(RefPt1Zero, &QPushButton::clicked, this, &TMainForm::RefPt1ZeroClick);
    connect(RefPt2Zero, &QPushButton::clicked, this, &TMainForm::RefPt2ZeroClick);
}

void TMainForm::BuildPanels()
{
    // Thin sunken separators framing the strip; 5, 6 and 11 frame the reference-point
    // controls, 7, 8 and 9 the dynamic-variable bars.
    const QRect places[13] = {
        {},
        {0, 22, 632, 2},   {334, 23, 2, 46}, {0, 68, 543, 2},   {543, 23, 2, 46},
        {0, 120, 250, 2},  {248, 69, 2, 52}, {250, 120, 292, 2}, {542, 69, 2, 52},
        {250, 23, 2, 46},  {457, 23, 2, 46}, {2, 69, 2, 52},     {75, 23, 2, 46},
    };
    for (int i = 1; i <= 12; ++i) {
        auto* frame = new QFrame(Client);
        frame->setFrameShape(places[i].width() > places[i].height() ? QFrame::HLine : QFrame::VLine);
        frame->setFrameShadow(QFrame::Sunken);
        frame->setGeometry(places[i]);
        Panel[i] = frame;
    }
    for (int i : {5, 6, 7, 8, 11}) Panel[i]->hide();
}

QAction* TMainForm::MenuItem(QMenu* menu, const QString& caption, void (TMainForm::*handler)())
{
    QAction* a = menu->addAction(caption);
    if (handler) connect(a, &QAction::triggered, this, handler);
    return a;
}

void TMainForm::BuildMenus()
{
    QMenuBar* bar = menuBar();
    // Compact items so that the whole menu fits the window's 632-pixel width on one line.
    bar->setStyleSheet("QMenuBar { font-family: \"Liberation Sans\", Arial; font-size: 12px; spacing: 0px; }"
                       "QMenuBar::item { padding: 1px 4px; }");
    QMenu* file = bar->addMenu("&File");
    OpenDimensions = MenuItem(file, "&OpenDimensions", nullptr);
    SaveAsDimensions = MenuItem(file, "Save&AsDimensions", nullptr);
    file->addSeparator();
    Exit1 = MenuItem(file, "E&xit", &TMainForm::Exit1Click);

    QMenu* setup = bar->addMenu("&SetUp");
    RevArmPos = setup->addAction("Set&RevArmPos", this, [this] { OpenModal(Windows.RevPos); });
    DriverAng = setup->addAction("Set&DriverAng", this, [this] { OpenModal(Windows.DrivAng); });
    StepAng = setup->addAction("Set&StepAng", this, [this] { OpenModal(Windows.StpAng); });
    RefPoints1 = setup->addAction("SetRef&Points", this, [this] { OpenModal(Windows.RefPnts); });
    setup->addSeparator();
    LargeFont = MenuItem(setup, "SetLarge&Font", &TMainForm::LargeFontClick);
    FindRevArmCent = MenuItem(setup, "&CalcCentRevArm", &TMainForm::FindRevArmCentClick);
    SetSteam = MenuItem(setup, "SetS&teamDisp On", &TMainForm::SetSteamClick);
    SetErrorBeep = MenuItem(setup, "Set&ErrorBeep Off", &TMainForm::SetErrorBeepClick);
    SetLineWidth = MenuItem(setup, "Set&LineWidth 2", &TMainForm::SetLineWidthClick);
    SetScreenData = MenuItem(setup, "SetScree&nData Off", &TMainForm::SetScreenDataClick);
    SetPanZoom = MenuItem(setup, "SetP&anZoom On", &TMainForm::SetPanZoomClick);
    SetPanZoom->setEnabled(false);

    QMenu* edit = bar->addMenu("&EditDimen");
    FrameDimensions = edit->addAction("&FrameDimensions", this, [this] { OpenModal(Windows.FrameDi); });
    CylinderDimensions = edit->addAction("&CylinderDimensions", this, [this] { OpenModal(Windows.CylDimen); });
    edit->addSeparator();
    GraphicZoom = edit->addAction("Set&GraphicZoom", this, [this] { OpenModal(Windows.GraphZoom); });
    edit->addSeparator();
    ResetAllDimensions = MenuItem(edit, "&ResetAllDimensions", &TMainForm::ResetAllDimensionsClick);

    RefPoints = bar->addAction("&ReferPoints");
    connect(RefPoints, &QAction::triggered, this, &TMainForm::RefPointsClick);
    DrawLines1 = bar->addAction("&DrawLinesCircles");
    DrawLines1->setEnabled(false);
    SetPivotData = bar->addAction("Pi&votData");
    DynamicVariables = bar->addAction("D&ynamicVari");
    connect(DynamicVariables, &QAction::triggered, this, &TMainForm::DynamicVariablesClick);
    SetUnDo = bar->addAction("&UnDo");
    connect(SetUnDo, &QAction::triggered, this, &TMainForm::SetUnDoClick);

    QMenu* graphs = bar->addMenu("Draw&Graphs");
    SineDiagram = graphs->addAction("&SineDiagram");
    OvalDiagram = graphs->addAction("&OvalDiagram");
    SteamDiagram = graphs->addAction("S&teamDiagram");
    PortOpenClose = graphs->addAction("&PortOpenClose");

    QMenu* help = bar->addMenu("&Help");
    Instructions = help->addAction("&Instructions");
    InstructionsSpecial = help->addAction("Instructions&Special");
    help->addSeparator();
    About = help->addAction("&About");

    Error = bar->addAction(QIcon(WarningPicture()), QString());
    Error->setVisible(false);
}

void TMainForm::BuildToolBar()
{
    ToolBar1 = new QToolBar(Client);
    ToolBar1->setGeometry(0, 0, 632, 22);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setMovable(false);
    ToolBar1->setFont(QApplication::font());
    // Each button does what its menu item does; a separator stands before each new group.
    const std::map<int, QAction*> menuItemOf = {
        {1, OpenDimensions}, {2, SaveAsDimensions}, {4, FrameDimensions}, {5, CylinderDimensions},
        {6, DriverAng},      {7, StepAng},          {8, RevArmPos},       {9, FindRevArmCent},
        {10, SetSteam},      {11, RefPoints},       {23, DrawLines1},     {24, SetPivotData},
        {12, DynamicVariables}, {3, SetUnDo},       {13, SineDiagram},    {14, OvalDiagram},
        {15, SteamDiagram},  {16, PortOpenClose}};
    const std::set<int> groupStarts = {4, 6, 10, 13};
    for (int number : ToolButtons()) {
        if (groupStarts.count(number)) ToolBar1->addSeparator();
        QAction* button = ToolBar1->addAction(ToolIcon(number), ToolHint(number));
        button->setToolTip(ToolHint(number));
        connect(button, &QAction::triggered, menuItemOf.at(number), &QAction::trigger);
        ToolButton[number] = button;
    }
    ToolButton[23]->setEnabled(false);
}

UndoButtonsSink TMainForm::UndoSink()
{
    return [this](bool enabled) {
        for (QPushButton* b : UndoButtons) b->setEnabled(enabled);
    };
}

void TMainForm::ConnectReadouts()
{
    ReadoutHooks hooks;
    hooks.setMainCaption = [this](const QString& caption) {
        if (windowTitle() != caption) setWindowTitle(caption);
    };
    hooks.showErrorIcon = [this](bool visible) { Error->setVisible(visible); };
    hooks.placeUndoButton = [this](bool visible, int top) {
        if (visible && UnDoDn->y() != top) UnDoDn->move(UnDoDn->x(), top);
        if (UnDoDn->isVisible() != visible) UnDoDn->setVisible(visible);
    };
    hooks.enableDynVarBar = [this](int slot, bool enabled) {
        if (SBDynVar[slot - 1]->isEnabled() != enabled) SBDynVar[slot - 1]->setEnabled(enabled);
    };
    renderer_->Texts().SetHooks(std::move(hooks));

    DynVarBars::Wiring wiring;
    wiring.bars = SBDynVar;
    wiring.undoButton = UnDoDn;
    wiring.mainUndoButton = UnDoDn;
    wiring.focusTarget = SBRevArm;
    wiring.undoButtons = UndoSink();
    wiring.isMainWindow = true;
    DynVars = new DynVarBars(m, std::move(wiring), this);
}

void TMainForm::ConnectPointerDialogs()
{
    PointerHooks hooks;
    hooks.closeDialog = [this](bool frame) {
        QDialog* d = frame ? static_cast<QDialog*>(Windows.FrameDi) : Windows.CylDimen;
        if (d && d->isVisible()) d->done(QDialog::Rejected);
    };
    // Reopened once the tick that ended the pointer has returned, so no tick runs nested
    // inside a half-finished one.
    hooks.reopenDialog = [this](bool frame) {
        QDialog* d = frame ? static_cast<QDialog*>(Windows.FrameDi) : Windows.CylDimen;
        if (d) QTimer::singleShot(0, this, [this, d] { OpenModal(d); });
    };
    hooks.setBusyCursor = [this](bool busy) {
        if (busy)
            setCursor(Qt::WaitCursor);
        else
            unsetCursor();
    };
    renderer_->Pointer().SetHooks(std::move(hooks));
}

void TMainForm::FormMouseDown(Qt::MouseButton, int, int)
{
    renderer_->Pointer().MouseDown();
}

void TMainForm::OpenModal(QDialog* dialog)
{
    if (dialog) dialog->exec();
}

bool TMainForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QMainWindow::event(e);
}

void TMainForm::closeEvent(QCloseEvent* e)
{
    sound_.SetWaveVolume(HalfVolume);
    QMainWindow::closeEvent(e);
}

void TMainForm::Exit1Click()
{
    close();
}

void TMainForm::FormActivate()
{
    SBDrvAng->setEnabled(false);
}

}  // namespace zeph
