// What a new user tripped over in the main window: each case here once went wrong.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWheelEvent>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <set>

#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "platform/Canvas.h"
#include "render/scene/PivotDataPainter.h"
#include "render/scene/ReadoutPainter.h"
#include "ui/diagrams/DiagramPositionsDialog.h"
#include "ui/dimensions/FrameDimensionsDialog.h"
#include "ui/dimensions/GraphicZoomDialog.h"
#include "ui/main/CommandTable.h"
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
        session->Dimensions().LeaveDimensionBox(2, 3.0f);
        session->Display().Toggle(DisplayOption::DynVars);
        return Bar("dynVarBar1");
    }

    // Turns the wheel by `eighths` of a degree (120 a notch), upwards when positive, in one event.
    static void Wheel(QWidget* w, int eighths)
    {
        QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, eighths), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }
    static void Notches(QWidget* w, int up)
    {
        for (int i = 0; i < std::abs(up); ++i) Wheel(w, up > 0 ? 120 : -120);
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

    Notches(bar, -1);
    ASSERT_EQ(m.Undo.Depth(), 1);
    EXPECT_EQ(test::NewestChange(m).oldValue, 3.0f);
    EXPECT_NE(test::NewestChange(m).newValue, 3.0f);
    EXPECT_TRUE(Button("undo")->isEnabled());

    // The bar's own menu ("Right edge", "Page left", ...) moves it with no button held.
    const float beforeMenu = m.Frame.Stroke;
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(m.Undo.Depth(), 2);
    EXPECT_EQ(test::NewestChange(m).oldValue, beforeMenu);
    EXPECT_NEAR(m.Frame.Stroke, beforeMenu + 0.2f, 1e-6);

    // Home and End, and an arrow key held down over several repeats: one level each.
    bar->setFocus();
    QTest::keyPress(bar, Qt::Key_Home);
    QTest::keyRelease(bar, Qt::Key_Home);
    EXPECT_EQ(m.Undo.Depth(), 3);
    const float beforeKeys = m.Frame.Stroke;
    bar->setFocus();
    QTest::keyPress(bar, Qt::Key_Right);
    for (int i = 0; i < 3; ++i) QTest::keyPress(bar, Qt::Key_Right, Qt::NoModifier, -1);  // auto-repeats
    QTest::keyRelease(bar, Qt::Key_Right);
    EXPECT_EQ(m.Undo.Depth(), 4);
    EXPECT_EQ(test::NewestChange(m).oldValue, beforeKeys);

    for (int i = 0; i < 4; ++i) QTest::mouseClick(Button("undo"), Qt::LeftButton);
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_EQ(m.Undo.Depth(), 0);
}

// Each wheel notch on a self-centring bar is one arrow click, wheel up towards the positive end:
// a thousandth of a dynamic variable (one undo level each), a tenth of a pixel of pan, a
// thousandth of zoom. A fine-grained wheel steps once its turns add up to a notch.
TEST_F(MainWindowFaultsTest, EachWheelNotchOnASelfCentringBarIsOneArrowClick)
{
    QScrollBar* stroke = StrokeBar();
    Notches(stroke, 6);
    EXPECT_NEAR(m.Frame.Stroke, 3.006, 1e-6);
    EXPECT_EQ(m.Undo.Depth(), 6);
    EXPECT_NEAR(test::NewestChange(m).newValue - test::NewestChange(m).oldValue, 0.001, 1e-6);
    Notches(stroke, -2);
    EXPECT_NEAR(m.Frame.Stroke, 3.004, 1e-6);
    Wheel(stroke, 60);
    EXPECT_NEAR(m.Frame.Stroke, 3.004, 1e-6);
    Wheel(stroke, 60);
    EXPECT_NEAR(m.Frame.Stroke, 3.005, 1e-6);
    EXPECT_EQ(stroke->value(), 0);

    const float x0 = m.ViewPanX, y0 = m.ViewPanY, scale0 = m.ViewScale;
    Notches(Bar("panHorizontalBar"), 10);
    EXPECT_NEAR(m.ViewPanX, x0 + 1, 1e-4);
    Notches(Bar("panVerticalBar"), -10);
    EXPECT_NEAR(m.ViewPanY, y0 + 1, 1e-4);
    Notches(Bar("zoomBar"), 1);
    EXPECT_NEAR(m.ViewScale, scale0 * 1.001, 1e-4);
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
        if (amp >= 0) keys.insert(a->text()[amp + 1].toLower());
    }
    for (QChar k : keys) EXPECT_EQ(keys.count(k), 1u) << QString(k).toStdString();
}

