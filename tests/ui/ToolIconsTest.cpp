// Tool-bar icons, hints and the warning sign: drawn, distinct, and exact where the texts matter.
#include "ui/main/CommandTable.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QList<int> kToolBarOrder = {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 23, 24, 12, 3, 13, 14, 15, 16};

QImage IconImage(int button)
{
    return zeph::ToolIcon(button).pixmap(zeph::ToolIconSize, zeph::ToolIconSize).toImage().convertToFormat(
        QImage::Format_ARGB32);
}

int CountPixels(const QImage& image, bool opaque)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (qAlpha(image.pixel(x, y)) > 128) == opaque;
    return count;
}

TEST(ToolIcons, ButtonsStandInToolBarOrder)
{
    EXPECT_EQ(zeph::ToolButtons(), kToolBarOrder);
}

TEST(ToolIcons, EveryButtonHasAPictureOnATransparentGround)
{
    for (int button : kToolBarOrder) {
        SCOPED_TRACE(button);
        ASSERT_FALSE(zeph::ToolIcon(button).isNull());
        const QImage image = IconImage(button);
        ASSERT_EQ(image.size(), QSize(20, 20));
        EXPECT_GE(CountPixels(image, true), 25) << "too little drawn to be recognised";
        EXPECT_GE(CountPixels(image, false), 40) << "background is not transparent";
    }
}

TEST(ToolIcons, NoTwoButtonsLookAlike)
{
    for (qsizetype i = 0; i < kToolBarOrder.size(); ++i)
        for (qsizetype j = i + 1; j < kToolBarOrder.size(); ++j)
            EXPECT_NE(IconImage(kToolBarOrder[i]), IconImage(kToolBarOrder[j]))
                << "buttons " << kToolBarOrder[i] << " and " << kToolBarOrder[j];
}

TEST(ToolIcons, NumbersWithoutAButtonGiveNothing)
{
    for (int number : {-1, 0, 17, 20, 22, 25, 100}) {
        SCOPED_TRACE(number);
        EXPECT_TRUE(zeph::ToolIcon(number).isNull());
        EXPECT_TRUE(zeph::ToolHint(number).isEmpty());
    }
}

TEST(ToolIcons, HintsAreTheExactTexts)
{
    EXPECT_EQ(zeph::ToolHint(1), "Open File: Dimensional Data");
    EXPECT_EQ(zeph::ToolHint(3), "Turn On UnDo");
    EXPECT_EQ(zeph::ToolHint(9), "Calculate Mid Gear Position if Necessary");
    EXPECT_EQ(zeph::ToolHint(16), "View Port Events vs Reverse Arm Position");
    EXPECT_EQ(zeph::ToolHint(23), "Draw Lines and Circles");
    EXPECT_EQ(zeph::ToolHint(24), "Turn On Pivot Data");
}

TEST(ToolIcons, WarningIsAYellowSignWithABlackMarkOnATransparentGround)
{
    const QImage image = zeph::WarningPicture().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(15, 0)), 0);
    const QColor centreOfMark = image.pixelColor(8, 7);
    EXPECT_LT(centreOfMark.lightness(), 60) << "exclamation mark is not black";
    const QColor besideMark = image.pixelColor(5, 11);
    EXPECT_GT(besideMark.red(), 200);
    EXPECT_GT(besideMark.green(), 170);
    EXPECT_LT(besideMark.blue(), 80) << "sign is not yellow";
}

}  // namespace
