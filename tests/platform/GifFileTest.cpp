// The animated GIF encoder: frames come back pixel for pixel, loop for ever, keep only what changed, and a file is written whole or refused.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "FileTestSupport.h"
#include "GifTestSupport.h"
#include "QStringPrinter.h"
#include "platform/GifFile.h"

using namespace zeph;

namespace {

// A white field with a red block at `x` and a blue frame around it: few colours, a small change per frame.
QImage BlockFrame(int x)
{
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(x, 30, 10, 10, QColor(200, 0, 0));
    p.setPen(QColor(0, 0, 255));
    p.drawRect(0, 0, 119, 79);
    return image;
}

// Every pixel a colour of its own (120 x 80 = 9600 colours).
QImage Rainbow()
{
    QImage image(120, 80, QImage::Format_RGB32);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) image.setPixel(x, y, qRgb(x * 2, y * 3, (x * 7 + y * 5) % 256));
    return image;
}

int MaxChannelError(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

TEST(GifEncoder, FramesComeBackExactlyLoopingWithTheirDelayAndOnlyTheChangedRectangle)
{
    GifEncoder gif(QSize(120, 80), 7);
    std::vector<QImage> frames;
    for (int x : {10, 14, 14, 60}) frames.push_back(BlockFrame(x));
    for (const QImage& f : frames) ASSERT_TRUE(gif.AddFrame(f));
    EXPECT_TRUE(gif.ExactColours());
    EXPECT_EQ(gif.Palette().size(), 3u);

    const test::DecodedGif d = test::DecodeGif(gif.Encode());
    ASSERT_TRUE(d.ok);
    EXPECT_TRUE(d.loopsForever);
    EXPECT_EQ(d.size, QSize(120, 80));
    ASSERT_EQ(d.frames.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(d.frames[i], frames[i]) << "frame " << i;
        EXPECT_EQ(d.delays[i], 7);
        EXPECT_EQ(d.disposals[i], DISPOSE_DO_NOT);
    }
    EXPECT_EQ(d.rects[0], QRect(0, 0, 120, 80));
    EXPECT_EQ(d.rects[1], QRect(10, 30, 14, 10));  // the block's old and new place
    EXPECT_EQ(d.rects[2].width() * d.rects[2].height(), 1);  // nothing changed
    EXPECT_EQ(d.rects[3], QRect(14, 30, 56, 10));
}

// Past 256 colours every colour, of the frames before too, goes to the nearest cube colour
// (51 apart on each channel: never more than 26 off); the frames keep their count and places.
TEST(GifEncoder, TooManyColoursFallBackToTheNearestCubeColour)
{
    GifEncoder gif(QSize(120, 80), 2);
    const QImage first = BlockFrame(20), second = Rainbow();
    ASSERT_TRUE(gif.AddFrame(first));
    ASSERT_TRUE(gif.AddFrame(second));
    ASSERT_TRUE(gif.AddFrame(first));
    EXPECT_FALSE(gif.ExactColours());
    const test::DecodedGif d = test::DecodeGif(gif.Encode());
    ASSERT_TRUE(d.ok);
    ASSERT_EQ(d.frames.size(), 3u);
    EXPECT_EQ(d.colours, 256);
    EXPECT_LE(MaxChannelError(d.frames[0], first), 26);
    EXPECT_LE(MaxChannelError(d.frames[1], second), 26);
    EXPECT_GT(MaxChannelError(d.frames[1], second), 0);
    // White is a corner of the cube, so it stays exact.
    EXPECT_EQ(d.frames[2].pixel(60, 60), qRgb(255, 255, 255));
    EXPECT_LE(MaxChannelError(d.frames[2], first), 26);
}

TEST(GifEncoder, AFrameOfAnotherSizeOrNoFrameGivesNoFile)
{
    GifEncoder gif(QSize(120, 80), 2);
    EXPECT_TRUE(gif.Encode().isEmpty());
    EXPECT_FALSE(gif.AddFrame(QImage(121, 80, QImage::Format_RGB32)));
    EXPECT_EQ(gif.FrameCount(), 0);
    // Other formats are read by their colours.
    EXPECT_TRUE(gif.AddFrame(BlockFrame(3).convertToFormat(QImage::Format_ARGB32)));
    const test::DecodedGif d = test::DecodeGif(gif.Encode());
    ASSERT_EQ(d.frames.size(), 1u);
    EXPECT_EQ(d.frames[0], BlockFrame(3));
}

TEST(GifEncoder, AFileIsWrittenWholeAndAFolderIsRefused)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    GifEncoder gif(QSize(120, 80), 2);
    ASSERT_TRUE(gif.AddFrame(BlockFrame(5)));
    const QString path = folder.filePath("turn.gif");
    ASSERT_EQ(WriteGif(gif, path), std::nullopt);
    EXPECT_EQ(test::ReadBytes(path), gif.Encode());

    ASSERT_TRUE(QDir(folder.path()).mkdir("sub.gif"));
    const std::optional<ReplaceFailure> refused = WriteGif(gif, folder.filePath("sub.gif"));
    ASSERT_TRUE(refused);
    EXPECT_FALSE(refused->replaced);
    EXPECT_TRUE(QFileInfo(folder.filePath("sub.gif")).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"sub.gif", "turn.gif"}));
}

}  // namespace
