// The diagram windows on their shared frame: opening and closing, pictures, the bars and undo, the port graphs.
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "UiTestSupport.h"
#include "ui/diagrams/DiagramPositionsDialog.h"
#include "ui/diagrams/DiagramWindow.h"

using namespace zeph;

namespace {

// Pixels of a colour (24-bit RGB as the painters use) in a picture.
int CountColour(const QImage& image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

// Something other than white in a window's picture: the diagram has been drawn.
bool Drawn(const DiagramWindow& w)
{
    return CountColour(w.Picture(), qRgb(255, 255, 255)) < w.Picture().width() * w.Picture().height();
}

class DiagramWindowTest : public test::MainWindowTestBase {
protected:
    DiagramWindow* Diagram(const char* name) { return W<DiagramWindow>(name); }
    // The one positions dialog, for the windows that use it.
    DiagramPositionsDialog* Positions(const DiagramWindow& w)
    {
        if (w.Kind() == DiagramKind::Ports) return nullptr;
        return window->findChild<DiagramPositionsDialog*>("positionsDialog");
    }
    // The positions dialog once it stands over the window, made the active window so that
    // leaving its boxes reaches them.
    DiagramPositionsDialog* ActivePositions(const DiagramWindow& w)
    {
        DiagramPositionsDialog* d = Positions(w);
        EXPECT_TRUE(QTest::qWaitFor([d] { return d->isVisible(); }));
        QApplication::setActiveWindow(d);
        EXPECT_TRUE(QTest::qWaitForWindowActive(d));
        return d;
    }
    static QAction* Item(const DiagramWindow& w, const char* name) { return test::Child<QAction>(w, name); }
    QTimer* TickTimer() { return W<QTimer>("tickTimer"); }

    // Shows a window as its menu item does, without the nested event loop: the positions
    // dialog comes up over it (when the diagram has one) and is closed with its "Close".
    void Open(DiagramWindow* w)
    {
        w->show();
        if (DiagramPositionsDialog* d = Positions(*w)) {
            ASSERT_TRUE(QTest::qWaitFor([d] { return d->isVisible(); }));
            QTest::mouseClick(Press(*d, "close"), Qt::LeftButton);
        } else {
            ASSERT_TRUE(QTest::qWaitFor([w] { return Drawn(*w); }));
        }
    }
    static void MoveMouseOver(DiagramWindow* w)
    {
        QWidget* view = test::Child<QWidget>(*w, "picture");
        QMouseEvent move(QEvent::MouseMove, QPointF(300, 300), view->mapToGlobal(QPointF(300, 300)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &move);
    }

    // The companion's picture of a diagram, drawn from a fresh start-up design.
    QImage ReportPicture(const QStringList& args)
    {
        const QString file = dir.filePath(QString("report%1.png").arg(++reports));
        QProcess report;
        report.start(ZEPH_REPORT_PROGRAM, QStringList{"diagram"} + args + QStringList{"--png", file});
        EXPECT_TRUE(report.waitForFinished(60000));
        EXPECT_EQ(report.exitCode(), 0) << report.readAllStandardError().toStdString();
        const QImage picture(file);
        EXPECT_FALSE(picture.isNull()) << file.toStdString();
        return picture.convertToFormat(QImage::Format_RGB32);
    }
    static bool SamePixels(const QImage& a, const QImage& b)
    {
        return !a.isNull() && a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    int reports = 0;
};

}  // namespace

// Each diagram opens from its menu item and tool button as a modal window that stops the
// animation, with the positions dialog over it except for the port events, and the animation
// goes on when it closes.
TEST_F(DiagramWindowTest, MainWindowOpensEachDiagramModallyAndPausesTheAnimation)
{
    const std::pair<const char*, const char*> opens[] = {{"tool13", "sineDiagramWindow"},
                                                         {"tool14", "ovalDiagramWindow"},
                                                         {"tool15", "steamDiagramWindow"},
                                                         {"tool16", "portsDiagramWindow"},
                                                         {"sineDiagram", "sineDiagramWindow"},
                                                         {"portsDiagram", "portsDiagramWindow"}};
    for (const auto& [trigger, name] : opens) {
        SCOPED_TRACE(trigger);
        DiagramWindow* w = Diagram(name);
        TickTimer()->start();
        bool sawDialog = false, pausedWhileOpen = false, drawn = false;
        QTimer::singleShot(0, window.get(), [&, w] {
            EXPECT_TRUE(QTest::qWaitFor([w] { return w->isVisible(); }));
            pausedWhileOpen = !TickTimer()->isActive() && session->controls().animationPaused;
            if (DiagramPositionsDialog* d = Positions(*w)) {
                sawDialog = QTest::qWaitFor([d] { return d->isVisible(); });
                QTest::mouseClick(Press(*d, "close"), Qt::LeftButton);
            }
            drawn = QTest::qWaitFor([w] { return Drawn(*w); });
            w->close();
        });
        W<QAction>(trigger)->trigger();  // returns when the window has closed
        EXPECT_TRUE(pausedWhileOpen);
        EXPECT_EQ(sawDialog, w->Kind() != DiagramKind::Ports);
        EXPECT_TRUE(drawn);
        EXPECT_TRUE(TickTimer()->isActive());
        EXPECT_FALSE(session->controls().animationPaused);
    }
    TickTimer()->stop();
}

// The size a window has when the window system first gets it: a window resized after that is
// placed by its client area and not by its frame, so that its title bar lands above the screen.
class SizeWhenCreated : public QObject {
public:
    explicit SizeWhenCreated(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::WinIdChange && !size.isValid()) size = static_cast<QWidget*>(watched)->size();
        return false;
    }
    QSize size;
};

TEST_F(DiagramWindowTest, WindowsOpenAtTheirClientSizeWithTheirTitles)
{
    const std::tuple<const char*, QSize, QString> windows[] = {
        {"sineDiagramWindow", QSize(632, 414), "ZEPHARIN Inside Admission      Sine Diagram    Nominal     "},
        {"ovalDiagramWindow", QSize(632, 426), "ZEPHARIN Inside Admission      Oval Diagram    Nominal     "},
        {"steamDiagramWindow", QSize(632, 414), "ZEPHARIN Inside Admission      Steam Diagram    Nominal     "},
        {"portsDiagramWindow", QSize(632, 414), "ZEPHARIN Inside Admission      Port Open/Closed    Nominal     "}};
    for (const auto& [name, client, title] : windows) {
        SCOPED_TRACE(name);
        DiagramWindow* w = Diagram(name);
        const SizeWhenCreated created(w);
        Open(w);
        EXPECT_EQ(created.size, w->size());
        // The whole window, title bar included, stands on the screen near its top-left corner.
        EXPECT_EQ(w->frameGeometry().topLeft(), QPoint(0, 10));
        EXPECT_EQ(w->Picture().size(), client);
        EXPECT_EQ(test::Child<QWidget>(*w, "picture")->size(), client);
        EXPECT_FALSE(w->isMaximized());
        EXPECT_FALSE(w->isMinimized());
        EXPECT_TRUE(w->windowTitle().startsWith(title)) << w->windowTitle().toStdString();
        EXPECT_TRUE(w->windowTitle().endsWith("Version 2.6"));
        EXPECT_EQ(w->focusWidget(), Press(*w, "close"));
        w->close();
    }
}

// Whatever a diagram sweeps, the main window finds its driver angle and gear as it left them.
TEST_F(DiagramWindowTest, DrawingRestoresDriverAngleAndGear)
{
    session->Gear().NormalForward();
    session->Run().SetDriverAngle(123.4);
    const float angle = m.DriverAngle, gear = m.RevArmPosition;
    for (const char* name : {"sineDiagramWindow", "ovalDiagramWindow", "steamDiagramWindow", "portsDiagramWindow"}) {
        SCOPED_TRACE(name);
        DiagramWindow* w = Diagram(name);
        Open(w);
        Item(*w, "redraw")->trigger();
        EXPECT_EQ(m.DriverAngle, angle);
        EXPECT_EQ(m.RevArmPosition, gear);
        if (w->Kind() != DiagramKind::Ports) {
            EXPECT_EQ(m.LastDiagramRevArmPos, m.DiagramRevArmPos[3]);
        }
        w->close();
        EXPECT_EQ(m.DriverAngle, angle);
        EXPECT_EQ(m.RevArmPosition, gear);
    }
}

// What the window shows right after opening is exactly the companion's picture of the same list.
TEST_F(DiagramWindowTest, PicturesEqualTheCompanionsPictures)
{
    const std::pair<const char*, const char*> kinds[] = {
        {"sineDiagramWindow", "sine"}, {"ovalDiagramWindow", "oval"},
        {"steamDiagramWindow", "steam"}, {"portsDiagramWindow", "ports"}};
    for (const auto& [name, kind] : kinds) {
        SCOPED_TRACE(kind);
        DiagramWindow* w = Diagram(name);
        Open(w);
        EXPECT_TRUE(SamePixels(w->Picture(), ReportPicture({kind})));
        const QString saved = dir.filePath(QString(kind) + "-saved.png");
        ASSERT_TRUE(w->SavePicture(saved));
        EXPECT_TRUE(SamePixels(QImage(saved), w->Picture()));
        w->close();
    }
    EXPECT_FALSE(Diagram("sineDiagramWindow")->SavePicture(dir.filePath("no/such/folder/x.png")));
}

TEST_F(DiagramWindowTest, AListTypedIntoTheDialogDrawsAsTheCompanionDrawsIt)
{
    DiagramWindow* w = Diagram("sineDiagramWindow");
    w->show();
    DiagramPositionsDialog* d = ActivePositions(*w);
    Type(Box(*d, "position1"), "99");
    Type(Box(*d, "position2"), "-99");
    Type(Box(*d, "position3"), "0");
    Type(Box(*d, "scale"), "0.8");
    QTest::mouseClick(Press(*d, "close"), Qt::LeftButton);
    EXPECT_EQ(m.DiagramRevArmCount, 2);
    const QImage report = ReportPicture({"sine", "--gear", "fwdmax", "--gear", "revmax", "--vscale", "0.8"});
    EXPECT_TRUE(SamePixels(w->Picture(), report));
    w->close();
}

// The positions dialog from the menu does not redraw; the first mouse move over the picture
// afterwards does, once.
TEST_F(DiagramWindowTest, MouseMoveAfterThePositionsDialogRedraws)
{
    DiagramWindow* w = Diagram("ovalDiagramWindow");
    Open(w);
    MoveMouseOver(w);
    EXPECT_FALSE(session->Diagrams().RedrawPending());
    const QImage threePositions = w->Picture();

    Item(*w, "setPositions")->trigger();
    DiagramPositionsDialog* d = ActivePositions(*w);
    Type(Box(*d, "position4"), "4.3");
    QTest::mouseClick(Press(*d, "close"), Qt::LeftButton);
    EXPECT_EQ(m.DiagramRevArmCount, 4);
    EXPECT_TRUE(session->Diagrams().RedrawPending());
    EXPECT_EQ(w->Picture(), threePositions);

    MoveMouseOver(w);
    EXPECT_FALSE(session->Diagrams().RedrawPending());
    EXPECT_NE(w->Picture(), threePositions);
    w->close();

    // The port events window has no positions dialog and leaves the flag to the others.
    DiagramWindow* ports = Diagram("portsDiagramWindow");
    EXPECT_EQ(Positions(*ports), nullptr);
    EXPECT_EQ(ports->findChild<QAction*>("setPositions"), nullptr);
    Open(ports);
    session->Diagrams().DiagramPositionsClosed();
    MoveMouseOver(ports);
    EXPECT_TRUE(session->Diagrams().RedrawPending());
    ports->close();
}

// A diagram's bars drive the same slots and the one undo store as the main window's: a move
// redraws at once and leaves one undo level; the diagram's "UnDo" takes it back everywhere.
TEST_F(DiagramWindowTest, BarsAndUndoOfADiagramWorkOnTheOneStore)
{
    session->Dimensions().LeaveDimensionBox(5, m.Frame.EccCrankLen);  // the eccentric crank becomes slot 1
    const float before = m.Frame.EccCrankLen;
    DiagramWindow* w = Diagram("sineDiagramWindow");
    Open(w);
    QScrollBar* bar = Bar("dynVarBar1");
    QScrollBar* diagramBar = test::Child<QScrollBar>(*w, "dynVarBar1");
    QPushButton* undo = Press(*w, "undo");
    EXPECT_FALSE(diagramBar->isVisible());

    Item(*w, "dynamicVariables")->trigger();  // shared with the main window
    EXPECT_TRUE(m.DynVarOn);
    EXPECT_TRUE(diagramBar->isVisible());
    EXPECT_TRUE(diagramBar->isEnabled());
    EXPECT_FALSE(test::Child<QScrollBar>(*w, "dynVarBar2")->isEnabled());
    EXPECT_TRUE(bar->isVisibleTo(window.get()));
    Item(*w, "undoDisplay")->trigger();
    EXPECT_TRUE(m.UndoOn);
    EXPECT_TRUE(undo->isVisible());
    EXPECT_FALSE(undo->isEnabled());
    const QImage unchanged = w->Picture();

    diagramBar->setValue(150);  // a move that is not held ends at once
    EXPECT_EQ(diagramBar->value(), 0);
    EXPECT_EQ(m.Frame.EccCrankLen, float(Real(before) + Real(0.15f)));
    EXPECT_NE(w->Picture(), unchanged);
    EXPECT_EQ(m.Undo.Depth(), 1);
    EXPECT_EQ(test::NewestChange(m).code, 5);
    EXPECT_EQ(test::NewestChange(m).oldValue, before);
    EXPECT_EQ(test::NewestChange(m).newValue, m.Frame.EccCrankLen);
    EXPECT_TRUE(session->controls().undoEnabled);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(Button("undo")->isEnabled());

    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(m.Frame.EccCrankLen, before);
    EXPECT_EQ(m.Undo.Depth(), 0);
    EXPECT_FALSE(session->controls().undoEnabled);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(Button("undo")->isEnabled());
    EXPECT_EQ(w->Picture(), unchanged);
    w->close();
}

// Pressing a bar's thumb and letting it go where it was changes nothing and so leaves no undo
// level, in the main window and in each diagram window alike; a real step still leaves one.
TEST_F(DiagramWindowTest, AThumbLetGoWhereItWasLeavesNoUndoLevelInAnyWindow)
{
    session->Dimensions().LeaveDimensionBox(5, m.Frame.EccCrankLen);
    session->Display().Toggle(DisplayOption::DynVars);
    auto clickThumb = [this](QScrollBar* bar) {
        ASSERT_TRUE(bar->isVisible());
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->rect().center());
        EXPECT_EQ(m.Undo.Depth(), 0);
        EXPECT_EQ(test::NewestChange(m).code, 0);
        EXPECT_FALSE(session->controls().undoEnabled);
    };
    clickThumb(Bar("dynVarBar1"));
    EXPECT_FALSE(Button("undo")->isEnabled());
    for (const char* name : {"sineDiagramWindow", "ovalDiagramWindow", "steamDiagramWindow", "portsDiagramWindow"}) {
        SCOPED_TRACE(name);
        DiagramWindow* w = Diagram(name);
        Open(w);
        clickThumb(test::Child<QScrollBar>(*w, "dynVarBar1"));
        EXPECT_FALSE(Press(*w, "undo")->isEnabled());
        w->close();
    }
    QScrollBar* bar = Bar("dynVarBar1");
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() - 3, bar->height() / 2));
    EXPECT_EQ(m.Undo.Depth(), 1);
    EXPECT_NE(test::NewestChange(m).newValue, test::NewestChange(m).oldValue);
}

