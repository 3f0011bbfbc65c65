// Glyph rendering through QPainter into a scratch image, once per character and font.
#include "platform/GlyphFont.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <map>
#include <mutex>
#include <tuple>

namespace zeph {

namespace {

constexpr int ScreenDpi = 96;
constexpr int PointsPerInch = 72;

std::mutex& CacheMutex()
{
    static std::mutex mutex;
    return mutex;
}

}  // namespace

GlyphFont& GlyphFont::For(const QString& family, int points, bool bold)
{
    // One shared table serves all canvases, including the one created afresh for every frame.
    // The window draws on the user-interface thread while an animation may draw its frames on
    // a worker, so the table and each font's glyph cache are taken under one lock.
    static std::map<std::tuple<QString, int, bool>, std::unique_ptr<GlyphFont>> fonts;
    const std::lock_guard lock(CacheMutex());
    auto& slot = fonts[{family, points, bold}];
    if (!slot) {
        QFont font(family);
        font.setPixelSize(std::max(1, (points * ScreenDpi + PointsPerInch / 2) / PointsPerInch));
        font.setBold(bold);
        font.setStyleStrategy(QFont::NoAntialias);
        slot = std::make_unique<GlyphFont>(font);
    }
    return *slot;
}

GlyphFont::GlyphFont(const QFont& font) : font_(font)
{
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
}

const Glyph& GlyphFont::Get(char32_t code)
{
    // A glyph once made stays where it is (its own allocation or a map node), so the reference
    // outlives the lock.
    const std::lock_guard lock(CacheMutex());
    if (code < ascii_.size()) {
        auto& slot = ascii_[code];
        if (!slot)
            slot = std::make_unique<Glyph>(Render(code));
        return *slot;
    }
    auto found = others_.find(code);
    if (found == others_.end())
        found = others_.emplace(code, Render(code)).first;
    return found->second;
}

int GlyphFont::Width(const QString& text)
{
    long long width = 0;
    ForEachGlyph(text, [&](const Glyph& g, long long) {
        width += g.advance;
        return true;
    });
    return static_cast<int>(std::min<long long>(width, INT32_MAX));
}

Glyph GlyphFont::Render(char32_t code) const
{
    const QString text = QString::fromUcs4(&code, 1);
    Glyph glyph;
    glyph.advance = QFontMetrics(font_).horizontalAdvance(text);
    // Margins of a full em around the cell catch glyphs that overhang their advance.
    const int margin = font_.pixelSize();
    QImage scratch(glyph.advance + 2 * margin, height_ + 2 * margin, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setFont(font_);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(margin, margin + ascent_), text);
    }
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width();) {
            if (qGray(line[x]) >= 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < scratch.width() && qGray(line[x]) < 128)
                ++x;
            glyph.runs.push_back({y - margin, start - margin, x - start});
        }
    }
    return glyph;
}

}  // namespace zeph
