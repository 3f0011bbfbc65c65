// Watching pivots: the nearest-pivot rule and its tie, the slot rows' bands, the pivot data table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "model/core/FixedText.h"
#include "model/overlay/PivotData.h"
#include "ModelTestSupport.h"

namespace zeph {
namespace {

using test::StartedModel;

// A model whose pivots 0..18 all stand far away, so that a test places only the ones it needs.
MechanismModel FarPivots()
{
    MechanismModel m = StartedModel();
    for (int i = 0; i <= RevArmTop; ++i) m.Pivots[i].x = m.Pivots[i].y = 5000;
    return m;
}

TEST(NearestPivot, MeasuresAlongTheAxesAndTheLowestIndexWinsATie)
{
    MechanismModel m = FarPivots();
    // Straight-line distance would choose pivot 4 (2.24 away); along the axes 5 is nearer (2.5 < 3).
    m.Pivots[4].x = 1;
    m.Pivots[4].y = 2;
    m.Pivots[5].x = 2.5f;
    m.Pivots[5].y = 0;
    EXPECT_EQ(NearestPivot(m, {0, 0}), 5);

    // Exactly between pivots 9 and 12: the lower index.
    m.Pivots[12] = m.Pivots[5];
    m.Pivots[9].x = -2.5f;
    m.Pivots[9].y = 0;
    m.Pivots[5].x = m.Pivots[5].y = 5000;
    EXPECT_EQ(NearestPivot(m, {0, 0}), 9);

    // The fulcrum and its solver copy coincide: the fulcrum itself is taken.
    MechanismModel solved = StartedModel();
    SolveLinkage(solved);
    const Pivot& fulcrum = solved.Pivots[BellCrankPivot];
    EXPECT_EQ(NearestPivot(solved, {fulcrum.x + 0.01f, fulcrum.y}), int(BellCrankPivot));
}

TEST(NearestPivot, NeverTheReferencePointsNorPivotZeroAndNothingBeyondTheSeed)
{
    MechanismModel m = FarPivots();
    m.Pivots[0].x = m.Pivots[0].y = 0;  // the driver-centre mark
    m.Pivots[RefPoint1].x = m.Pivots[RefPoint1].y = 0;
    m.Pivots[RefPoint2].x = m.Pivots[RefPoint2].y = 0;
    // Every pivot 1..18 is 10000 away along the axes, which is not below the seed.
    EXPECT_EQ(NearestPivot(m, {0, 0}), std::nullopt);
    m.Pivots[18].y = 5000;
    m.Pivots[18].x = 4999.5f;
    EXPECT_EQ(NearestPivot(m, {0, 0}), 18);  // 9999.5 < 10000
    // Positions that are not numbers are never nearest.
    m.Pivots[2].x = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(NearestPivot(m, {0, 0}), 18);
}

TEST(PivotSlots, ChosenSlotWaitsThenTakesTheNearestPivotAndMovesReferencePointOne)
{
    MechanismModel m = StartedModel();
    SolveLinkage(m);
    ChooseSlot(m, 3);
    EXPECT_TRUE(m.PivotData.AwaitingPivot);
    EXPECT_TRUE(m.PivotData.PivotSlotShown[3]);
    EXPECT_EQ(SlotPivot(m, 3), 0);  // shown already, with pivot 0 until picked
    const Pivot crosshead = m.Pivots[Crosshead];
    PickSlotPivot(m, {crosshead.x + 0.2f, crosshead.y - 0.1f});
    EXPECT_FALSE(m.PivotData.AwaitingPivot);
    EXPECT_EQ(SlotPivot(m, 3), int(Crosshead));
    EXPECT_FLOAT_EQ(m.Pivots[RefPoint1].x, crosshead.x + 0.2f);
    EXPECT_FLOAT_EQ(m.Pivots[RefPoint1].y, crosshead.y - 0.1f);

    // Chosen again and picked where no pivot is nearer than the seed: the old pivot stays.
    ChooseSlot(m, 3);
    PickSlotPivot(m, {20000, 0});
    EXPECT_EQ(SlotPivot(m, 3), int(Crosshead));
    EXPECT_FALSE(m.PivotData.AwaitingPivot);
}

TEST(PivotSlots, NumbersThatAreNoPivotReadAsPivotZero)
{
    MechanismModel m = StartedModel();
    m.PivotData.PivotSlot[1] = 2.4f;
    m.PivotData.PivotSlot[2] = 21;
    m.PivotData.PivotSlot[3] = -1;
    m.PivotData.PivotSlot[4] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(SlotPivot(m, 1), 2);
    EXPECT_EQ(SlotPivot(m, 2), 0);
    EXPECT_EQ(SlotPivot(m, 3), 0);
    EXPECT_EQ(SlotPivot(m, 4), 0);
    EXPECT_EQ(SlotPivot(m, 7), 0);
}

class PivotTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        m = StartedModel();
        m.DriverAngle = 123.5f;
        m.StepAngle = 10;
    }
    std::vector<std::string> Table() { return PivotDataTable(m, "5/6/2024", "1:02:03 PM"); }
    static std::vector<std::string> Rows(const std::vector<std::string>& t) { return {t.begin() + 4, t.end()}; }