// Alt and a letter reaches one item: in a menu with two items on one access key it only
// cycles between them. Every menu of every window (the diagrams' too), in both captions of
// each option.
TEST_F(MainWindowFaultsTest, NoMenuGivesTwoItemsOneAccessKey)
{
    auto expectOneItemPerKey = [this] {
        QList<QWidget*> menus;
        for (QMenuBar* bar : window->findChildren<QMenuBar*>()) menus.append(bar);
        for (QMenu* menu : window->findChildren<QMenu*>()) menus.append(menu);
        ASSERT_GE(menus.size(), 8);
        for (const QWidget* menu : menus) {
            std::map<QString, QString> itemOfKey;
            for (const QAction* a : menu->actions()) {
                const QString key = QKeySequence::mnemonic(a->text()).toString();
                if (key.isEmpty()) continue;
                const auto [it, fresh] = itemOfKey.emplace(key, a->text());
                const auto* popup = qobject_cast<const QMenu*>(menu);
                EXPECT_TRUE(fresh) << (popup ? popup->title() : menu->window()->objectName()).toStdString() << ": "
                                   << it->second.toStdString() << " and " << a->text().toStdString();
            }
        }
    };
    expectOneItemPerKey();
    // Every option with two captions, in menu order: the pan-zoom item comes after the
    // screen data, which enable it once switched off.
    for (const Command& c : Commands())
        if (c.captionWhileOn) W<QAction>(c.name)->trigger();
    ASSERT_TRUE(session->controls().panZoomShown);
    expectOneItemPerKey();
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
    EXPECT_TRUE(session->Dimensions().DimensionTyped());  // a paste counts as typing: leaving the box records an undo level
}

// Every label of every dialog shows its whole text, inside the window and clear of its neighbours.
TEST_F(MainWindowFaultsTest, EveryDialogLabelFitsItsPlace)
{
    for (bool large : {false, true}) {
        if (large) session->Display().Toggle(DisplayOption::LargeFont);
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

// A figure too long for its field is left blank and brings the warning, as a linkage that
// cannot close does, though the linkage closes.
TEST_F(MainWindowFaultsTest, AFigureThatCannotShowBringsTheWarning)
{
    session->View().ToggleReferencePoints();
    m.Pivots[RefPoint1].x = 1e30f;
    window->Tick();
    window->Tick();
    EXPECT_TRUE(W<QAction>("mechanismError")->isVisible());
}

// Limits that are not numbers (a design of zeros has no mid gear) leave their figures blank.
TEST_F(MainWindowFaultsTest, DialogsShowNoLimitThatIsNotANumber)
{
    m.RevArmCentre = std::numeric_limits<float>::quiet_NaN();
    ReverseArmDialog gear(*session, nullptr);
    DiagramPositionsDialog positions(*session, nullptr);
    for (QDialog* d : std::initializer_list<QDialog*>{&gear, &positions}) {
        d->show();
        for (const QLabel* label : d->findChildren<QLabel*>())
            EXPECT_FALSE(label->text().contains("NAN")) << label->text().toStdString();
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

// The arrow keys keep moving the gear after a menu closes with Escape, after the screen data
// went off and on again through the menu, and after the focus went elsewhere and the bar was
// clicked or the window activated again.
TEST_F(MainWindowFaultsTest, TheArrowKeysComeBackToTheGearAfterAMenu)
{
    QScrollBar* gear = Bar("reverseArmBar");
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto pressLeftMovesTheGear = [gear] {
        const int before = gear->value();
        EXPECT_TRUE(QTest::qWaitFor([gear] { return QApplication::focusWidget() == gear; }));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        EXPECT_EQ(gear->value(), before - 1);
    };
    auto openSetUp = [this] {
        // A desktop gives the keyboard back to the window once a menu has gone; the offscreen
        // platform leaves it with no window until asked.
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QGuiApplication::focusWindow() == window->windowHandle(); }));
        QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }));
        QWidget* menu = QApplication::activePopupWidget();
        // The menu has the keyboard once the window system has made it the focus window.
        EXPECT_TRUE(QTest::qWaitFor([menu] { return QGuiApplication::focusWindow() == menu->windowHandle(); }));
        return menu;
    };

    QTest::keyClick(openSetUp(), Qt::Key_Escape);
    pressLeftMovesTheGear();

    for (bool on : {false, true}) {
        QTest::keyClick(openSetUp(), Qt::Key_N);
        ASSERT_EQ(m.ScreenDataOn, on);
    }
    pressLeftMovesTheGear();

    Button("run")->setFocus();
    QTest::mouseClick(gear, Qt::LeftButton, {}, gear->rect().center());
    pressLeftMovesTheGear();

    Button("run")->setFocus();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(window.get());
    pressLeftMovesTheGear();
}