// With the undo line shown and the dynamic variables hidden, "UnDo" in any diagram leaves the
// line of the level now on top: drawing the diagram again changes nothing.
TEST_F(DiagramWindowTest, AfterUndoEachDiagramShowsTheLevelNowOnTop)
{
    session->Dimensions().LeaveDimensionBox(2, m.Frame.Stroke);
    session->Display().Toggle(DisplayOption::UndoLine);
    for (const char* name : {"sineDiagramWindow", "ovalDiagramWindow", "steamDiagramWindow", "portsDiagramWindow"}) {
        SCOPED_TRACE(name);
        for (int change = 0; change < 2; ++change) {
            session->Dimensions().EnterDynVarBar(1);
            session->Dimensions().MoveDynVarBar(1, 1);
            session->Dimensions().EndDynVarScroll(1);
        }
        DiagramWindow* w = Diagram(name);
        Open(w);
        QTest::mouseClick(Press(*w, "undo"), Qt::LeftButton);
        ASSERT_EQ(m.Undo.Depth(), 1);
        const QImage afterUndo = w->Picture();
        Item(*w, "redraw")->trigger();
        EXPECT_TRUE(w->Picture() == afterUndo);
        QTest::mouseClick(Press(*w, "undo"), Qt::LeftButton);
        w->close();
    }
}