    MechanismModel m;
};

TEST_F(PivotTable, HeadsTheRowsWithTitleGearStepAndColumns)
{
    m.ChosenStepAngle = 45;
    const std::vector<std::string> t = Table();
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(t[0], "Pivot Data   Nominal     5/6/2024   1:02:03 PM");
    EXPECT_EQ(t[1], "       Reverse Arm   3.769      Step Angle  45.000");
    EXPECT_EQ(t[2], "  Driver         No.1                   No.2                   No.3                  No.4         "
                    "          No.5                  No.6");
    EXPECT_EQ(t[3], "  Angle     Vert   Horz         Vert   Horz          Vert   Horz         Vert   Horz          "
                    "Vert   Horz         Vert   Horz");
}

TEST_F(PivotTable, RowsRunFromZeroThroughAWholeTurnAndRestoreTheAngleAndStep)
{
    m.ChosenStepAngle = 45;
    std::vector<std::string> rows = Rows(Table());
    ASSERT_EQ(rows.size(), 9u);
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].substr(0, 7), FixedText(45.0 * i, 7, 2));
    EXPECT_EQ(m.DriverAngle, 123.5f);
    EXPECT_EQ(m.StepAngle, 10.0f);

    m.ChosenStepAngle = 7;
    rows = Rows(Table());
    ASSERT_EQ(rows.size(), 52u);
    EXPECT_EQ(rows.back().substr(0, 7), " 357.00");
    // The pivots keep the last row's solution: the crank pin at 357 degrees.
    MechanismModel at357 = StartedModel();
    test::SolveAt(at357, at357.RevArmPosition, 357);
    EXPECT_EQ(m.Pivots[CrankPin].x, at357.Pivots[CrankPin].x);
    EXPECT_EQ(m.Pivots[CrankPin].y, at357.Pivots[CrankPin].y);
}

// Row k stands at k times the step: at fine steps no label drifts, none repeats, and the turn
// still ends on a row at 360.
TEST_F(PivotTable, FineStepsLabelEveryRowWithItsOwnAngleThroughThreeSixty)
{
    for (const int perDegree : {10, 100}) {
        m.ChosenStepAngle = 1.0f / float(perDegree);
        const std::vector<std::string> rows = Rows(Table());
        ASSERT_EQ(rows.size(), 360u * perDegree + 1) << perDegree;
        int wrong = 0;
        for (size_t k = 0; k < rows.size(); ++k)
            wrong += rows[k].substr(0, 7) != FixedText(double(k) / perDegree, 7, 2);
        EXPECT_EQ(wrong, 0) << perDegree;
    }
}

TEST_F(PivotTable, RowShowsEachSlotsVerticalThenHorizontalInItsWidths)
{
    m.ChosenStepAngle = 45;
    m.PivotData.PivotSlot[1] = CrankPin;
    m.PivotData.PivotSlot[2] = Crosshead;
    m.PivotData.PivotSlot[4] = 2.6f;  // used rounded: the crosshead
    const std::vector<std::string> rows = Rows(Table());
    // At 0 degrees the crank pin stands at (1.5, 0) and the crosshead at (11.5, 0); unassigned slots
    // show pivot 0, the driver centre.
    const std::string zero = "   " + std::string("    0.000") + "  " + "  0.000";
    EXPECT_EQ(rows[0], "   0.00   " + std::string("  0.000") + "  " + "  1.500" + "   " + "    0.000" + "  " +
                           " 11.500" + zero + "   " + "    0.000" + "  " + " 11.500" + zero + zero);
    // At 90 degrees the crank pin is straight below the driver centre.
    EXPECT_EQ(rows[2].substr(0, 26), "  90.00    -1.500   -0.000");
}

TEST_F(PivotTable, ValuesAreCutToTenCharactersSoColumnsStayInPlace)
{
    m.ChosenStepAngle = 45;
    m.Pivots[BellCrankPivot].y = -1234567.5f;  // fixed: the solver leaves it where it is
    m.Pivots[BellCrankPivot].x = 0.25f;
    m.PivotData.PivotSlot[2] = BellCrankPivot;
    const std::string row = Rows(Table())[0];
    EXPECT_EQ(row.substr(7 + 3 + 7 + 2 + 7, 3 + 10 + 2 + 7), "   -1234567.5    0.250");
}

