// What a new user tripped over in the main window: each case here once went wrong.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <set>

#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "platform/Canvas.h"
#include "render/ReadoutPainter.h"
#include "ui/dimensions/FrameDimensionsDialog.h"
#include "ui/dimensions/GraphicZoomDialog.h"
#include "ui/main/DriverAngleDialog.h"
#include "ui/main/ReferencePointsDialog.h"
#include "ui/main/ReverseArmDialog.h"
#include "ui/main/StepAngleDialog.h"

using namespace zeph;

namespace {

class MainWindowFaultsTest : public test::MainWindowTestBase {
protected:
    // Stroke chosen as dynamic variable 1, its bar shown.
    QScrollBar* StrokeBar()
    {
        session->LeaveDimensionBox(2, 3.0f);
        session->ToggleDynVarDisplay();
        return Bar("dynVarBar1");
    }

    static void Wheel(QWidget* w, int notches)
    {
        QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }

    static QString Digits(int n) { return QString(n, u'9'); }
};

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++counts[watched];
        return false;
    }
    std::map<QObject*, int> counts;
};

}  // namespace

// Every way a dynamic-variable bar can move ends in one undo level from the value it started at.
TEST_F(MainWindowFaultsTest, EveryWayADynamicVariableBarMovesIsOneUndoLevel)
{
    QScrollBar* bar = StrokeBar();

    Wheel(bar, 1);
    ASSERT_EQ(m.UndoDepth, 1);
    EXPECT_EQ(m.UndoStack[1].oldValue, 3.0f);
    EXPECT_NE(m.UndoStack[1].newValue, 3.0f);
    EXPECT_TRUE(Button("undo")->isEnabled());

    // The bar's own menu ("Right edge", "Page left", ...) moves it with no button held.
    const float beforeMenu = m.Frame.Stroke;
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(m.UndoDepth, 2);
    EXPECT_EQ(m.UndoStack[1].oldValue, beforeMenu);
    EXPECT_NEAR(m.Frame.Stroke, beforeMenu + 0.2f, 1e-6);

    // Home and End, and an arrow key held down over several repeats: one level each.
    bar->setFocus();
    QTest::keyPress(bar, Qt::Key_Home);
    QTest::keyRelease(bar, Qt::Key_Home);
    EXPECT_EQ(m.UndoDepth, 3);
    const float beforeKeys = m.Frame.Stroke;
    bar->setFocus();
    QTest::keyPress(bar, Qt::Key_Right);
    for (int i = 0; i < 3; ++i) QTest::keyPress(bar, Qt::Key_Right, Qt::NoModifier, -1);  // auto-repeats
    QTest::keyRelease(bar, Qt::Key_Right);
    EXPECT_EQ(m.UndoDepth, 4);
    EXPECT_EQ(m.UndoStack[1].oldValue, beforeKeys);

    for (int i = 0; i < 4; ++i) QTest::mouseClick(Button("undo"), Qt::LeftButton);
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_EQ(m.UndoDepth, 0);
}

// A number of any length beyond a box's limit goes to the limit, not back to the old value.
TEST_F(MainWindowFaultsTest, HugeNumbersClampWhereTheBoxClamps)
{
    for (int digits : {11, 45, 400}) {
        ReverseArmDialog gear(*session, nullptr);
        gear.show();
        Box(gear)->setText(Digits(digits));
        QTest::mouseClick(Press(gear, "ok"), Qt::LeftButton);
        EXPECT_FLOAT_EQ(m.RevArmPosition, m.RevArmCentre + m.Frame.RevArmMax) << digits;

        DriverAngleDialog angle(*session, nullptr);
        angle.show();
        Box(angle)->setText(Digits(digits));
        QTest::mouseClick(Press(angle, "ok"), Qt::LeftButton);
        EXPECT_EQ(m.DriverAngle, 360.0f) << digits;

        StepAngleDialog step(*session, nullptr);
        step.show();
        Box(step)->setText(Digits(digits));
        QTest::mouseClick(Press(step, "ok"), Qt::LeftButton);
        EXPECT_EQ(m.ChosenStepAngle, 45.0f) << digits;

        GraphicZoomDialog zoom(*session, nullptr);
        zoom.show();
        Box(zoom)->setText(Digits(digits));
        QTest::mouseClick(Press(zoom, "ok"), Qt::LeftButton);
        EXPECT_EQ(m.GraphicPosZoom, 2000.0f) << digits;
    }
    // A box without a limit keeps its value for a number no real holds.
    ReferencePointsDialog points(*session, nullptr);
    points.show();
    Box(points, "v1")->setText(Digits(45));
    QTest::mouseClick(Press(points, "ok"), Qt::LeftButton);
    EXPECT_EQ(m.Pivots[RefPoint1].y, 0.0f);
}

