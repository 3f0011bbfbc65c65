// The report's animate command: one turn written as a looping GIF of the asked size, gear, view and steam; bad lines refused.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "GifTestSupport.h"
#include "ReportTestSupport.h"
#include "render/scene/GearAnimation.h"
#include "tools/report/Report.h"

namespace zeph::report {
namespace {

using test::Report;
using test::Result;

class ReportAnimationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string File(const char* name) const { return dir.filePath(name).toStdString(); }

    // The animation the report wrote with these options after "animate --gif FILE".
    zeph::test::DecodedGif Animate(const std::vector<std::string>& options, const char* name = "turn.gif")
    {
        std::vector<std::string> args = {"animate", "--gif", File(name)};
        args.insert(args.end(), options.begin(), options.end());
        const Result r = Report(args);
        EXPECT_EQ(r.status, ExitOk) << r.err;
        EXPECT_EQ(r.out, "");
        QFile file(QString::fromStdString(File(name)));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return zeph::test::DecodeGif(file.readAll());
    }

    QTemporaryDir dir;
};

TEST_F(ReportAnimationTest, ATurnAtTheStartSizeIsThirtySixLoopingFramesOfTheWindowsPicture)
{
    const zeph::test::DecodedGif d = Animate({});
    ASSERT_TRUE(d.ok);
    EXPECT_TRUE(d.loopsForever);
    EXPECT_EQ(d.size, QSize(632, 380));
    ASSERT_EQ(d.frames.size(), 36u);
    EXPECT_EQ(d.delays.front(), AnimationFrameDelay);
    // The frames are those of the model the report starts from, as the window would show them.
    MechanismModel m;
    m.StartUp();
    std::vector<QImage> frames;
    AnimateGear(m, {}, [&frames](const QImage& f) { frames.push_back(f); });
    ASSERT_EQ(frames.size(), 36u);
    for (size_t k : {0u, 20u}) EXPECT_EQ(d.frames[k], frames[k]) << k;
    EXPECT_LT(QFile(QString::fromStdString(File("turn.gif"))).size(), 2 * 1024 * 1024);
}

// Each option changes the frames it should: size and step their shape, gear, view and steam
// what they show.
TEST_F(ReportAnimationTest, SizeStepGearViewAndSteamEachShowInTheFrames)
{
    const zeph::test::DecodedGif small = Animate({"--size", "300x200", "--step", "30"}, "small.gif");
    ASSERT_EQ(small.frames.size(), 12u);
    EXPECT_EQ(small.size, QSize(300, 200));
    const zeph::test::DecodedGif plain = Animate({"--step", "30"}, "plain.gif");
    ASSERT_EQ(plain.frames.size(), 12u);
    EXPECT_EQ(plain.frames[3].copy(0, 0, 300, 200), small.frames[3]);
    for (const auto& option : std::vector<std::vector<std::string>>{
             {"--gear", "fwdmax"}, {"--rev", "-1.5"}, {"--view", "3"}, {"--steam"}, {"--set", "3=14"}}) {
        std::vector<std::string> args = {"--step", "30"};
        args.insert(args.end(), option.begin(), option.end());
        const zeph::test::DecodedGif changed = Animate(args, "changed.gif");
        ASSERT_EQ(changed.frames.size(), 12u) << option.front();
        EXPECT_NE(changed.frames[3], plain.frames[3]) << option.front();
    }
}

TEST_F(ReportAnimationTest, BadLinesGiveStatus2AFolderStatus3AndABentLinkageStatus1)
{
    const std::string gif = File("bad.gif");
    const std::vector<std::vector<std::string>> refused = {
        {"animate"},
        {"animate", "--gif", ""},
        {"animate", "--gif", gif, "--size", "0x0"},
        {"animate", "--gif", gif, "--size", "2000x100"},
        {"animate", "--gif", gif, "--size", "632"},
        {"animate", "--gif", gif, "--size", "+632x380"},
        {"animate", "--gif", gif, "--step", "0.5"},
        {"animate", "--gif", gif, "--step", "181"},
        {"animate", "--gif", gif, "--view", "0"},
        {"animate", "--gif", gif, "--view", "7"},
        {"animate", "--gif", gif, "--gear", "fwd", "--rev", "1"},
        {"animate", "--gif", gif, "--csv"},
        {"animate", "--gif", gif, "--steam=1"},
        {"animate", "--gif", gif, "--png", "x.png"},
        {"animate", "--gif", gif, "--gif", gif},
        {"events", "--steam"},
    };
    for (const auto& args : refused) {
        const Result r = Report(args);
        EXPECT_EQ(r.status, ExitUsage) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(gif)));

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.gif"));
    const Result folder = Report({"animate", "--gif", File("folder.gif"), "--step", "90"});
    EXPECT_EQ(folder.status, ExitWriteFailed);
    EXPECT_NE(folder.err.find("could not write the animation"), std::string::npos) << folder.err;

    // A main rod too short to reach: the turn is still written, with a warning and status 1.
    const Result bent = Report({"animate", "--gif", File("bent.gif"), "--step", "90", "--set", "3=1"});
    EXPECT_EQ(bent.status, ExitMechanismError);
    EXPECT_NE(bent.err.find("warning"), std::string::npos) << bent.err;
    QFile written(QString::fromStdString(File("bent.gif")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(zeph::test::DecodeGif(written.readAll()).frames.size(), 4u);
}

}  // namespace
}  // namespace zeph::report
