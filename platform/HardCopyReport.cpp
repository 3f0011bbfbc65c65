// The report's text as a paginated rich-text document, with the plot placed after it.
#include "platform/HardCopyReport.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <cmath>
#include <memory>

namespace zeph {

namespace {

constexpr double PixelsPerMm = 96 / 25.4;
const QSizeF A4(210 * PixelsPerMm, 297 * PixelsPerMm);
constexpr double Margin = 15 * PixelsPerMm;
constexpr double PlotGap = 12;
// A plot is never drawn taller than this share of a page's text area.
constexpr double PlotMaxShare = 0.6;
// The least a report is set at to keep it on one page: 12-pixel text becomes 8.4 pixels.
constexpr double MinShrink = 0.7;
// The least a plot is made to fit what is left of the last page.
constexpr double PlotMinShrink = 0.5;

QString Cell(const QString& tag, const QString& text, bool figure)
{
    // A word is never broken inside: a name cut in two reads as two. (Text with spaces may wrap
    // at them; keeping it whole would turn its spaces into no-break ones in the file's text.)
    const QString align = figure ? QStringLiteral(" align=\"right\"") : QString();
    const QString whole = text.contains(u' ') ? QString() : QStringLiteral(" style=\"white-space:nowrap\"");
    return QStringLiteral("<%1%2%3>%4</%1>").arg(tag, align, whole, text.toHtmlEscaped());
}

QString TableHtml(const ReportTable& t)
{
    QString html;
    if (!t.caption.isEmpty()) html += QStringLiteral("<h3>%1</h3>").arg(t.caption.toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"1\">");
    auto row = [&](const QStringList& cells, const QString& tag) {
        html += QStringLiteral("<tr>");
        for (int i = 0; i < cells.size(); ++i) html += Cell(tag, cells[i], i >= t.firstFigureColumn);
        html += QStringLiteral("</tr>");
    };
    if (!t.header.isEmpty()) row(t.header, QStringLiteral("th"));
    for (const QStringList& r : t.rows) row(r, QStringLiteral("td"));
    return html + QStringLiteral("</table>");
}

QString ReportHtml(const HardCopyReport& report)
{
    QString html = QStringLiteral("<h2>%1</h2>").arg(report.title.toHtmlEscaped());
    for (const QString& fact : report.facts) html += QStringLiteral("<p>%1</p>").arg(fact.toHtmlEscaped());
    const std::vector<ReportTable>& t = report.tables;
    for (size_t i = 0; i < t.size(); ++i) {
        if (i + 1 < t.size() && t[i + 1].besidePrevious) {
            html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr><td valign=\"top\">%1</td>"
                                   "<td width=\"16\"></td><td valign=\"top\">%2</td></tr></table>")
                        .arg(TableHtml(t[i]), TableHtml(t[i + 1]));
            ++i;
        } else {
            html += TableHtml(t[i]);
        }
    }
    return html;
}

// The laid-out text and where the plot goes, in the text's own units: `scale` of them make one
// pixel of the page's text area.
struct ReportLayout {
    std::shared_ptr<QTextDocument> text = std::make_shared<QTextDocument>();
    double scale = 1;
    QSizeF area;        // a page's text area
    int textPages = 1;
    int plotPage = -1;  // none
    QRectF plotArea;    // within the page's text area
    int Pages() const { return std::max(textPages, plotPage + 1); }
    bool FitsOnOnePage() const { return Pages() == 1 && text->idealWidth() <= area.width() + 0.5; }
};

// The text and the plot at one scale, over as many pages as they need.
ReportLayout LayOutAt(const HardCopyReport& report, const QString& html, double scale)
{
    ReportLayout l;
    l.scale = scale;
    l.area = QSizeF(A4.width() - 2 * Margin, A4.height() - 2 * Margin) / scale;
    QFont font = l.text->defaultFont();
    font.setPixelSize(12);
    l.text->setDefaultFont(font);
    l.text->setDocumentMargin(0);
    l.text->setPageSize(l.area);
    l.text->setHtml(html);
    l.textPages = std::max(1, l.text->pageCount());
    if (!report.plot || report.plot->pageSize.isEmpty()) return l;
    const QSizeF plot = report.plot->pageSize;
    const double fit = std::min(l.area.width() / plot.width(), l.area.height() * PlotMaxShare / plot.height());
    const QSizeF shown = plot * fit;
    const double used = l.text->documentLayout()->blockBoundingRect(l.text->lastBlock()).bottom() -
                        (l.textPages - 1) * l.area.height();
    const double top = used + PlotGap, left = l.area.height() - top;
    l.plotPage = l.textPages - 1;
    if (left >= shown.height()) {
        l.plotArea = QRectF(QPointF(0, top), shown);
    } else if (left >= shown.height() * PlotMinShrink) {
        l.plotArea = QRectF(QPointF(0, top), shown * (left / shown.height()));
    } else {
        l.plotPage = l.textPages;
        l.plotArea = QRectF(QPointF(0, 0), shown);
    }
    return l;
}

// A report that just runs over one page, or is a little too wide for it, is set a little
// smaller to stay on it; a long one keeps the full size over its pages.
ReportLayout LayOut(const HardCopyReport& report)
{
    const QString html = ReportHtml(report);
    const ReportLayout full = LayOutAt(report, html, 1);
    if (full.FitsOnOnePage()) return full;
    for (double scale = 0.9; scale >= MinShrink - 1e-9; scale -= 0.1) {
        ReportLayout smaller = LayOutAt(report, html, scale);
        if (smaller.FitsOnOnePage()) return smaller;
    }
    return full;
}

}  // namespace

HardCopy ReportCopy(const HardCopyReport& report)
{
    const ReportLayout l = LayOut(report);
    const QSizeF area = l.area;
    std::optional<HardCopy> plot = report.plot;
    return {report.title, A4, l.Pages(), [l, area, plot](QPainter& painter, int page) {
                painter.save();
                painter.fillRect(QRectF(QPointF(0, 0), A4), Qt::white);
                painter.translate(Margin, Margin);
                painter.scale(l.scale, l.scale);
                if (page < l.textPages) {
                    painter.save();
                    painter.translate(0, -page * area.height());
                    l.text->drawContents(&painter, QRectF(QPointF(0, page * area.height()), area));
                    painter.restore();
                }
                if (plot && page == l.plotPage) PaintFitted(painter, l.plotArea, *plot, 0);
                painter.restore();
            }};
}

}  // namespace zeph