TEST_F(MainWindowFaultsTest, SwitchingTheScreenDataOffTakesTheWarningAway)
{
    QAction* warning = W<QAction>("mechanismError");
    m.Frame.MainRodLen = 0.5f;  // cannot reach the crosshead with the crank down
    m.DriverAngle = 90;
    window->Tick();
    ASSERT_TRUE(warning->isVisible());
    W<QAction>("screenData")->trigger();
    EXPECT_FALSE(warning->isVisible());
    window->Tick();
    EXPECT_FALSE(warning->isVisible());
}

// Each item of the SetUp menu answers to its own access key; the pan-zoom item keeps its caption.
TEST_F(MainWindowFaultsTest, PanZoomKeepsOneCaptionAndItsOwnAccessKey)
{
    W<QAction>("screenData")->trigger();
    W<QAction>("screenData")->trigger();
    EXPECT_EQ(W<QAction>("panZoom")->text(), "SetP&anZoom On");
    std::multiset<QChar> keys;
    for (QAction* a : window->menuBar()->actions()[1]->menu()->actions()) {
        const qsizetype amp = a->text().indexOf(u'&');
        if (amp >= 0 && a->objectName() != "fastTimer") keys.insert(a->text()[amp + 1].toLower());
    }
    for (QChar k : keys) EXPECT_EQ(keys.count(k), 1u) << QString(k).toStdString();
}

TEST_F(MainWindowFaultsTest, TheStripLooksTheSameAfterTheDynamicVariablesComeAndGo)
{
    QWidget* separator = W<QWidget>("panel9");
    ASSERT_TRUE(separator->isVisible());
    W<QAction>("dynamicVariables")->trigger();
    W<QAction>("dynamicVariables")->trigger();
    EXPECT_TRUE(separator->isVisible());
    W<QAction>("dynamicVariables")->trigger();
    W<QAction>("resetAllDimensions")->trigger();
    EXPECT_TRUE(separator->isVisible());
}

TEST_F(MainWindowFaultsTest, PastedJunkObeysTheTypingRuleInEveryBox)
{
    QApplication::clipboard()->setText("abc1.2.3xyz");
    ReverseArmDialog gear(*session, nullptr);
    gear.show();
    Box(gear)->clear();
    Box(gear)->setFocus();
    QTest::keyClick(Box(gear), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Box(gear)->text(), "1.23");

    FrameDimensionsDialog frame(*session, nullptr);
    frame.show();
    QLineEdit* stroke = Box(frame, "box2");
    stroke->selectAll();
    stroke->setFocus();
    QTest::keyClick(stroke, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(stroke->text(), "1.23");
    EXPECT_TRUE(m.DimEditTyped);  // a paste counts as typing: leaving the box records an undo level
}

// Every label of every dialog shows its whole text, inside the window and clear of its neighbours.
TEST_F(MainWindowFaultsTest, EveryDialogLabelFitsItsPlace)
{
    for (bool large : {false, true}) {
        if (large) session->ToggleLargeFont();
        ReverseArmDialog gear(*session, nullptr);
        DriverAngleDialog angle(*session, nullptr);
        StepAngleDialog step(*session, nullptr);
        ReferencePointsDialog points(*session, nullptr);
        GraphicZoomDialog zoom(*session, nullptr);
        for (QDialog* d : std::initializer_list<QDialog*>{&gear, &angle, &step, &points, &zoom}) {
            d->show();
            const QList<QWidget*> others = d->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QLabel* label : d->findChildren<QLabel*>()) {
                const QString where = d->windowTitle() + ": " + label->text();
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << where.toStdString();
                EXPECT_TRUE(d->rect().contains(label->geometry())) << where.toStdString();
                for (QWidget* w : others) {
                    if (w == label || !w->isVisible()) continue;
                    EXPECT_FALSE(w->geometry().intersects(label->geometry()))
                        << where.toStdString() << " / " << w->objectName().toStdString();
                }
            }
        }
    }
}

// The menu bar keeps its height when the warning comes and goes, so nothing below it moves.
TEST_F(MainWindowFaultsTest, TheWindowStaysStillWhenTheWarningShows)
{
    QWidget* picture = W<QWidget>("picture");
    const QPoint before = picture->mapTo(window.get(), QPoint(0, 0));
    m.Frame.MainRodLen = 0.5f;
    m.DriverAngle = 90;
    window->Tick();
    ASSERT_TRUE(W<QAction>("mechanismError")->isVisible());
    QApplication::processEvents();
    EXPECT_EQ(picture->mapTo(window.get(), QPoint(0, 0)), before);
}