// Not a number, or digits the cut would shorten into another number: the value is left blank.
TEST_F(PivotTable, ValuesThatCannotShowAreLeftBlank)
{
    m.ChosenStepAngle = 45;
    m.RevArmPosition = std::numeric_limits<float>::quiet_NaN();
    m.Pivots[BellCrankPivot] = {3.4e38f, -1.5e9f};  // cut to 10 they would read 3402823466 and -150000000
    m.PivotData.PivotSlot[1] = BellCrankPivot;
    const std::vector<std::string> t = Table();
    EXPECT_EQ(t[1], "       Reverse Arm " + std::string(7, ' ') + "      Step Angle  45.000");
    EXPECT_EQ(t[4].substr(7, 3 + 7 + 2 + 7), "   " + std::string(7, ' ') + "  " + std::string(7, ' '));
    for (const std::string& line : t) EXPECT_EQ(line.find("NAN"), std::string::npos) << line;
}

// The sheet's fields are the lines' own texts, column for column: a blank value stays an empty
// field in its place rather than shifting the ones after it.
TEST_F(PivotTable, SheetRowsHoldEachLinesFieldsInTheirColumns)
{
    m.ChosenStepAngle = 90;
    m.PivotData.PivotSlot[2] = CrankPin;
    m.Pivots[BellCrankPivot] = {3.4e38f, 0.25f};
    m.PivotData.PivotSlot[1] = BellCrankPivot;
    const PivotDataSheet sheet = PivotDataTableSheet(m, "5/6/2024", "1:02:03 PM");
    EXPECT_EQ(sheet.lines, Table());
    ASSERT_EQ(sheet.rows.size(), sheet.lines.size() - 4);
    ASSERT_EQ(PivotDataColumnNames().size(), 13u);
    for (size_t r = 0; r < sheet.rows.size(); ++r) {
        const std::vector<std::string>& f = sheet.rows[r];
        ASSERT_EQ(f.size(), 13u);
        EXPECT_EQ(f[1], "0.250") << r;
        EXPECT_EQ(f[2], "") << r;  // slot 1's horizontal cannot show
        std::string joined;
        for (const std::string& field : f) joined += field.empty() ? "" : " " + field;
        std::string words;
        for (size_t i = 0, n; i < sheet.lines[r + 4].size(); i = n) {
            const size_t start = sheet.lines[r + 4].find_first_not_of(' ', i);
            if (start == std::string::npos) break;
            n = std::min(sheet.lines[r + 4].find(' ', start), sheet.lines[r + 4].size());
            words += " " + sheet.lines[r + 4].substr(start, n - start);
        }
        EXPECT_EQ(joined, words) << r;
    }
    EXPECT_EQ(sheet.rows[1][0], "90.00");
    // At 90 degrees the crank pin (slot 2) is straight below the driver centre.
    EXPECT_EQ(sheet.rows[1][3], "-1.500");
    EXPECT_EQ(sheet.rows[1][4], "-0.000");
}

TEST_F(PivotTable, AStepOfZeroOrLessGivesOneRow)
{
    for (float step : {0.0f, -5.0f, std::numeric_limits<float>::quiet_NaN()}) {
        m.ChosenStepAngle = step;
        const std::vector<std::string> rows = Rows(Table());
        ASSERT_EQ(rows.size(), 1u) << step;
        EXPECT_EQ(rows[0].substr(0, 7), "   0.00");
        EXPECT_EQ(m.DriverAngle, 123.5f);
    }
}

TEST_F(PivotTable, ATinyStepStopsAtTheRowLimitAndSaysSo)
{
    m.ChosenStepAngle = 0.001f;
    const std::vector<std::string> t = Table();
    ASSERT_EQ(t.size(), 4u + PivotTableMaxRows + 1u);
    EXPECT_EQ(t.back().rfind("Table stopped after 36001 rows, at driver angle ", 0), 0u) << t.back();
    EXPECT_NE(t.back().find("too small"), std::string::npos);

    // A whole turn at the smallest step the step dialog takes still fits.
    m.ChosenStepAngle = 0.01f;
    const std::vector<std::string> fine = Table();
    EXPECT_LE(fine.size(), 4u + PivotTableMaxRows);
    EXPECT_EQ(fine.back().find("Table stopped"), std::string::npos);
}

}  // namespace
}  // namespace zeph
