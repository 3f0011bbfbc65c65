// Pictures and pages for paper and vector files: PDF and SVG writing, and the fit onto a page.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

#include "platform/Canvas.h"
#include "platform/Files.h"

namespace zeph {

// Something to print or export: pages of one size, each painted through a QPainter in pixels
// at 96 per inch (0..pageSize), whatever the device's own resolution.
struct HardCopy {
    QString title;
    QSizeF pageSize;
    int pages = 1;
    std::function<void(QPainter&, int page)> paint;
};

// One page of `size` pixels showing what `draw` paints on a canvas, as vectors.
HardCopy DrawingCopy(const QString& title, QSize size, std::function<void(Canvas&)> draw);

// Paints one page scaled to fit `target` (in the painter's coordinates) whole, centred, its
// shape kept.
void PaintFitted(QPainter& painter, const QRectF& target, const HardCopy& copy, int page);

enum class HardCopyFormat { Pdf, Svg };

// The format a file name asks for by its ending (".pdf", ".svg", any case); none for another.
std::optional<HardCopyFormat> FormatOfPath(const QString& path);

// A PDF of the pages, each page the copy's own size, with real text.
QByteArray PdfBytes(const HardCopy& copy);
// An SVG of the copy's size, the pages one under another.
QByteArray SvgBytes(const HardCopy& copy);

// Writes the copy to `path` as ReplaceFile does (whole or not at all, only over a regular file).
std::optional<ReplaceFailure> WriteHardCopy(const HardCopy& copy, const QString& path, HardCopyFormat format);

}  // namespace zeph