TEST_F(MainWindowFaultsTest, ArrowKeysMoveTheReverseArmTheWayTheyPoint)
{
    QScrollBar* gear = Bar("reverseArmBar");
    gear->setFocus();
    QTest::keyClick(gear, Qt::Key_Left);
    EXPECT_EQ(gear->value(), -1);
    EXPECT_LT(m.RevArmPosition, m.RevArmCentre);
    QTest::keyClick(gear, Qt::Key_Right);
    QTest::keyClick(gear, Qt::Key_Right);
    EXPECT_EQ(gear->value(), 1);
}

// With the large font the window widens to show the readouts, and narrows again after.
TEST_F(MainWindowFaultsTest, TheWindowGrowsToShowTheLargeFontsReadouts)
{
    QWidget* picture = W<QWidget>("picture");
    W<QAction>("largeFont")->trigger();
    QApplication::processEvents();
    window->Tick();
    RecordingCanvas canvas;
    DrawReadouts(canvas, m);
    int right = 0;
    for (const CanvasCall* text : canvas.Calls(CanvasOp::TextOut))
        right = std::max(right, text->x() + canvas.TextWidth(text->text));
    EXPECT_GE(picture->width(), right);
    W<QAction>("largeFont")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(picture->width(), MainWindow::ClientWidth);
}

// About 62 ticks a second by default; the fast timer is a choice, named by its next action.
TEST_F(MainWindowFaultsTest, TheAnimationRunsAtAWatchablePaceUnlessTheFastTimerIsChosen)
{
    QTimer* timer = W<QTimer>("tickTimer");
    QAction* fast = W<QAction>("fastTimer");
    EXPECT_EQ(timer->interval(), MainWindow::NormalTickMs);
    EXPECT_EQ(fast->text(), "SetFast&Timer On");
    fast->trigger();
    EXPECT_EQ(timer->interval(), MainWindow::FastTickMs);
    EXPECT_EQ(fast->text(), "SetFast&Timer Off");
    fast->trigger();
    EXPECT_EQ(timer->interval(), MainWindow::NormalTickMs);
}

// The tool bar and the controls of the strip hide the mechanism under them, as a desktop tool
// bar does: what they show is the same whether the picture under them is empty or full of links.
TEST_F(MainWindowFaultsTest, TheToolBarAndTheStripHideThePictureUnderThem)
{
    QWidget* picture = W<QWidget>("picture");
    session->StopAtZero();
    auto sceneAndScreen = [&](float panX, float panY) {
        m.ViewScale = 60;
        m.ViewPanX = panX;
        m.ViewPanY = panY;
        window->Tick();
        return std::pair(window->SceneImage().copy(), picture->grab().toImage());
    };
    const auto [emptyScene, emptyScreen] = sceneAndScreen(-100000, 270);
    const auto [fullScene, fullScreen] = sceneAndScreen(40, 110);
    QStringList overLinks;
    for (QWidget* control : picture->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect place = control->geometry();
        if (!control->isVisible() || emptyScene.copy(place) == fullScene.copy(place)) continue;
        overLinks << control->objectName();
        EXPECT_TRUE(emptyScreen.copy(place) == fullScreen.copy(place)) << control->objectName().toStdString();
    }
    EXPECT_TRUE(overLinks.contains("toolBar"));
    EXPECT_GE(overLinks.size(), 8) << overLinks.join(' ').toStdString();
}

// A tick repaints the picture between the controls and not the controls themselves; on the
// screen the picture is the new scene wherever the controls leave it open.
TEST_F(MainWindowFaultsTest, ATickRepaintsThePictureButNotTheControlsOnIt)
{
    QWidget* picture = W<QWidget>("picture");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    PaintCounter paints;
    const QList<QWidget*> controls = picture->findChildren<QWidget*>();
    for (QWidget* w : controls) w->installEventFilter(&paints);
    picture->installEventFilter(&paints);
    for (int tick = 0; tick < 2; ++tick) {  // the first may still draw the window as it was shown
        paints.counts.clear();
        window->Tick();
        ASSERT_TRUE(QTest::qWaitFor([&] { return paints.counts[picture] > 0; }));
    }
    for (QWidget* w : controls) EXPECT_EQ(paints.counts[w], 0) << w->objectName().toStdString();

    const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
    const QPoint origin = picture->mapTo(window.get(), QPoint(0, 0));
    QRegion open(picture->rect());
    for (QWidget* w : picture->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w->isVisible()) open -= w->geometry();
    int stale = 0;
    for (const QRect& r : open)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                stale += screen.pixel(origin + QPoint(x, y)) != window->SceneImage().pixel(x, y);
    EXPECT_EQ(stale, 0);
}
