// Ellipse outlines and arcs of the image canvas: exact boxes, symmetry, arc direction, clipping.
#include <gtest/gtest.h>

#include <climits>

#include "CanvasTestSupport.h"

namespace zeph::test {

namespace {

// 8-connected: every pixel has a neighbour, and the set is one piece.
bool Connected(const PixelSet& pixels)
{
    if (pixels.empty())
        return true;
    PixelSet seen{*pixels.begin()};
    std::vector<std::pair<int, int>> todo{*pixels.begin()};
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (pixels.count({x + dx, y + dy}) && seen.insert({x + dx, y + dy}).second)
                    todo.push_back({x + dx, y + dy});
    }
    return seen.size() == pixels.size();
}

}  // namespace

TEST(CanvasEllipse, FillsItsBoxExactlyAndSymmetrically)
{
    for (int w = 1; w <= 23; ++w) {
        for (int h = 1; h <= 19; h += (h < 4 ? 1 : 3)) {
            Picture p;
            p.canvas.Ellipse(3, 2, 3 + w, 2 + h);
            const PixelSet pixels = p.Drawn();
            ASSERT_EQ(p.Bounds(), QRect(3, 2, w, h)) << w << "x" << h << "\n" << p.Ascii().toStdString();
            ASSERT_TRUE(Connected(pixels)) << w << "x" << h << "\n" << p.Ascii().toStdString();
            for (const auto& [x, y] : pixels) {
                ASSERT_TRUE(pixels.count({2 * 3 + w - 1 - x, y})) << w << "x" << h;
                ASSERT_TRUE(pixels.count({x, 2 * 2 + h - 1 - y})) << w << "x" << h;
            }
        }
    }
}

TEST(CanvasEllipse, SmallCircleHasTheClassicShape)
{
    Picture p(7, 7);
    p.canvas.Ellipse(1, 1, 6, 6);
    EXPECT_EQ(p.Ascii(), QString(".......\n"
                                 "..###..\n"
                                 ".#...#.\n"
                                 ".#...#.\n"
                                 ".#...#.\n"
                                 "..###..\n"
                                 ".......\n"));
}

TEST(CanvasEllipse, OutlineFollowsTheTrueEllipse)
{
    Picture p(120, 80);
    p.canvas.Ellipse(10, 10, 110, 70);
    const double cx = 59.5, cy = 39.5, a = 49.5, b = 29.5;
    for (const auto& [x, y] : p.Drawn()) {
        const double r = std::hypot((x - cx) / a, (y - cy) / b);
        EXPECT_NEAR(r, 1.0, 1.0 / b) << x << "," << y;
    }
}

TEST(CanvasEllipse, CornerOrderDoesNotMatter)
{
    Picture reference;
    reference.canvas.Ellipse(4, 5, 30, 21);
    for (auto [x1, y1, x2, y2] : {std::tuple{30, 21, 4, 5}, {4, 21, 30, 5}, {30, 5, 4, 21}}) {
        Picture p;
        p.canvas.Ellipse(x1, y1, x2, y2);
        EXPECT_EQ(p.Drawn(), reference.Drawn());
    }
}

TEST(CanvasEllipse, EmptyBoxDrawsNothingAndHugeBoxesAreClipped)
{
    Picture p;
    p.canvas.Ellipse(5, 5, 5, 20);
    p.canvas.Ellipse(5, 5, 20, 5);
    EXPECT_TRUE(p.Drawn().empty());
    // A circle so large that only its left side crosses the picture, as a vertical band.
    p.canvas.Ellipse(10, -1000000, 2000010, 1000000);
    const QRect band = p.Bounds();
    EXPECT_EQ(band.left(), 10);
    EXPECT_EQ(band.height(), 48);
    EXPECT_LE(band.width(), 2);
    p.canvas.Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    p.canvas.Arc(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, 5, 5);
}

TEST(CanvasEllipse, WidthTwoThickensTheOutline)
{
    Picture thin, wide;
    thin.canvas.Ellipse(5, 5, 25, 25);
    wide.canvas.SetPenWidth(2);
    wide.canvas.Ellipse(5, 5, 25, 25);
    EXPECT_EQ(wide.Bounds(), QRect(5, 5, 21, 21));
    EXPECT_GT(wide.Drawn().size(), thin.Drawn().size() * 3 / 2);
}

TEST(CanvasArc, RunsCounterClockwiseFromStartRadialToEndRadial)
{
    // Box 10..29 x 10..29, centre (20, 20): right radial to left radial is the upper half.
    Picture upper;
    upper.canvas.Arc(10, 10, 30, 30, 40, 20, 0, 20);
    Picture full;
    full.canvas.Ellipse(10, 10, 30, 30);
    for (const auto& [x, y] : upper.Drawn())
        EXPECT_LT(y, 20) << x << "," << y;
    EXPECT_TRUE(upper.Drawn().count({19, 10}));  // the top is included
    EXPECT_FALSE(upper.Drawn().count({19, 29}));

    Picture lower;
    lower.canvas.Arc(10, 10, 30, 30, 0, 20, 40, 20);
    for (const auto& [x, y] : lower.Drawn())
        EXPECT_GE(y, 20) << x << "," << y;
    EXPECT_TRUE(lower.Drawn().count({19, 29}));

    PixelSet both = upper.Drawn();
    const PixelSet lowerPixels = lower.Drawn();
    both.insert(lowerPixels.begin(), lowerPixels.end());
    EXPECT_EQ(both, full.Drawn());
}

TEST(CanvasArc, QuarterArcAndCoincidentRadials)
{
    // From straight up to straight left: the upper-left quarter only.
    Picture quarter;
    quarter.canvas.Arc(10, 10, 30, 30, 20, 0, 0, 20);
    for (const auto& [x, y] : quarter.Drawn()) {
        EXPECT_LT(x, 20);
        EXPECT_LT(y, 20);
    }
    EXPECT_TRUE(quarter.Drawn().count({10, 19}));
    // Radials through different points in the same direction give the whole ellipse.
    Picture whole, full;
    whole.canvas.Arc(10, 10, 30, 30, 25, 15, 40, 0);
    full.canvas.Ellipse(10, 10, 30, 30);
    EXPECT_EQ(whole.Drawn(), full.Drawn());
}

TEST(CanvasArc, GuideLinkArcIsTheTopAboutTheVertical)
{
    // Radials through (cx + R/2, cy - R) and (cx - R/2, cy - R): 26.57 degrees each side of up.
    Picture p(80, 80);
    p.canvas.Arc(0, 0, 80, 80, 60, 0, 20, 0);
    for (const auto& [x, y] : p.Drawn()) {
        const double angle = std::atan2(40 - (y + 0.5), (x + 0.5) - 40) * 180 / M_PI;
        EXPECT_GE(angle, 63.4);
        EXPECT_LE(angle, 116.6);
    }
    EXPECT_TRUE(p.Drawn().count({40, 0}));
}

}  // namespace zeph::test
