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

QString Cell(const QString& tag, const QString& text, bool figure)
{
    const QString align = figure ? QStringLiteral(" align=\"right\"") : QString();
    return QStringLiteral("<%1%2>%3</%1>").arg(tag, align, text.toHtmlEscaped());
}

QString TableHtml(const ReportTable& t)
{
    QString html;
    if (!t.caption.isEmpty()) html += QStringLiteral("<h3>%1</h3>").arg(t.caption.toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
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
    for (const ReportTable& t : report.tables) html += TableHtml(t);
    return html;
}

// The laid-out text and where the plot goes.
struct ReportLayout {
    std::shared_ptr<QTextDocument> text = std::make_shared<QTextDocument>();
    int textPages = 1;
    int plotPage = -1;  // none
    QRectF plotArea;    // within the page's text area
};

ReportLayout LayOut(const HardCopyReport& report)
{
    ReportLayout l;
    const QSizeF area(A4.width() - 2 * Margin, A4.height() - 2 * Margin);
    QFont font = l.text->defaultFont();
    font.setPixelSize(12);
    l.text->setDefaultFont(font);
    l.text->setDocumentMargin(0);
    l.text->setPageSize(area);
    l.text->setHtml(ReportHtml(report));
    l.textPages = std::max(1, l.text->pageCount());
    if (!report.plot || report.plot->pageSize.isEmpty()) return l;
    const QSizeF plot = report.plot->pageSize;
    const double scale = std::min(area.width() / plot.width(), area.height() * PlotMaxShare / plot.height());
    const QSizeF shown = plot * scale;
    const double used = l.text->documentLayout()->blockBoundingRect(l.text->lastBlock()).bottom() -
                        (l.textPages - 1) * area.height();
    double top = used + PlotGap;
    l.plotPage = l.textPages - 1;
    if (top + shown.height() > area.height()) {
        l.plotPage = l.textPages;
        top = 0;
    }
    l.plotArea = QRectF(QPointF(0, top), shown);
    return l;
}

}  // namespace

HardCopy ReportCopy(const HardCopyReport& report)
{
    const ReportLayout l = LayOut(report);
    const QSizeF area(A4.width() - 2 * Margin, A4.height() - 2 * Margin);
    std::optional<HardCopy> plot = report.plot;
    return {report.title, A4, std::max(l.textPages, l.plotPage + 1), [l, area, plot](QPainter& painter, int page) {
                painter.save();
                painter.fillRect(QRectF(QPointF(0, 0), A4), Qt::white);
                painter.translate(Margin, Margin);
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
