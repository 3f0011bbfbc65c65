// The report started from a design file: the same figures as the same dimensions given one by one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "model/design/DesignFile.h"
#include "ReportTestSupport.h"
#include "tools/report/Report.h"

namespace zeph::report {
namespace {

using test::Report;
using test::Result;

// A folder of its own for the files one test writes, removed afterwards.
class ReportDesign : public ::testing::Test {
protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("zeph-report-design-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());

    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        const auto path = dir / name;
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path.string();
    }
};

// A design away from the defaults in every kind of dimension: a scalar, a fulcrum, a cylinder
// row that moves the valve centre line; with view and lines that a report ignores.
const std::vector<std::pair<int, float>> kChanges = {{2, 3.5f}, {3, 11.0f}, {24, 4.0f}, {13, 3.5f}, {108, 2.3f}, {26, 0.9f}};

std::vector<std::uint8_t> ChangedDesign()
{
    MechanismModel m;
    m.StartUp();
    for (const auto& [code, value] : kChanges) m.SetDim(code, value);
    m.ViewScale = 40;
    m.Lines[3] = {0, 255, 0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0};
    m.CurrentLineSlot = 4;
    return WriteDesignFile(m);
}

std::vector<std::string> WithSets(std::vector<std::string> args)
{
    for (const auto& [code, value] : kChanges) {
        std::ostringstream set;
        set << code << '=' << value;
        args.insert(args.end(), {"--set", set.str()});
    }
    return args;
}

TEST_F(ReportDesign, FileGivesTheFiguresOfTheSameDimensionsSetOneByOne)
{
    const std::string saved = Write("saved.dzg", ChangedDesign());
    const Result fromFile = Report({"events", "--design", saved, "--csv"});
    ASSERT_EQ(fromFile.status, ExitOk) << fromFile.err;
    EXPECT_EQ(fromFile.out, Report(WithSets({"events", "--csv"})).out);
    EXPECT_NE(fromFile.out, Report({"events", "--csv"}).out);

    const Result pivots = Report({"pivots", "--gear", "fwd", "--step", "30", "--design=" + saved, "--csv"});
    ASSERT_EQ(pivots.status, ExitOk) << pivots.err;
    EXPECT_EQ(pivots.out, Report(WithSets({"pivots", "--gear", "fwd", "--step", "30", "--csv"})).out);

    // --set changes the design after it is loaded, wherever it stands on the line.
    std::vector<std::string> thenStroke = WithSets({"events", "--csv"});
    thenStroke.insert(thenStroke.end(), {"--set", "2=3"});
    EXPECT_EQ(Report({"events", "--set", "2=3", "--design", saved, "--csv"}).out, Report(thenStroke).out);
}

TEST_F(ReportDesign, ShortFileOfTheEarlierLayoutLoads)
{
    std::vector<std::uint8_t> bytes = ChangedDesign();
    bytes.resize(400);
    const Result r = Report({"events", "--design", Write("old.dzg", bytes), "--gear", "mid", "--csv"});
    EXPECT_EQ(r.status, ExitOk) << r.err;
    EXPECT_EQ(r.out, Report(WithSets({"events", "--gear", "mid", "--csv"})).out);
}

TEST_F(ReportDesign, FileThatCannotBeOpenedIsOneLineAndStatus2)
{
    const std::vector<std::uint8_t> design = ChangedDesign();
    std::vector<std::uint8_t> notANumber = design;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::copy_n(reinterpret_cast<const std::uint8_t*>(&nan), 4, notANumber.begin() + 4);  // record 1 field 2
    const std::vector<std::pair<std::string, std::string>> cases = {
        {(dir / "missing.dzg").string(), "cannot open"},
        {dir.string(), "cannot read"},
        {Write("tiny.dzg", std::vector<std::uint8_t>(100)), "too short"},
        {Write("cut.dzg", std::vector<std::uint8_t>(design.begin(), design.begin() + 1000)), "1000 bytes"},
        {Write("nan.dzg", notANumber), "Stroke"},
        {Write("odd\nname.dzg", std::vector<std::uint8_t>(5)), "odd\\nname"},
    };
    for (const auto& [path, reason] : cases) {
        const Result r = Report({"pivots", "--gear", "mid", "--design", path});
        EXPECT_EQ(r.status, ExitUsage) << path;
        EXPECT_TRUE(r.out.empty()) << path;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
    }
    const Result twice = Report({"events", "--design", "a.dzg", "--design", "b.dzg"});
    EXPECT_EQ(twice.status, ExitUsage);
    EXPECT_NE(twice.err.find("--design given more than once"), std::string::npos) << twice.err;
}

}  // namespace
}  // namespace zeph::report
