// PDF through QPdfWriter and SVG through QSvgGenerator, both into memory and then replacing the file.
#include "platform/HardCopy.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

#include "platform/PainterCanvas.h"

namespace zeph {

namespace {

constexpr double PixelsPerInch = 96;
constexpr int PdfResolution = 1200;
const QString Creator = QStringLiteral("ZEPHARIN Inside Admission");

}  // namespace

HardCopy DrawingCopy(const QString& title, QSize size, std::function<void(Canvas&)> draw)
{
    return {title, QSizeF(size), 1, [size, draw = std::move(draw)](QPainter& painter, int) {
                PainterCanvas canvas(painter, size);
                draw(canvas);
            }};
}

void PaintFitted(QPainter& painter, const QRectF& target, const HardCopy& copy, int page)
{
    const QSizeF size = copy.pageSize;
    if (size.isEmpty() || target.isEmpty()) return;
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.save();
    painter.translate(target.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    copy.paint(painter, page);
    painter.restore();
}

std::optional<HardCopyFormat> FormatOfPath(const QString& path)
{
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) return HardCopyFormat::Pdf;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) return HardCopyFormat::Svg;
    return std::nullopt;
}

QByteArray PdfBytes(const HardCopy& copy)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(copy.title);
    writer.setCreator(Creator);
    writer.setResolution(PdfResolution);
    const QSizeF points = copy.pageSize * 72 / PixelsPerInch;
    writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    const QRectF page(0, 0, copy.pageSize.width() * PdfResolution / PixelsPerInch,
                      copy.pageSize.height() * PdfResolution / PixelsPerInch);
    for (int i = 0; i < copy.pages; ++i) {
        if (i > 0) writer.newPage();
        PaintFitted(painter, page, copy, i);
    }
    painter.end();
    return bytes;
}

QByteArray SvgBytes(const HardCopy& copy)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QSizeF whole(copy.pageSize.width(), copy.pageSize.height() * std::max(copy.pages, 1));
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setTitle(copy.title);
    svg.setDescription(Creator);
    svg.setResolution(int(PixelsPerInch));
    svg.setSize(whole.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), whole));
    QPainter painter(&svg);
    for (int i = 0; i < copy.pages; ++i) {
        painter.save();
        painter.translate(0, copy.pageSize.height() * i);
        copy.paint(painter, i);
        painter.restore();
    }
    painter.end();
    return bytes;
}

std::optional<ReplaceFailure> WriteHardCopy(const HardCopy& copy, const QString& path, HardCopyFormat format)
{
    const QByteArray bytes = format == HardCopyFormat::Pdf ? PdfBytes(copy) : SvgBytes(copy);
    if (bytes.isEmpty()) return ReplaceFailure{QStringLiteral("The drawing could not be made into a file")};
    return ReplaceFile(path, bytes);
}

}  // namespace zeph
