// Draws the spread panels of a tolerance study with the diagrams' font and outline primitives.
#include "render/analysis/ToleranceHistogramPainter.h"

#include <algorithm>
#include <cmath>

#include "render/diagrams/DiagramFrame.h"

namespace zeph {

namespace {

constexpr int PanelWidth = 240, PanelHeight = 170, TitleHeight = 24;
constexpr int PlotLeft = 10, PlotTop = 22, PlotWidth = 220, PlotHeight = 110;
constexpr TColor BarColour = 0xB07030;  // a steel blue

struct Panel {
    int figure;
    const char* caption;
};

// Lead front and rear, front cut-off, rear cut-off, at their places in EventFigureValues.
constexpr std::array<Panel, 4> kPanels = {
    {{0, "lead front"}, {1, "lead rear"}, {3, "front cut-off"}, {7, "rear cut-off"}}};

// The range a panel spans: the met samples and the nominal figure, widened when they coincide.
std::pair<double, double> RangeOf(const FigureSpread& s, const std::optional<double>& nominal)
{
    double lo = s.Count() ? s.Min() : nominal.value_or(0);
    double hi = s.Count() ? s.Max() : nominal.value_or(0);
    if (nominal) {
        lo = std::min(lo, *nominal);
        hi = std::max(hi, *nominal);
    }
    if (hi - lo < 1e-6) {
        lo -= 0.01;
        hi += 0.01;
    }
    return {lo, hi};
}

int XOf(double v, double lo, double hi, int left)
{
    return left + PlotLeft + static_cast<int>(std::lround((v - lo) / (hi - lo) * (PlotWidth - 1)));
}

void PaintBars(Canvas& c, const std::vector<long>& counts, int left, int top)
{
    const long most = std::max(1L, *std::max_element(counts.begin(), counts.end()));
    const int bins = int(counts.size());
    for (int b = 0; b < bins; ++b) {
        if (counts[b] == 0) continue;
        const int x1 = left + PlotLeft + b * PlotWidth / bins, x2 = left + PlotLeft + (b + 1) * PlotWidth / bins;
        const int h = std::max(1, static_cast<int>(counts[b] * PlotHeight / most));
        const int bottom = top + PlotTop + PlotHeight;
        c.FillRect(x1 + 1, bottom - h, x2, bottom, BarColour);
    }
}

void PaintPanel(Canvas& c, const GearSpread& g, const Panel& p, int left, int top)
{
    const FigureSpread& s = g.figures[p.figure];
    const std::optional<double>& nominal = g.nominal[p.figure];
    DiagramText(c, left + PlotLeft, top + 4, QString::fromStdString(g.gear) + " " + p.caption);
    c.SetPenColor(clBlack);
    c.Rectangle(left + PlotLeft - 1, top + PlotTop - 1, left + PlotLeft + PlotWidth + 1,
                top + PlotTop + PlotHeight + 1);
    const auto [lo, hi] = RangeOf(s, nominal);
    PaintBars(c, s.Histogram(lo, hi, ToleranceHistogramBins), left, top);
    if (nominal) {
        c.SetPenColor(clRed);
        VerticalLine(c, XOf(*nominal, lo, hi, left), top + PlotTop, top + PlotTop + PlotHeight);
        c.SetPenColor(clBlack);
    }
    const int below = top + PlotTop + PlotHeight + 3;
    const QString high = QString::number(hi, 'f', 3);
    DiagramText(c, left + PlotLeft, below, QString::number(lo, 'f', 3));
    DiagramText(c, left + PlotLeft + PlotWidth - c.TextWidth(high), below, high);
    DiagramText(c, left + PlotLeft, below + 14,
                QStringLiteral("met %1, missing %2").arg(s.Count()).arg(s.Missing()));
}

}  // namespace

QSize ToleranceHistogramSize(const ToleranceResult& r)
{
    return {PanelWidth * int(kPanels.size()), TitleHeight + PanelHeight * std::max(1, int(r.gears.size()))};
}

void PaintToleranceHistograms(Canvas& c, const ToleranceResult& r)
{
    BeginDiagram(c);
    c.Clear(clWhite);
    const QString title = QStringLiteral("Spread over %1 samples%2; red: nominal")
                              .arg(r.samples)
                              .arg(r.cancelled ? QStringLiteral(" (cancelled)") : QString());
    BoldDiagramText(c, PlotLeft, 5, title);
    for (size_t g = 0; g < r.gears.size(); ++g)
        for (size_t p = 0; p < kPanels.size(); ++p)
            PaintPanel(c, r.gears[g], kPanels[p], int(p) * PanelWidth, TitleHeight + int(g) * PanelHeight);
}

QImage PaintToleranceHistogramImage(const ToleranceResult& r)
{
    QImage image(ToleranceHistogramSize(r), QImage::Format_RGB32);
    ImageCanvas canvas(image);
    PaintToleranceHistograms(canvas, r);
    return image;
}

}  // namespace zeph
