// How far the picture's texts and their places grow with the large font: the painters' side of the font choice.
#pragma once

namespace zeph {

// Factors for horizontal and vertical text positions; 1 at the normal font. The window that
// offers the font choice holds it and hands it to every painter and layout that places text.
struct TextScale {
    float x = 1, y = 1;
};

// The scale of the large font, or of the normal one.
constexpr TextScale TextScaleFor(bool largeFont)
{
    return largeFont ? TextScale{1.27f, 1.22f} : TextScale{};
}

}  // namespace zeph
