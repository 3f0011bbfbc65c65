// Where each of the 72 x 5 fields of a design file lives in the model: one table for reading and writing.
#include "model/design/DesignFileLayout.h"

#include "model/design/DimensionTable.h"

namespace zeph {

namespace {

using Kind = DesignField::Kind;

DesignField Frame(int row) { return {Kind::Dimension, row}; }
DesignField Cyl(int row) { return {Kind::Dimension, CylCodeBase + row}; }
DesignField PX(int pivot) { return {Kind::PivotX, pivot}; }
DesignField PY(int pivot) { return {Kind::PivotY, pivot}; }
DesignField Scalar(float Design::* member) { return {Kind::Scalar, 0, member}; }
DesignField Preset(int entry) { return {Kind::ViewPreset, entry}; }
DesignField DiagramPos(int entry) { return {Kind::DiagramRevArm, entry}; }
DesignField Reserved(int which) { return {Kind::Reserved, which}; }
DesignField Line(int slot, float LineSlot::* field) { return {Kind::Line, slot, nullptr, field}; }
const DesignField Zero{Kind::Zero};

struct NamedScalar {
    float Design::* member;
    const char* name;
};
const NamedScalar kScalars[] = {
    {&Design::ViewScale, "view scale"},
    {&Design::ViewPanX, "view pan x"},
    {&Design::ViewPanY, "view pan y"},
    {&Design::GraphicPosZoom, "graphic position zoom"},
    {&Design::RevArmPosition, "reverse-arm position"},
    {&Design::LastDiagramRevArmPos, "last diagram reverse-arm position"},
    {&Design::DiagramVScale, "diagram vertical scale"},
};

struct NamedLineField {
    float LineSlot::* member;
    const char* name;
};
// The thirteen per-slot arrays of records 20 to 71, in file order.
const NamedLineField kLineArrays[] = {
    {&LineSlot::x1, "point 1 x"},         {&LineSlot::y1, "point 1 y"},
    {&LineSlot::x2, "point 2 x"},         {&LineSlot::y2, "point 2 y"},
    {&LineSlot::pivot1X, "pivot 1 x"},    {&LineSlot::pivot1Y, "pivot 1 y"},
    {&LineSlot::pivot2X, "pivot 2 x"},    {&LineSlot::pivot2Y, "pivot 2 y"},
    {&LineSlot::type, "type"},            {&LineSlot::colour, "colour"},
    {&LineSlot::refMode, "reference mode"}, {&LineSlot::pivot1, "pivot 1 number"},
    {&LineSlot::pivot2, "pivot 2 number"},
};
constexpr int RecordsPerLineArray = LineSlotCount / DesignFieldsPerRecord;
constexpr int FirstLineRecord = 19;  // record 20, counted from 0

DesignLayout BuildLayout()
{
    DesignLayout t = {{
        {Frame(16), Frame(2), Frame(4), Frame(1), Frame(3)},
        {Frame(18), Frame(15), Frame(17), Frame(12), Frame(7)},
        {Frame(6), Frame(5), Frame(8), Frame(19), Frame(20)},
        {Frame(22), Frame(21), Frame(9), Frame(14), Frame(13)},
        {Frame(11), Frame(10), Frame(24), Frame(23), PX(BellCrankPivotCopy)},
        {PY(BellCrankPivotCopy), PX(RevArmPivotCopy), PY(RevArmPivotCopy), Cyl(2), Cyl(2)},
        {Cyl(2), Cyl(1), Cyl(3), Cyl(4), Reserved(DesignField::CylinderReserved)},
        {Cyl(5), Cyl(6), Cyl(7), Cyl(9), Cyl(10)},
        {Cyl(11), Cyl(12), Cyl(14), Cyl(15), Cyl(17)},
        {Cyl(8), Cyl(13), Cyl(16), Reserved(0), Reserved(1)},
        {Reserved(2), Reserved(3), Reserved(DesignField::ReservedTwice), Reserved(DesignField::ReservedTwice),
         PY(ValveJoint)},
        {Scalar(&Design::ViewScale), Scalar(&Design::ViewPanX),
         Scalar(&Design::GraphicPosZoom), Scalar(&Design::ViewPanY), Frame(26)},
        {Frame(27), Scalar(&Design::RevArmPosition), Scalar(&Design::LastDiagramRevArmPos),
         Scalar(&Design::LastDiagramRevArmPos), Scalar(&Design::DiagramVScale)},
    }};
    for (int entry = 0; entry < 3 * PresetCount; ++entry) t[13 + entry / 5][entry % 5] = Preset(entry);
    for (int entry = 1; entry < DiagramRevArmEntries; ++entry) t[17 + entry / 5][entry % 5] = DiagramPos(entry);
    for (int array = 0; array < int(std::size(kLineArrays)); ++array)
        for (int slot = 1; slot <= LineSlotCount; ++slot)
            t[FirstLineRecord + array * RecordsPerLineArray + (slot - 1) / 5][(slot - 1) % 5] =
                Line(slot, kLineArrays[array].member);
    t[DesignRecordCount - 1] = {Frame(25), Zero, Zero, Zero, {Kind::CurrentLineSlot}};
    return t;
}

const char* ScalarName(float Design::* member)
{
    for (const NamedScalar& s : kScalars)
        if (s.member == member) return s.name;
    return "value";
}

const char* LineFieldName(float LineSlot::* member)
{
    for (const NamedLineField& f : kLineArrays)
        if (f.member == member) return f.name;
    return "field";
}

float* ReservedPlace(Design& m, int which)
{
    if (which == DesignField::CylinderReserved) return &m.Cyl.Reserved;
    if (which == DesignField::ReservedTwice) return &m.FileReserved.twice;
    return &m.FileReserved.once[which];
}

float* DimensionPlace(Design& m, int code)
{
    const DimStorage& s = FindDimension(code)->storage;
    switch (s.kind) {
    case DimStorage::Frame: return &(m.Frame.*s.frame);
    case DimStorage::Cylinder: return &(m.Cyl.*s.cylinder);
    case DimStorage::PivotX: return &m.Pivots[s.pivot].x;
    case DimStorage::PivotY: return &m.Pivots[s.pivot].y;
    }
    return nullptr;
}

}  // namespace

float* DesignField::Place(Design& m) const
{
    switch (kind) {
    case Kind::Dimension: return DimensionPlace(m, index);
    case Kind::PivotX: return &m.Pivots[index].x;
    case Kind::PivotY: return &m.Pivots[index].y;
    case Kind::Scalar: return &(m.*scalar);
    case Kind::ViewPreset: {
        ViewTriple& preset = m.ViewPresets[index / 3];
        return index % 3 == 0 ? &preset.scale : index % 3 == 1 ? &preset.panX : &preset.panY;
    }
    case Kind::DiagramRevArm: return &m.DiagramRevArmPos[index];
    case Kind::Line: return &(m.Lines[index].*line);
    case Kind::Reserved: return ReservedPlace(m, index);
    case Kind::Zero:
    case Kind::CurrentLineSlot: return nullptr;
    }
    return nullptr;
}

const float* DesignField::Place(const Design& m) const
{
    return Place(const_cast<Design&>(m));
}

std::string DesignField::Describe() const
{
    static const char* const presetParts[] = {"scale", "pan x", "pan y"};
    switch (kind) {
    case Kind::Dimension: {
        const bool frame = MechanismModel::IsFrameCode(index);
        return std::string(frame ? "frame " : "cylinder ") + std::to_string(frame ? index : index - CylCodeBase) +
               " " + FindDimension(index)->caption;
    }
    case Kind::PivotX: return "pivot " + std::to_string(index) + " x";
    case Kind::PivotY: return "pivot " + std::to_string(index) + " y";
    case Kind::Scalar: return ScalarName(scalar);
    case Kind::ViewPreset:
        return "view preset " + std::to_string(index / 3) + " " + presetParts[index % 3];
    case Kind::DiagramRevArm: return "diagram reverse-arm position " + std::to_string(index);
    case Kind::Line: return "line slot " + std::to_string(index) + " " + LineFieldName(line);
    case Kind::Reserved: return "reserved value";
    case Kind::Zero: return "unused field";
    case Kind::CurrentLineSlot: return "current line slot";
    }
    return "field";
}

const DesignLayout& DesignFileLayout()
{
    static const DesignLayout layout = BuildLayout();
    return layout;
}

}  // namespace zeph
