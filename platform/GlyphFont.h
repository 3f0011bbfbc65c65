// Text of the canvases: each glyph of a font rendered once into pixel runs and replayed after.
#pragma once

#include <QFont>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zeph {

// A horizontal run of glyph pixels, relative to the top-left of the text cell at the pen.
struct GlyphRun {
    int dy = 0;
    int dx = 0;
    int length = 0;
};

struct Glyph {
    int advance = 0;
    std::vector<GlyphRun> runs;
};

// One font at one pixel size. Text is drawn without anti-aliasing, so a glyph is a plain set
// of pixels in the text colour and the background stays untouched. Glyphs are rendered with
// QPainter on first use only; later text costs one table look-up per character.
class GlyphFont {
public:
    // The shared instance for a family, size in points and weight. Points are converted at
    // 96 dots per inch like a standard desktop screen, so 8 points are 11 pixels.
    static GlyphFont& For(const QString& family, int points, bool bold);

    explicit GlyphFont(const QFont& font);

    const Glyph& Get(char32_t code);
    int Height() const { return height_; }
    // Distance from the top of the text cell to the baseline.
    int Ascent() const { return ascent_; }
    // The font the glyphs are rendered from, at its pixel size.
    const QFont& Font() const { return font_; }
    int Width(const QString& text);

    // Calls visit(glyph, penOffset) for each character of text in order.
    template <class Visit>
    void ForEachGlyph(const QString& text, Visit&& visit);

private:
    Glyph Render(char32_t code) const;

    QFont font_;
    int ascent_ = 0;
    int height_ = 0;
    std::array<std::unique_ptr<Glyph>, 128> ascii_;
    std::unordered_map<char32_t, Glyph> others_;
};

template <class Visit>
void GlyphFont::ForEachGlyph(const QString& text, Visit&& visit)
{
    long long pen = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        const Glyph& g = Get(code);
        if (!visit(g, pen))
            return;
        pen += g.advance;
    }
}

}  // namespace zeph
