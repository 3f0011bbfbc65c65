// The design file: round trip bit for bit, record layout, short and long files, refusals, set names.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "ModelComparison.h"
#include "ModelTestSupport.h"
#include "model/design/DesignFile.h"
#include "model/overlay/LineOverlay.h"

namespace zeph {
namespace {

using test::ModelComparison;
using test::StartedModel;
using Bytes = std::vector<std::uint8_t>;

float FromBits(std::uint32_t bits) { return std::bit_cast<float>(bits); }
std::uint32_t BitsOf(float v) { return std::bit_cast<std::uint32_t>(v); }

const float QuietNaN = std::numeric_limits<float>::quiet_NaN();
const float Inf = std::numeric_limits<float>::infinity();

// Record and field numbered from 1, as the file's documentation counts them.
float FieldOf(const Bytes& b, int record, int field)
{
    const size_t at = size_t(record - 1) * 20 + size_t(field - 1) * 4;
    return FromBits(std::uint32_t(b.at(at)) | std::uint32_t(b.at(at + 1)) << 8 | std::uint32_t(b.at(at + 2)) << 16 |
                    std::uint32_t(b.at(at + 3)) << 24);
}

void SetField(Bytes& b, int record, int field, float v)
{
    const size_t at = size_t(record - 1) * 20 + size_t(field - 1) * 4;
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<std::uint8_t>(BitsOf(v) >> (8 * i));
}

// A started model in which every value the file holds is distinct from every other and from
// its default, the reserved ones unusual (NaN payloads, negative zero, a denormal, infinity).
MechanismModel Distinctive()
{
    MechanismModel m = StartedModel();
    float v = 0.375f;
    const auto next = [&v] { return v += 0.173f; };
    for (int code = 1; code <= FrameDimCount; ++code) m.SetDim(code, next());
    for (int code = CylCodeBase + 1; code <= CylCodeBase + CylDimCount; ++code) m.SetDim(code, next());
    for (int copy : {int(BellCrankPivotCopy), int(RevArmPivotCopy)}) {
        m.Pivots[copy].x = next();
        m.Pivots[copy].y = next();
    }
    m.ValveCLHeight() = next();
    m.Cyl.Reserved = FromBits(0x7fa00001);  // a signalling NaN
    m.FileReserved.once = {FromBits(0x7fc0beef), -0.0f, FromBits(1), -Inf};
    m.FileReserved.twice = FromBits(0xffc12345);
    for (float* f : {&m.ViewScale, &m.ViewPanX, &m.ViewPanY, &m.GraphicPosZoom, &m.RevArmPosition,
                     &m.LastDiagramRevArmPos, &m.DiagramVScale})
        *f = next();
    for (ViewTriple& p : m.ViewPresets) p = {next(), next(), next()};
    for (int i = 1; i < DiagramRevArmEntries; ++i) m.DiagramRevArmPos[i] = next();
    for (int s = 1; s <= LineSlotCount; ++s) {
        LineSlot& l = m.Lines[s];
        for (float* f : {&l.type, &l.colour, &l.refMode, &l.x1, &l.y1, &l.x2, &l.y2, &l.pivot1, &l.pivot1X,
                         &l.pivot1Y, &l.pivot2, &l.pivot2X, &l.pivot2Y})
            *f = next();
    }
    m.CurrentLineSlot = 13;
    return m;
}

// A started model whose run state differs from the defaults, to see that an open keeps it.
MechanismModel Destination()
{
    MechanismModel m = StartedModel();
    m.DimSetName = "kept";
    m.DriverAngle = 77.5f;
    m.StepAngle = 2.5f;
    m.DynVarSlots[1] = {3, 10.0f, "Main Rod Length"};
    m.Undo.Record({2, 3.0f, 3.5f, "Stroke"});
    m.Lines[0].x1 = 4.0f;  // slot 0 is not in the file
    m.Lines[7] = {1, 255, 0, 1, 2, 3, 4, 0, 0, 0, 0, 0, 0};
    m.CurrentLineSlot = 7;
    m.Frame.OffsetAngle = 5.0f;
    return m;
}

// What opening `from`'s file into `into` must give, stated field by field: the dimensions,
// the stored pivots, the view and presets, the diagram settings, the line slots, the reserved
// values; then mid gear. A short file brings records 1 to 19 only.
MechanismModel Opened(MechanismModel into, const MechanismModel& from, bool shortFile)
{
    const float offset = into.Frame.OffsetAngle;
    into.Frame = from.Frame;
    into.Cyl = from.Cyl;
    into.CylCLHeight() = from.CylCLHeight();
    into.ValveCLHeight() = from.ValveCLHeight();
    for (int p : {int(BellCrankPivot), int(BellCrankPivotCopy), int(GuideLinkCentre), int(RevArmPivot),
                  int(RevArmPivotCopy)}) {
        into.Pivots[p].x = from.Pivots[p].x;
        into.Pivots[p].y = from.Pivots[p].y;
    }
    into.ViewScale = from.ViewScale;
    into.ViewPanX = from.ViewPanX;
    into.ViewPanY = from.ViewPanY;
    into.GraphicPosZoom = from.GraphicPosZoom;
    into.ViewPresets = from.ViewPresets;
    for (int i = 1; i < DiagramRevArmEntries; ++i) into.DiagramRevArmPos[i] = from.DiagramRevArmPos[i];
    into.LastDiagramRevArmPos = from.LastDiagramRevArmPos;
    into.DiagramVScale = from.DiagramVScale;
    into.FileReserved = from.FileReserved;
    if (shortFile) {
        into.Frame.OffsetAngle = offset;
        into.CurrentLineSlot = 1;
    } else {
        for (int s = 1; s <= LineSlotCount; ++s) into.Lines[s] = from.Lines[s];
        into.CurrentLineSlot = from.CurrentLineSlot;
    }
    into.CalcMidGear();
    return into;
}

std::string Opening(MechanismModel& m, const Bytes& bytes)
{
    const auto refusal = OpenDesign(m, bytes);
    return refusal ? refusal->message : "";
}

TEST(DesignFileModel, TheComparisonKnowsEveryField)
{
    MechanismModel a = StartedModel(), b = a;
    EXPECT_EQ(ModelComparison::FirstDifference(a, b), "");
    // Any one value a design file holds, changed alone, is a difference.
    for (const auto& record : DesignFileLayout())
        for (const DesignField& field : record)
            if (float* place = field.Place(b)) {
                const float kept = *place;
                *place = kept == 1.0f ? 2.0f : 1.0f;
                EXPECT_NE(ModelComparison::FirstDifference(a, b), "") << field.Describe();
                *place = kept;
            }
    b.MappedView.panY = 1;
    EXPECT_EQ(ModelComparison::FirstDifference(a, b), "model.MappedView.panY");
    a.Cyl.Reserved = -0.0f;
    EXPECT_EQ(ModelComparison::FirstDifference(a, StartedModel()), "model.Cyl.Reserved");
}

TEST(DesignFileRoundTrip, EveryValueComesBackBitForBitButWhatOpenRecomputes)
{
    const MechanismModel src = Distinctive();
    const Bytes bytes = WriteDesignFile(src);
    ASSERT_EQ(bytes.size(), 1440u);
    MechanismModel dst = Destination();
    const MechanismModel before = dst;
    ASSERT_EQ(Opening(dst, bytes), "");
    EXPECT_EQ(ModelComparison::FirstDifference(dst, Opened(before, src, false)), "");
    EXPECT_EQ(dst.CurrentLineSlot, 13);
    EXPECT_EQ(dst.RevArmPosition, dst.RevArmCentre);

    // Saved again, the file differs only where the open recomputed: the reverse-arm position
    // and diagram positions 1 to 3.
    const Bytes again = WriteDesignFile(dst);
    const std::set<std::pair<int, int>> recomputed = {{13, 2}, {18, 2}, {18, 3}, {18, 4}};
    for (int r = 1; r <= 72; ++r) {
        for (int f = 1; f <= 5; ++f) {
            if (recomputed.count({r, f})) continue;
            EXPECT_EQ(BitsOf(FieldOf(again, r, f)), BitsOf(FieldOf(bytes, r, f))) << r << "." << f;
        }
    }
}

// A design copied out of a model writes the model's bytes, and applying a file changes the
// design alone: the simulation state of the model it lands in stays as it was.
TEST(DesignFileRoundTrip, ADesignAloneRoundTripsAndLoadingLeavesTheSimulation)
{
    const MechanismModel src = Distinctive();
    const Bytes bytes = WriteDesignFile(src);
    const Design copied = src;
    EXPECT_EQ(WriteDesignFile(copied, src.CurrentLineSlot), bytes);

    MechanismModel dst = Destination();
    const MechanismModel before = dst;
    const DesignReadResult read = ReadDesignFile(bytes);
    ASSERT_TRUE(std::holds_alternative<DesignFile>(read));
    ApplyDesignFile(dst, std::get<DesignFile>(read));
    EXPECT_EQ(ModelComparison::FirstSimulationDifference(dst, before), "");
    EXPECT_EQ(WriteDesignFile(dst, std::get<DesignFile>(read).currentLineSlot), bytes);
}

TEST(DesignFileLayout, ValuesStandWhereTheFileFormatPutsThem)
{
    const MechanismModel m = Distinctive();
    const Bytes b = WriteDesignFile(m);
    const struct {
        int record, field;
        float value;
    } spots[] = {
        {1, 1, m.Frame.BellCrankBackSet}, {1, 2, m.Frame.Stroke},         {1, 5, m.Frame.MainRodLen},
        {2, 5, m.Frame.EccRodRight},      {3, 2, m.Frame.EccCrankLen},    {4, 4, m.Pivots[BellCrankPivot].x},
        {4, 5, m.Pivots[6].y},            {5, 1, m.Pivots[12].x},          {5, 4, m.Pivots[RevArmPivot].y},
        {5, 5, m.Pivots[7].x},            {6, 3, m.Pivots[17].y},          {6, 4, m.CylCLHeight()},
        {7, 1, m.CylCLHeight()},          {7, 2, m.Cyl.CylCentreX},        {7, 5, m.Cyl.Reserved},
        {9, 5, m.Cyl.ValveJointOffset},   {10, 1, m.Cyl.ValveCLOffset},    {10, 3, m.Cyl.ValveEndWidthFront},
        {10, 4, m.FileReserved.once[0]},  {11, 2, m.FileReserved.once[3]}, {11, 3, m.FileReserved.twice},
        {11, 5, m.ValveCLHeight()},       {12, 3, m.GraphicPosZoom},       {12, 4, m.ViewPanY},
        {12, 5, m.Frame.RevArmNorm},      {13, 1, m.Frame.RevArmMax},      {13, 2, m.RevArmPosition},
        {13, 4, m.LastDiagramRevArmPos},  {13, 5, m.DiagramVScale},        {14, 1, m.ViewPresets[0].scale},
        {15, 2, m.ViewPresets[2].scale},  {18, 1, m.ViewPresets[6].panY},  {18, 2, m.DiagramRevArmPos[1]},
        {19, 5, m.DiagramRevArmPos[9]},   {20, 1, m.Lines[1].x1},          {21, 1, m.Lines[6].x1},
        {23, 5, m.Lines[20].x1},          {24, 1, m.Lines[1].y1},          {36, 2, m.Lines[2].pivot1X},
        {52, 3, m.Lines[3].type},         {56, 4, m.Lines[4].colour},      {60, 5, m.Lines[5].refMode},
        {64, 1, m.Lines[1].pivot1},       {71, 5, m.Lines[20].pivot2},     {72, 1, m.Frame.OffsetAngle},
        {72, 2, 0.0f},                    {72, 4, 0.0f},                   {72, 5, 13.0f},
    };
    for (const auto& s : spots)
        EXPECT_EQ(BitsOf(FieldOf(b, s.record, s.field)), BitsOf(s.value)) << s.record << "." << s.field;
}

// Where one value fills several fields, the last one read stays; a NaN in an earlier copy is
// therefore harmless.
TEST(DesignFileLayout, TheLastOfSeveralFieldsWins)
{
    const MechanismModel src = Distinctive();
    const struct {
        int record, field;
        bool wins;
        float MechanismModel::* plain;
    } cases[] = {
        {6, 4, false, nullptr}, {6, 5, false, nullptr}, {7, 1, true, nullptr},
        {13, 3, false, &MechanismModel::LastDiagramRevArmPos}, {13, 4, true, &MechanismModel::LastDiagramRevArmPos},
    };
    for (const auto& c : cases) {
        Bytes b = WriteDesignFile(src);
        SetField(b, c.record, c.field, c.wins ? 42.0f : QuietNaN);
        MechanismModel m = Destination();
        ASSERT_EQ(Opening(m, b), "") << c.record << "." << c.field;
        const float got = c.plain ? m.*c.plain : m.CylCLHeight();
        const float kept = c.plain ? src.*c.plain : src.CylCLHeight();
        EXPECT_EQ(BitsOf(got), BitsOf(c.wins ? 42.0f : kept)) << c.record << "." << c.field;
    }
    Bytes b = WriteDesignFile(src);
    SetField(b, 11, 3, 1.0f);
    SetField(b, 11, 4, 2.0f);
    MechanismModel m = Destination();
    ASSERT_EQ(Opening(m, b), "");
    EXPECT_EQ(m.FileReserved.twice, 2.0f);
    // The fulcrum copies have places of their own and keep them.
    EXPECT_NE(m.Pivots[BellCrankPivotCopy].x, m.Pivots[BellCrankPivot].x);
    EXPECT_EQ(m.Pivots[RevArmPivotCopy].y, src.Pivots[RevArmPivotCopy].y);
}

Bytes Resized(Bytes b, size_t size, std::uint8_t fill)
{
    b.resize(size, fill);
    return b;
}

TEST(DesignFileLengths, ShortFilesOfAnEarlierLayoutLoadNineteenRecords)
{
    const MechanismModel src = Distinctive();
    const Bytes full = WriteDesignFile(src);
    // 400 bytes: the 20th record (all NaN here) is ignored; 390 bytes count as 19 records.
    for (const size_t size : {400u, 390u, 380u}) {
        Bytes b = Resized(full, 380, 0);
        b.resize(size, 0xff);
        MechanismModel m = Destination();
        const MechanismModel before = m;
        ASSERT_EQ(Opening(m, b), "") << size;
        EXPECT_EQ(ModelComparison::FirstDifference(m, Opened(before, src, true)), "") << size;
        EXPECT_EQ(m.CurrentLineSlot, 1);
        EXPECT_EQ(m.Lines[7].colour, 255.0f);
        EXPECT_EQ(m.Frame.OffsetAngle, 5.0f);
    }
}

TEST(DesignFileLengths, BytesPastTheLastRecordAreIgnored)
{
    const Bytes full = WriteDesignFile(Distinctive());
    MechanismModel exact = Destination();
    ASSERT_EQ(Opening(exact, full), "");
    for (const size_t size : {1459u, 1460u, 4000u}) {
        MechanismModel m = Destination();
        ASSERT_EQ(Opening(m, Resized(full, size, 0xff)), "") << size;
        EXPECT_EQ(ModelComparison::FirstDifference(m, exact), "") << size;
    }
}

TEST(DesignFileLengths, OtherLengthsAreRefusedAndChangeNothing)
{
    const Bytes full = WriteDesignFile(Distinctive());
    const struct {
        size_t size;
        DesignRefusal::Reason reason;
    } cases[] = {
        {0, DesignRefusal::Reason::TooShort},       {19, DesignRefusal::Reason::TooShort},
        {19 * 20 - 1, DesignRefusal::Reason::TooShort}, {21 * 20, DesignRefusal::Reason::WrongLength},
        {30 * 20 + 7, DesignRefusal::Reason::WrongLength}, {71 * 20, DesignRefusal::Reason::WrongLength},
        {72 * 20 - 1, DesignRefusal::Reason::WrongLength},
    };
    for (const auto& c : cases) {
        MechanismModel m = Destination();
        const MechanismModel before = m;
        const auto refusal = OpenDesign(m, Resized(full, c.size, 0));
        ASSERT_TRUE(refusal) << c.size;
        EXPECT_EQ(refusal->reason, c.reason) << c.size;
        EXPECT_NE(refusal->message.find(std::to_string(c.size) + " bytes"), std::string::npos) << refusal->message;
        EXPECT_EQ(ModelComparison::FirstDifference(m, before), "") << c.size;
    }
}

TEST(DesignFileValues, NaNOrInfinityInAUsedFieldRefusesTheFile)
{
    const Bytes good = WriteDesignFile(Distinctive());
    const struct {
        int record, field;
        float value;
        const char* named;
    } cases[] = {
        {1, 2, QuietNaN, "record 1 field 2 (frame 2 Stroke) holds NaN"},
        {5, 5, Inf, "record 5 field 5 (pivot 7 x) holds an infinity"},
        {7, 1, -Inf, "(cylinder 2 Cyl CL above Driver ctr)"},
        {11, 5, FromBits(0x7f800001), "(pivot 4 y) holds NaN"},
        {15, 1, Inf, "(view preset 1 pan y)"},
        {18, 5, QuietNaN, "(diagram reverse-arm position 4)"},
        {57, 2, QuietNaN, "(line slot 7 colour)"},
        {72, 1, Inf, "(frame 25 Offset Angle of Vert Cent)"},
        {72, 5, QuietNaN, "current line slot"},
        {72, 5, Inf, "current line slot"},
    };
    for (const auto& c : cases) {
        Bytes b = good;
        SetField(b, c.record, c.field, c.value);
        MechanismModel m = Destination();
        const MechanismModel before = m;
        const auto refusal = OpenDesign(m, b);
        ASSERT_TRUE(refusal) << c.named;
        EXPECT_EQ(refusal->reason, DesignRefusal::Reason::ValueNotHeld);
        EXPECT_NE(refusal->message.find(c.named), std::string::npos) << refusal->message;
        EXPECT_EQ(ModelComparison::FirstDifference(m, before), "") << c.named;
    }
}

TEST(DesignFileValues, TheCurrentLineSlotRoundsToOneOfTheTwentySlots)
{
    const Bytes good = WriteDesignFile(Distinctive());
    // 0 is what earlier builds saved while slot 1's pivot was being picked; it opens as slot 1.
    const std::pair<float, int> accepted[] = {{1.0f, 1}, {0.6f, 1}, {1.5f, 2},   {2.5f, 2}, {20.4f, 20},
                                              {19.5f, 20}, {20.5f, 20}, {0.0f, 1}, {0.5f, 1}, {-0.4f, 1}};
    for (const auto& [value, slot] : accepted) {
        Bytes b = good;
        SetField(b, 72, 5, value);
        MechanismModel m = Destination();
        ASSERT_EQ(Opening(m, b), "") << value;
        EXPECT_EQ(m.CurrentLineSlot, slot) << value;
    }
    for (const float value : {-0.6f, -3.0f, 20.6f, 21.0f, 1e30f, -1e30f}) {
        Bytes b = good;
        SetField(b, 72, 5, value);
        MechanismModel m = Destination();
        const MechanismModel before = m;
        EXPECT_NE(Opening(m, b).find("not a slot of 1 to 20"), std::string::npos) << value;
        EXPECT_EQ(ModelComparison::FirstDifference(m, before), "") << value;
    }
}

// While the lines dialog is closed for a pivot pick, the current slot stands one behind the slot
// being placed; a save then keeps the slot being placed, and the file opens.
TEST(DesignFileValues, ASaveDuringAPivotPickKeepsTheSlotBeingPlaced)
{
    for (const int row : {1, 5, 20}) {
        MechanismModel m = StartedModel();
        m.Pivots[RefPoint1] = {1.5f, 2.5f};
        m.Pivots[RefPoint2] = {3.5f, 4.5f};
        SelectLineRow(m, row);
        ChooseLineType(m, 0);
        ChooseLineColour(m, 1);
        ASSERT_TRUE(ChooseLineReference(m, 1).closeDialog);  // "Pivot1": closed for the pick
        MechanismModel opened = Destination();
        ASSERT_EQ(Opening(opened, WriteDesignFile(m)), "") << row;
        EXPECT_EQ(opened.CurrentLineSlot, row);
    }
}

// Reserved fields, the ignored fields of record 72 and finite nonsense all load; nothing is
// range-checked but the line slot.
TEST(DesignFileValues, AnythingElseLoadsAsItIs)
{
    Bytes b = WriteDesignFile(Distinctive());
    const std::uint32_t odd[] = {0x7f800001, 0xffffffff, 0x7f800000, 0xff800000, 0x80000000, 0x00000001};
    int k = 0;
    for (const auto& [r, f] : std::vector<std::pair<int, int>>{{7, 5}, {10, 4}, {10, 5}, {11, 1}, {11, 2}, {11, 4}})
        SetField(b, r, f, FromBits(odd[k++]));
    for (int f = 2; f <= 4; ++f) SetField(b, 72, f, QuietNaN);
    // What the open recomputes: the reverse-arm position and diagram positions 1 to 3.
    SetField(b, 13, 2, Inf);
    for (int f = 2; f <= 4; ++f) SetField(b, 18, f, QuietNaN);
    SetField(b, 1, 2, -1e30f);              // stroke
    SetField(b, 12, 1, 0.0f);               // view scale
    SetField(b, 52, 1, 7.0f);               // line slot 1 type
    SetField(b, 64, 1, 1e9f);               // line slot 1 pivot number
    SetField(b, 4, 1, FromBits(1));         // reverse-arm lower, a denormal
    MechanismModel m = Destination();
    ASSERT_EQ(Opening(m, b), "");
    EXPECT_EQ(BitsOf(m.Cyl.Reserved), 0x7f800001u);
    EXPECT_EQ(BitsOf(m.FileReserved.once[0]), 0xffffffffu);
    EXPECT_EQ(BitsOf(m.FileReserved.once[1]), 0x7f800000u);
    EXPECT_EQ(BitsOf(m.FileReserved.once[2]), 0xff800000u);
    EXPECT_EQ(BitsOf(m.FileReserved.once[3]), 0x80000000u);
    EXPECT_EQ(BitsOf(m.FileReserved.twice), 0x00000001u);
    EXPECT_EQ(m.Frame.Stroke, -1e30f);
    EXPECT_EQ(m.ViewScale, 0.0f);
    EXPECT_EQ(m.Lines[1].type, 7.0f);
    EXPECT_EQ(m.Lines[1].pivot1, 1e9f);
    EXPECT_EQ(BitsOf(m.Frame.RevArmLower), 1u);
    EXPECT_EQ(m.RevArmPosition, m.RevArmCentre);
    EXPECT_EQ(m.DiagramRevArmPos[1], m.RevArmCentre);
    // Saved again, the reserved values come back as they were read.
    const Bytes again = WriteDesignFile(m);
    EXPECT_EQ(BitsOf(FieldOf(again, 7, 5)), 0x7f800001u);
    EXPECT_EQ(BitsOf(FieldOf(again, 10, 4)), 0xffffffffu);
    EXPECT_EQ(BitsOf(FieldOf(again, 11, 3)), 0x00000001u);
    EXPECT_EQ(BitsOf(FieldOf(again, 72, 3)), 0u);
}

TEST(DesignSetName, FileNameWithoutItsLastFourCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\data\\big6.dzg", "big6"},
        {"C:\\d\\abc.text", "abc."},
        {"/home/user/designs/big6.dzg", "big6"},
        {"C:\\mixed/path\\K4s.dzg", "K4s"},
        {"big6.dzg", "big6"},
        {"abc", ""},
        {"", ""},
        {"C:\\dir\\", ""},
        {"/d/Z\xc3\xa4h.dzg", "Z\xc3\xa4h"},
        {"/d/x.dz\xc3\xa4", "x"},
    };
    for (const auto& [path, name] : cases) EXPECT_EQ(DesignSetName(path), name) << path;
}

}  // namespace
}  // namespace zeph