// Forward, reverse and both graphs each look as the companion draws them; a redraw in the both
// mode keeps both, and the window always opens again on the forward graph.
TEST_F(DiagramWindowTest, PortGraphsAndTheBothMode)
{
    DiagramWindow* w = Diagram("portsDiagramWindow");
    Open(w);
    const QImage forward = ReportPicture({"ports", "--graph", "forward"});
    const QImage both = ReportPicture({"ports", "--graph", "both"});
    EXPECT_TRUE(SamePixels(w->Picture(), forward));

    Item(*w, "bothGraphs")->trigger();
    EXPECT_EQ(w->GraphMode(), PortsMode::Both);
    EXPECT_TRUE(SamePixels(w->Picture(), both));
    const QRgb teal = qRgb(0, 128, 128), red = qRgb(255, 0, 0), green = qRgb(0, 128, 0), maroon = qRgb(128, 0, 0);
    for (QRgb c : {teal, red, green, maroon}) EXPECT_GT(CountColour(w->Picture(), c), 100) << std::hex << c;
    Item(*w, "redraw")->trigger();
    EXPECT_TRUE(SamePixels(w->Picture(), both));
    Item(*w, "undoDisplay")->trigger();
    Item(*w, "undoDisplay")->trigger();
    EXPECT_TRUE(SamePixels(w->Picture(), both));

    Item(*w, "reverseGraph")->trigger();
    EXPECT_TRUE(SamePixels(w->Picture(), ReportPicture({"ports", "--graph", "reverse"})));
    EXPECT_EQ(CountColour(w->Picture(), teal), 0);

    w->close();
    Open(w);
    EXPECT_EQ(w->GraphMode(), PortsMode::Forward);
    EXPECT_TRUE(SamePixels(w->Picture(), forward));
    w->close();
}

