// Editing dimensions: the dimension boxes, resets, the pointer, the dynamic-variable bars and undo.
#include "ui/session/DimensionEditor.h"

#include "model/design/DimensionTable.h"
#include "model/editing/DynVars.h"
#include "model/design/FrameLimits.h"
#include "model/design/MechanismModel.h"
#include "ui/session/SelfCentre.h"
#include "ui/session/Session.h"

namespace zeph {

namespace {

// The dynamic-variable bars: a thousandth per position.
constexpr BarScale DynVarBarScale{1000, DynVarBarRange};

bool IsDynVarSlot(int slot) { return slot >= 1 && slot <= 4; }

}  // namespace

// Every window's "UnDo" button is enabled while the store holds a level.
void DimensionEditor::UndoStoreChanged() { c_.undoEnabled = !m.Undo.Empty(); }

void DimensionEditor::ClearUndo()
{
    m.Undo.Clear();
    UndoStoreChanged();
}

void DimensionEditor::MarkDimensionTyped() { typed_ = true; }

bool DimensionEditor::SetGrayDimension(int code, float value, bool record)
{
    const DimensionInfo* d = FindDimension(code);
    if (!d || !d->IsGray()) return false;
    const float old = GetDimension(m, *d);
    // The pivot copies and the valve centre-line height follow the dimension.
    SetDimension(m, *d, value);
    m.DynVarSlots[0] = {static_cast<uint32_t>(code), value, d->shortName};
    RegisterDynVar(m);
    if (record) m.Undo.Record({code, old, value, d->shortName});
    return true;
}

void DimensionEditor::LeaveDimensionBox(int code, float value)
{
    const DimensionInfo* d = FindDimension(code);
    if (!d) return;
    if (!d->IsGray()) {
        if (StoreReverseArmRow(m, code, value)) s_.Gear().SetBarRange();
        Emit(Change::Dimensions | Change::Gear);
        return;
    }
    SetGrayDimension(code, value, typed_);
    typed_ = false;
    UndoStoreChanged();
    Emit(Change::Dimensions | Change::DynVars | Change::UndoStore);
}

void DimensionEditor::ApplyDimensions(const std::string& label, std::initializer_list<DimensionValue> values)
{
    ApplyDimensions(label, std::span<const DimensionValue>(values.begin(), values.size()));
}

void DimensionEditor::ApplyDimensions(const std::string& label, std::span<const DimensionValue> values)
{
    m.Undo.BeginGroup(label);
    for (const DimensionValue& v : values) SetGrayDimension(v.code, v.value, true);
    m.Undo.EndGroup();
    UndoStoreChanged();
    Emit(Change::Dimensions | Change::DynVars | Change::UndoStore);
}

void DimensionEditor::CloseDimensionDialog()
{
    m.CalcMidGear();
    s_.Gear().ReturnToMidGear();
    s_.Gear().EmptyCutoffTexts();
    Emit(Change::Dimensions | Change::Gear);
}

void DimensionEditor::ResetFrameDimensions(bool clearUndo)
{
    m.ResetFrameDims();
    s_.Gear().SetBarRange();
    ClearDynVars(m);
    if (clearUndo) ClearUndo();
    Emit(Change::Dimensions | Change::DynVars | Change::UndoStore | Change::Gear);
}

void DimensionEditor::ResetCylinderDimensions(bool clearUndo)
{
    m.ResetCylDims();
    ClearDynVars(m);
    if (clearUndo) ClearUndo();
    Emit(Change::Dimensions | Change::DynVars | Change::UndoStore);
}

void DimensionEditor::ResetAllDimensions()
{
    ResetFrameDimensions(true);
    ResetCylinderDimensions(true);
    m.CalcMidGear();
    s_.Gear().CentreReverseArm();
    s_.View().NormView();
    m.DimSetName = "Nominal";
    m.DiagramVScale = 1.5f;
    m.DynVarOn = false;
    m.UndoOn = false;
    Emit(Change::All);
}

void DimensionEditor::ShowDimensionPointer(int code) { m.GraphicDimCode = code; }

void DimensionEditor::SetGraphicZoom(double zoom)
{
    m.GraphicPosZoom = static_cast<float>(GraphicZoomWithinRange(zoom));
}

// ---- dynamic variables and undo ------------------------------------------------------------

void DimensionEditor::MoveDynVarBar(int slot, int position)
{
    if (!IsDynVarSlot(slot)) return;
    SelfCentre(m, m.BarHistories[static_cast<size_t>(slot)], DynVarBarScale, position, [this, slot](Real) {
        m.DynVarSlotIndex = slot;
        ApplyDynVarStep(m);
    });
    Emit(Change::Dimensions | Change::DynVars);
}

void DimensionEditor::EnterDynVarBar(int slot)
{
    if (!IsDynVarSlot(slot)) return;
    m.ScrollStartValue = m.DynVarSlots[static_cast<size_t>(slot)].value;
}

void DimensionEditor::EndDynVarScroll(int slot)
{
    if (!IsDynVarSlot(slot)) return;
    const DynVarSlot& s = m.DynVarSlots[static_cast<size_t>(slot)];
    if (s.value == m.ScrollStartValue) return;
    m.Undo.Record({static_cast<int32_t>(s.code), m.ScrollStartValue, s.value, s.name});
    UndoStoreChanged();
    Emit(Change::UndoStore);
}

void DimensionEditor::Undo()
{
    UndoNewest(m);
    UndoStoreChanged();
    Emit(Change::UndoStore | Change::Dimensions | Change::DynVars);
}

}  // namespace zeph
