// The lines and circles laid over the mechanism: placing a slot from the reference points and pivots, the dialog's rows, and what each slot draws.
#include "model/overlay/LineOverlay.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/core/FixedText.h"
#include "model/overlay/PivotData.h"

namespace zeph {

static_assert(LineRowCount == LineSlotCount, "one dialog row per line slot");

namespace {

enum Type { LineType = 0, CircleType = 1 };
enum Mode { Fixed = 0, OnePivot = 1, PivotAndFixed = 2, TwoPivots = 3 };

// The colour values of the six colour choices: black, red, green, yellow, blue, gray.
constexpr std::array<uint32_t, 6> kColours = {0, 255, 32768, 65535, 16711680, 8421504};
constexpr int TypeCount = 2, ReferenceCount = 4;

// A slot field holding one of a few whole numbers 0..count-1, or -1.
int Choice(float value, int count)
{
    for (int i = 0; i < count; ++i)
        if (value == static_cast<float>(i)) return i;
    return -1;
}

// A choice number as a row shows it: -1 unless it is one of `count` choices.
int32_t Shown(int choice, int count) { return choice >= 0 && choice < count ? choice : -1; }

// The colour choice whose value a slot holds, or -1.
int32_t ColourChoiceOf(float value)
{
    for (size_t i = 0; i < kColours.size(); ++i)
        if (value == static_cast<float>(kColours[i])) return static_cast<int32_t>(i);
    return -1;
}

LineRowShown* EditedRow(MechanismModel& m)
{
    const int s = m.CurrentLineSlot;
    return s >= 1 && s <= LineRowCount ? &m.LineDialog.Rows[static_cast<size_t>(s)] : nullptr;
}

bool ValidRow(int row) { return row >= 1 && row <= LineRowCount; }

void ClearChoices(LineDialogState& d)
{
    d.TypeChoice = d.ColourChoice = d.ReferenceChoice = -1;
}

std::string BoxText(Real v) { return FixedText(static_cast<double>(v), 7, 3); }

// The slot field of a box's column.
template <class Slot>
auto& Field(Slot& s, int box)
{
    switch (box) {
    case 1: return s.y1;
    case 2: return s.x1;
    case 3: return s.y2;
    default: return s.x2;
    }
}

// Takes the pivot nearest to a reference point as one of the slot's pivots, with the position it
// has now; when none is found the slot keeps the pivot it had.
void TakePivot(const MechanismModel& m, int reference, float& number, float& x, float& y)
{
    const Pivot& ref = m.Pivots[static_cast<size_t>(reference)];
    if (const std::optional<int> nearest = NearestPivot(m, {ref.x, ref.y})) number = static_cast<float>(*nearest);
    if (const std::optional<int> n = PivotNumber(number)) {
        x = m.Pivots[static_cast<size_t>(*n)].x;
        y = m.Pivots[static_cast<size_t>(*n)].y;
    }
}

// The points the slot draws from, given the reference points it was placed with: offsets from
// the recorded positions of its pivots where carried; a circle's radius in point 2 x.
void ConvertPoints(const MechanismModel& m, LineSlot& s, int type, int mode)
{
    const Real x1 = s.x1, y1 = s.y1, x2 = s.x2, y2 = s.y2;
    auto set = [&s](Real ax, Real ay, Real bx, Real by) {
        s.x1 = static_cast<float>(ax);
        s.y1 = static_cast<float>(ay);
        s.x2 = static_cast<float>(bx);
        s.y2 = static_cast<float>(by);
    };
    const Real p1x = s.pivot1X, p1y = s.pivot1Y, p2x = s.pivot2X, p2y = s.pivot2Y;
    if (type == LineType) {
        if (mode == OnePivot) set(x1 - p1x, y1 - p1y, x2 - p1x, y2 - p1y);
        if (mode == PivotAndFixed) set(x1 - p1x, y1 - p1y, x2, y2);
        if (mode == TwoPivots) set(x1 - p1x, y1 - p1y, x2 - p2x, y2 - p2y);
        return;
    }
    const LineDialogState& d = m.LineDialog;
    if (mode == Fixed) set(x1, y1, std::hypot(x1 - x2, y1 - y2), y2);
    if (mode == OnePivot) set(x1 - p1x, y1 - p1y, std::hypot(Real(d.RememberedRefX) - x2, Real(d.RememberedRefY) - y2), y2);
}

void ShowSlotInRow(const LineSlot& s, LineRowShown& row, bool circle)
{
    row.boxes = {BoxText(s.y1), BoxText(s.x1), circle ? std::string() : BoxText(s.y2), BoxText(s.x2)};
}

// Where a pivot number points now, when it is a pivot.
std::optional<std::array<Real, 2>> PivotAt(const MechanismModel& m, float number)
{
    const std::optional<int> n = PivotNumber(number);
    if (!n) return std::nullopt;
    const Pivot& p = m.Pivots[static_cast<size_t>(*n)];
    return std::array<Real, 2>{p.x, p.y};
}

bool Finite(const LineShape& s)
{
    return std::isfinite(s.x1) && std::isfinite(s.y1) && std::isfinite(s.x2) && std::isfinite(s.y2) &&
           std::isfinite(s.r);
}

}  // namespace

uint32_t LineColourValue(int choice)
{
    return choice >= 0 && choice < static_cast<int>(kColours.size()) ? kColours[static_cast<size_t>(choice)] : 0;
}

LineSlot* EditedLineSlot(MechanismModel& m)
{
    const int s = m.CurrentLineSlot;
    return s >= 1 && s <= LineSlotCount ? &m.Lines[static_cast<size_t>(s)] : nullptr;
}

int LineSlotBeingEdited(const MechanismModel& m)
{
    const int slot = m.CurrentLineSlot + (m.LineDialog.SteppedBackForPick ? 1 : 0);
    return std::clamp(slot, 1, LineSlotCount);
}

LineCommandResult ChooseLineType(MechanismModel& m, int type)
{
    LineDialogState& d = m.LineDialog;
    const Pivot& r1 = m.Pivots[RefPoint1];
    const Pivot& r2 = m.Pivots[RefPoint2];
    if (type < LineType || type > CircleType) return {};
    if (r1.x == 0 && r1.y == 0 && r2.x == 0 && r2.y == 0) {
        d.TypeChoice = -1;
        return {true, true};
    }
    d.TypeChoice = type;
    if (LineRowShown* row = EditedRow(m)) row->type = Shown(type, TypeCount);
    return {};
}

LineCommandResult ChooseLineColour(MechanismModel& m, int colour)
{
    LineDialogState& d = m.LineDialog;
    if (colour < 0 || colour >= static_cast<int>(kColours.size())) return {};
    if (d.TypeChoice < 0) {
        d.ColourChoice = -1;
        return {true, false};
    }
    d.ColourChoice = colour;
    if (LineRowShown* row = EditedRow(m)) row->colour = Shown(colour, static_cast<int>(kColours.size()));
    return {};
}

LineCommandResult ChooseLineReference(MechanismModel& m, int mode)
{
    LineDialogState& d = m.LineDialog;
    if (mode < Fixed || mode > TwoPivots) return {};
    if (d.TypeChoice < 0 || d.ColourChoice < 0) {
        d.ReferenceChoice = -1;
        return {true, false};
    }
    d.ReferenceChoice = mode;
    if (LineSlot* s = EditedLineSlot(m)) {
        s->x1 = m.Pivots[RefPoint1].x;
        s->y1 = m.Pivots[RefPoint1].y;
        s->x2 = m.Pivots[RefPoint2].x;
        s->y2 = m.Pivots[RefPoint2].y;
        s->refMode = static_cast<float>(mode);
    }
    if (LineRowShown* row = EditedRow(m)) row->reference = Shown(mode, ReferenceCount);
    if (mode == Fixed) return {};
    m.LinePromptOn = true;
    if (d.TypeChoice == CircleType && mode != OnePivot) {
        ClearLine(m);
        return {true, false};
    }
    // Closed for the pick; the opening after it steps forward to this slot again.
    --m.CurrentLineSlot;
    d.SteppedBackForPick = true;
    return {false, true};
}

void ActivateLinesDialog(MechanismModel& m)
{
    LineDialogState& d = m.LineDialog;
    if (d.ReferenceChoice < 0) {
        d.RememberedRefX = m.Pivots[RefPoint1].x;
        d.RememberedRefY = m.Pivots[RefPoint1].y;
        return;
    }
    if (d.ReferenceChoice == Fixed) return;
    if (d.SteppedBackForPick) {
        ++m.CurrentLineSlot;
        d.SteppedBackForPick = false;
    }
    LineSlot* s = EditedLineSlot(m);
    if (!s) return;
    TakePivot(m, RefPoint1, s->pivot1, s->pivot1X, s->pivot1Y);
    if (d.ReferenceChoice == TwoPivots) TakePivot(m, RefPoint2, s->pivot2, s->pivot2X, s->pivot2Y);
}

LineCommandResult DrawLineAndClose(MechanismModel& m)
{
    LineDialogState& d = m.LineDialog;
    LineSlot* s = EditedLineSlot(m);
    if (s && d.ColourChoice >= 0) s->colour = static_cast<float>(LineColourValue(d.ColourChoice));
    if (s && d.TypeChoice >= 0) s->type = static_cast<float>(d.TypeChoice);
    if (!DrawCloseEnabled(m)) return {};
    if (s) {
        ConvertPoints(m, *s, d.TypeChoice, d.ReferenceChoice);
        ShowSlotInRow(*s, *EditedRow(m), d.TypeChoice == CircleType);
    }
    LineCommandResult result{false, true};
    const int next = m.CurrentLineSlot + 1;
    if (next > LineSlotCount) {
        result.beep = true;
        m.CurrentLineSlot = LineSlotCount;
    } else {
        m.CurrentLineSlot = std::max(next, 1);
    }
    m.LinePromptOn = false;
    ClearChoices(d);
    return result;
}

LineCommandResult CloseLinesDialog(MechanismModel& m)
{
    ClearChoices(m.LineDialog);
    m.LinePromptOn = false;
    return {false, true};
}

void ClearLine(MechanismModel& m)
{
    if (LineSlot* s = EditedLineSlot(m)) *s = LineSlot{};
    if (LineRowShown* row = EditedRow(m)) *row = LineRowShown{};
    ClearChoices(m.LineDialog);
    m.LinePromptOn = false;
}

void SelectLineRow(MechanismModel& m, int row)
{
    if (!ValidRow(row)) return;
    m.CurrentLineSlot = row;
    m.LineDialog.SteppedBackForPick = false;
    ClearChoices(m.LineDialog);
}

bool DrawCloseEnabled(const MechanismModel& m)
{
    const LineDialogState& d = m.LineDialog;
    return d.TypeChoice >= 0 && d.ColourChoice >= 0 && d.ReferenceChoice >= 0;
}

bool LinesAwaitOnePivot(const MechanismModel& m)
{
    const LineDialogState& d = m.LineDialog;
    return d.TypeChoice >= 0 && d.ColourChoice >= 0 && d.ReferenceChoice >= Fixed && d.ReferenceChoice < TwoPivots;
}

bool LinesAwaitTwoPivots(const MechanismModel& m)
{
    const LineDialogState& d = m.LineDialog;
    return d.TypeChoice >= 0 && d.ColourChoice >= 0 && d.ReferenceChoice == TwoPivots;
}

bool LineBoxTakesKeys(const MechanismModel& m, int row, int box)
{
    if (!ValidRow(row)) return false;
    return !(box == 3 && m.LineDialog.Rows[static_cast<size_t>(row)].type == CircleType);
}

float LineBoxValue(const MechanismModel& m, int row, int box)
{
    if (!ValidRow(row) || box < 1 || box > LineBoxCount) return 0;
    return Field(m.Lines[static_cast<size_t>(row)], box);
}

void StoreLineBox(MechanismModel& m, int row, int box, const std::string& text, float value)
{
    if (!ValidRow(row) || box < 1 || box > LineBoxCount) return;
    m.LineDialog.Rows[static_cast<size_t>(row)].boxes[static_cast<size_t>(box - 1)] = text;
    Field(m.Lines[static_cast<size_t>(row)], box) = value;
}

void RefillLineRows(MechanismModel& m)
{
    for (int i = 1; i <= LineSlotCount; ++i) {
        const LineSlot& s = m.Lines[static_cast<size_t>(i)];
        LineRowShown& row = m.LineDialog.Rows[static_cast<size_t>(i)];
        if (!(s.type > -1)) {
            row.boxes = {};
            continue;
        }
        row.boxes = {BoxText(s.y1), BoxText(s.x1), BoxText(s.y2), BoxText(s.x2)};
        row.type = Choice(s.type, TypeCount);
        row.colour = ColourChoiceOf(s.colour);
        row.reference = Choice(s.refMode, ReferenceCount);
    }
}

void BlankLineCaptions(MechanismModel& m)
{
    for (LineRowShown& row : m.LineDialog.Rows) row.type = row.colour = row.reference = -1;
}

std::optional<uint32_t> SlotColour(const LineSlot& s)
{
    const float c = s.colour;
    if (!(c >= 0 && c <= 16777215.0f) || c != std::floor(c)) return std::nullopt;
    return static_cast<uint32_t>(c);
}

LineShape SlotShape(const MechanismModel& m, int slot)
{
    if (slot < 1 || slot > LineSlotCount) return {};
    const LineSlot& s = m.Lines[static_cast<size_t>(slot)];
    const int type = Choice(s.type, 2), mode = Choice(s.refMode, 4);
    if (type < 0 || mode < 0 || !SlotColour(s)) return {};
    if (type == CircleType && mode > OnePivot) return {};
    std::array<Real, 2> p1{0, 0}, p2{0, 0};
    if (mode != Fixed) {
        const auto at = PivotAt(m, s.pivot1);
        if (!at) return {};
        p1 = *at;
    }
    if (mode == TwoPivots) {
        const auto at = PivotAt(m, s.pivot2);
        if (!at) return {};
        p2 = *at;
    }
    LineShape shape;
    shape.x1 = p1[0] + s.x1;
    shape.y1 = p1[1] + s.y1;
    if (type == CircleType) {
        shape.kind = LineShape::Circle;
        shape.r = s.x2;
    } else {
        // The second end: fixed to the frame, or carried by pivot 1 (mode 1) or pivot 2 (mode 3).
        const std::array<Real, 2> base = mode == OnePivot ? p1 : p2;
        shape.kind = LineShape::Line;
        shape.x2 = base[0] + s.x2;
        shape.y2 = base[1] + s.y2;
    }
    return Finite(shape) ? shape : LineShape{};
}

}  // namespace zeph
