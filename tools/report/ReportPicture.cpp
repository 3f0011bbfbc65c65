// Headless drawing of a diagram picture into a PNG file.
#include "tools/report/ReportPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include "model/diagrams/DiagramPositions.h"
#include "model/diagrams/DiagramData.h"
#include "platform/PngFile.h"
#include "render/diagrams/DiagramPainter.h"
#include "render/analysis/ToleranceHistogramPainter.h"
#include "tools/report/ReportDiagrams.h"

namespace zeph::report {

namespace {

QtMessageHandler previousHandler = nullptr;

// A headless run has no session directory; Qt's note about it is of no use on a report's stderr.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        qt_message_output(type, context, message);
}

DiagramKind KindFor(DiagramChoice d)
{
    switch (d) {
    case DiagramChoice::Sine: return DiagramKind::Sine;
    case DiagramChoice::Oval: return DiagramKind::Oval;
    case DiagramChoice::Steam: return DiagramKind::Steam;
    case DiagramChoice::Ports: return DiagramKind::Ports;
    }
    return DiagramKind::Sine;
}

PortsMode ModeOf(GraphChoice g)
{
    switch (g) {
    case GraphChoice::Forward: return PortsMode::Forward;
    case GraphChoice::Reverse: return PortsMode::Reverse;
    case GraphChoice::Both: return PortsMode::Both;
    }
    return PortsMode::Forward;
}

}  // namespace

void EnsureGuiApplication()
{
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(QuietHandler);
    static int argc = 1;
    static char name[] = "zepharin-report";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

PictureResult WriteDiagramPicture(MechanismModel& m, const Request& r)
{
    EnsureGuiApplication();
    if (r.gears.empty()) {
        TidyDiagramPositions(m);  // the start-up list, counted as the positions dialog counts it
    } else {
        std::vector<Gear> gears;
        for (const GearRequest& g : r.gears) gears.push_back(ResolveGear(m, g));
        UseAsDiagramList(m, gears);
    }
    if (r.vscale) m.DiagramVScale = static_cast<float>(*r.vscale);
    m.MechanismError = false;
    const DiagramData data = ComputeDiagram(m, KindFor(r.diagram), ModeOf(r.graph.value_or(GraphChoice::Forward)));
    QString undoLine;
    const QImage image = PaintDiagramImage(m, data, undoLine);
    PictureResult result;
    result.mechanismError = m.MechanismError;
    if (const std::optional<ReplaceFailure> failure = WritePng(image, QString::fromStdString(r.png.value_or(""))))
        result.writeError = failure->reason.toStdString();
    return result;
}

std::string WriteTolerancePicture(const ToleranceResult& result, const std::string& path)
{
    EnsureGuiApplication();
    const QImage image = PaintToleranceHistogramImage(result);
    if (const std::optional<ReplaceFailure> failure = WritePng(image, QString::fromStdString(path)))
        return failure->reason.toStdString();
    return {};
}

}  // namespace zeph::report
