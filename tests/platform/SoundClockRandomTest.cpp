// Sound sinks, clock texts and the random generator.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTime>
#include <set>

#include "platform/Clock.h"
#include "platform/Random.h"
#include "FileTestSupport.h"
#include "RecordingSound.h"
#include "platform/desktop/QtSound.h"

namespace zeph {

TEST(RecordingSoundTest, RemembersPlaysWithTheirVolume)
{
    RecordingSound sound(0x80008000);
    sound.PlayAsync("Exhaust.wav");
    sound.SetWaveVolume(0x07000700);
    sound.PlayAsync("Exhaust.wav");
    sound.PlayAsync("Error.wav");
    sound.Beep();
    ASSERT_EQ(sound.plays.size(), 3u);
    EXPECT_EQ(sound.plays[0].volume, 0x80008000u);
    EXPECT_EQ(sound.plays[1].volume, 0x07000700u);
    EXPECT_EQ(sound.plays[2].fileName, "Error.wav");
    EXPECT_EQ(sound.volumeChanges, 1);
    EXPECT_EQ(sound.beeps, 1);
    EXPECT_EQ(sound.WaveVolume(), 0x07000700u);
}

class QtSoundTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    test::InFolderOfItsOwn folder;
    int beeps = 0;
    QtSound sound{[this] { ++beeps; }};
};

TEST_F(QtSoundTest, VolumeTakesTheLeftLevel)
{
    EXPECT_DOUBLE_EQ(QtSound::EffectVolume(0x8000FFFF), 1.0);
    EXPECT_DOUBLE_EQ(QtSound::EffectVolume(0xFFFF0000), 0.0);
    EXPECT_NEAR(QtSound::EffectVolume(0x80008000), 0.5, 0.001);
    sound.SetWaveVolume(0x07000700);
    EXPECT_EQ(sound.WaveVolume(), 0x07000700u);
}

TEST_F(QtSoundTest, MissingFileBeepsInsteadAtOnce)
{
    sound.PlayAsync("Exhaust.wav");
    EXPECT_EQ(beeps, 1);
    sound.PlayAsync("");
    EXPECT_EQ(beeps, 2);
}

// The play returns without waiting for the file to load: no event is handled while it runs,
// so a beep that depends on the load can only come afterwards, from the event loop.
TEST_F(QtSoundTest, UnreadableFileBeepsWithoutBlocking)
{
    QFile file("Error.wav");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a wave file");
    file.close();
    bool eventHandled = false;
    QMetaObject::invokeMethod(qApp, [&eventHandled] { eventHandled = true; }, Qt::QueuedConnection);
    sound.PlayAsync("Error.wav");
    EXPECT_FALSE(eventHandled);
    EXPECT_LE(beeps, 1);
    // Either at once (no audio output here) or when loading has failed.
    QTRY_COMPARE_WITH_TIMEOUT(beeps, 1, 5000);
    sound.PlayAsync("Error.wav");
    EXPECT_EQ(beeps, 2);
}

TEST(ClockTest, TimeZoneIsLeftOutOfTheLongTime)
{
    EXPECT_EQ(WithoutTimeZone("HH:mm:ss t"), "HH:mm:ss");
    EXPECT_EQ(WithoutTimeZone("h:mm:ss AP t"), "h:mm:ss AP");
    EXPECT_EQ(WithoutTimeZone("t HH:mm:ss"), "HH:mm:ss");
    EXPECT_EQ(WithoutTimeZone("HH 'o''clock' mm 'at' ss"), "HH 'o''clock' mm 'at' ss");
    const QTime now = QTime::currentTime();
    const QString zone = QLocale::system().toString(now, "t");
    if (!zone.isEmpty()) {
        EXPECT_FALSE(LongTimeText().contains(zone));
    }
}

TEST(RandomTest, StaysWithinBoundsAndCoversThemZeroForEmptyRanges)
{
    Random random;
    random.SeedFromClock();
    std::set<int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        const int32_t r = random.Rnd(7);
        ASSERT_GE(r, 0);
        ASSERT_LT(r, 7);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 7u);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_LT(random.Rnd(INT32_MAX), INT32_MAX);
        EXPECT_EQ(random.Rnd(1), 0);
    }
    EXPECT_EQ(random.Rnd(0), 0);
    EXPECT_EQ(random.Rnd(-5), 0);
    EXPECT_EQ(random.Rnd(INT32_MIN), 0);
}

TEST(RandomTest, SeedsRepeatAndDiffer)
{
    Random a, b, c;
    a.Seed(0);
    b.Seed(0);
    c.Seed(1);
    int same = 0, differ = 0;
    for (int i = 0; i < 100; ++i) {
        const int32_t x = a.Rnd(1000000);
        same += x == b.Rnd(1000000);
        differ += x != c.Rnd(1000000);
    }
    EXPECT_EQ(same, 100);
    EXPECT_GT(differ, 90);
}

TEST(RandomTest, IsRoughlyUniform)
{
    Random random;
    random.Seed(42);
    int counts[10] = {};
    for (int i = 0; i < 100000; ++i)
        ++counts[random.Rnd(10)];
    for (int n : counts)
        EXPECT_NEAR(n, 10000, 500);
}

}  // namespace zeph