// The undo line follows the store: switched off it goes with an erase, and a diagram drawn
// over itself stays the same picture.
TEST_F(DiagramWindowTest, UndoDisplayTogglesTheLineAndDrawingOverIsStable)
{
    DiagramWindow* w = Diagram("steamDiagramWindow");
    Open(w);
    const QImage plain = w->Picture();
    w->Draw();
    EXPECT_EQ(w->Picture(), plain);

    session->Dimensions().LeaveDimensionBox(5, m.Frame.EccCrankLen);
    Item(*w, "dynamicVariables")->trigger();
    const QImage withVariables = w->Picture();
    EXPECT_NE(withVariables, plain);
    Item(*w, "undoDisplay")->trigger();
    EXPECT_NE(w->Picture(), withVariables);
    Item(*w, "undoDisplay")->trigger();
    EXPECT_EQ(w->Picture(), withVariables);
    Item(*w, "dynamicVariables")->trigger();
    EXPECT_EQ(w->Picture(), plain);
    w->close();
}

// The large font spreads the position list past the normal width; the window grows to keep it.
TEST_F(DiagramWindowTest, LargeFontWidensThePictureToHoldThePositionList)
{
    auto inkBeyond = [](const QImage& image, int x0) {
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = x0; x < image.width(); ++x) ink += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        return ink;
    };
    session->Display().Toggle(DisplayOption::LargeFont);
    DiagramWindow* w = Diagram("sineDiagramWindow");
    Open(w);
    EXPECT_EQ(w->Picture().size(), QSize(803, 414));
    EXPECT_EQ(test::Child<QWidget>(*w, "picture")->size(), QSize(803, 414));
    EXPECT_GT(inkBeyond(w->Picture(), 632), 100);  // "Reverse Arm Positions" and the rows
    EXPECT_EQ(inkBeyond(w->Picture(), 800), 0);
    EXPECT_EQ(Press(*w, "close")->x(), 518);
    w->close();

    session->Display().Toggle(DisplayOption::LargeFont);
    Open(w);
    EXPECT_EQ(w->Picture().size(), QSize(632, 414));
    EXPECT_EQ(Press(*w, "close")->x(), 408);
    w->close();
}
