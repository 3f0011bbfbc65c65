// Headless drawing of a diagram or tolerance picture into PNG, PDF and SVG files.
#include "tools/report/ReportPicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <functional>

#include "model/diagrams/DiagramPositions.h"
#include "model/diagrams/DiagramData.h"
#include "platform/HardCopy.h"
#include "platform/PngFile.h"
#include "render/diagrams/DiagramPainter.h"
#include "render/analysis/ToleranceHistogramPainter.h"
#include "render/copies/PictureCopies.h"
#include "tools/report/Report.h"
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

QString PathOf(const std::string& path) { return QString::fromStdString(path); }

// The image, made only when a PNG is asked for, and the vectors, to each file asked for.
std::vector<PictureFailure> WritePictures(const Request& r, const std::function<QImage()>& image, const HardCopy& vectors)
{
    std::vector<PictureFailure> failures;
    auto note = [&](const std::string& path, const std::optional<ReplaceFailure>& failure) {
        if (failure) failures.push_back({path, failure->reason.toStdString()});
    };
    if (r.png) note(*r.png, WritePng(image(), PathOf(*r.png)));
    if (r.pdf) note(*r.pdf, WriteHardCopy(vectors, PathOf(*r.pdf), HardCopyFormat::Pdf));
    if (r.svg) note(*r.svg, WriteHardCopy(vectors, PathOf(*r.svg), HardCopyFormat::Svg));
    return failures;
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
    PictureResult result;
    result.mechanismError = m.MechanismError;
    const QString title = QStringLiteral("ZEPHARIN Inside Admission: %1 diagram").arg(DiagramName(r.diagram));
    const auto image = [&] {
        QString undoLine;
        return PaintDiagramImage(m, data, undoLine);
    };
    result.failures = WritePictures(r, image, DiagramCopy(m, data, QString(), {}, title));
    return result;
}

std::vector<PictureFailure> WriteTolerancePicture(const ToleranceResult& result, const Request& r)
{
    EnsureGuiApplication();
    const auto image = [&] { return PaintToleranceHistogramImage(result); };
    return WritePictures(r, image, ToleranceHistogramCopy(result, QStringLiteral("ZEPHARIN Inside Admission: tolerance study")));
}

int ReportPictureFailures(const std::vector<PictureFailure>& failures, std::ostream& err)
{
    for (const PictureFailure& f : failures)
        err << "zepharin-report: could not write the picture to " << Quoted(f.path) << ": " << f.reason << '\n';
    return failures.empty() ? 0 : ExitWriteFailed;
}

}  // namespace zeph::report