// With the large font the window widens to show the readouts, and narrows again after.
TEST_F(MainWindowFaultsTest, TheWindowGrowsToShowTheLargeFontsReadouts)
{
    QWidget* picture = W<QWidget>("picture");
    W<QAction>("largeFont")->trigger();
    QApplication::processEvents();
    window->Tick();
    RecordingCanvas canvas;
    DrawReadouts(canvas, m, TextScaleFor(true));
    int right = 0;
    for (const CanvasCall* text : canvas.Calls(CanvasOp::TextOut))
        right = std::max(right, text->x() + canvas.TextWidth(text->text));
    EXPECT_GE(picture->width(), right);
    W<QAction>("largeFont")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(picture->width(), MainWindow::ClientWidth);
}

// In either font no control of the strip covers the pan and zoom bars' labels or the pivot-data
// panel: each text's cell is clear of every control shown.
TEST_F(MainWindowFaultsTest, NoControlCoversTheViewBarLabelsOrThePivotPanel)
{
    session->Overlay().TogglePivotData();
    for (int slot = 1; slot <= PivotDataSlotCount; ++slot) m.PivotData.PivotSlotShown[slot] = true;
    const QList<QWidget*> controls = W<QWidget>("picture")->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const bool large : {false, true}) {
        if (large) W<QAction>("largeFont")->trigger();
        window->Tick();
        RecordingCanvas readouts, panel;
        DrawReadouts(readouts, m, TextScaleFor(large));
        DrawPivotData(panel, m, TextScaleFor(large));
        std::vector<const CanvasCall*> texts = panel.Calls(CanvasOp::TextOut);
        for (const CanvasCall* t : readouts.Calls(CanvasOp::TextOut))
            if (t->text == "Pan Vert" || t->text == "Pan Horz" || t->text == "Zoom") texts.push_back(t);
        ASSERT_GT(texts.size(), 3u);
        for (const CanvasCall* t : texts) {
            const QRect cell(t->x(), t->y(), readouts.TextWidth(t->text), readouts.TextHeight(t->text));
            for (const QWidget* w : controls)
                EXPECT_FALSE(w->isVisible() && w->geometry().intersects(cell))
                    << (large ? "large: " : "normal: ") << t->text.toStdString() << " under "
                    << w->objectName().toStdString();
        }
    }
}

// About 62 ticks a second by default; the fast timer is a choice, named by its next action.
TEST_F(MainWindowFaultsTest, TheAnimationRunsAtAWatchablePaceUnlessTheFastTimerIsChosen)
{
    QTimer* timer = W<QTimer>("tickTimer");
    QAction* fast = W<QAction>("fastTimer");
    EXPECT_EQ(timer->interval(), MainWindow::NormalTickMs);
    EXPECT_EQ(fast->text(), "SetFastTi&mer On");
    fast->trigger();
    EXPECT_EQ(timer->interval(), MainWindow::FastTickMs);
    EXPECT_EQ(fast->text(), "SetFastTi&mer Off");
    fast->trigger();
    EXPECT_EQ(timer->interval(), MainWindow::NormalTickMs);
}

// The tool bar and the controls of the strip hide the mechanism under them, as a desktop tool
// bar does: what they show is the same whether the picture under them is empty or full of links.
TEST_F(MainWindowFaultsTest, TheToolBarAndTheStripHideThePictureUnderThem)
{
    QWidget* picture = W<QWidget>("picture");
    session->Run().StopAtZero();
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
