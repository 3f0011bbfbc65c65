// Editing dimensions: the dimension boxes, resets, the pointer, the dynamic-variable bars and undo.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

#include "ui/session/SessionController.h"

namespace zeph {

// A dimension by its code and the value it is to take.
struct DimensionValue {
    int code;
    float value;
};

class DimensionEditor : SessionController {
public:
    using SessionController::SessionController;

    // A key the filter let through in a gray dimension box: the next exit records an undo level.
    void MarkDimensionTyped();
    bool DimensionTyped() const { return typed_; }
    // Leaving a dimension box with its value: a gray row records its undo level (when typed) and
    // becomes the newest dynamic variable; rows 25..27 store their value with their limits.
    void LeaveDimensionBox(int code, float value);
    // Several gray dimensions changed by one command: one undo level named `label`, undone
    // together. Codes of no gray dimension are passed over.
    void ApplyDimensions(const std::string& label, std::initializer_list<DimensionValue> values);
    void ApplyDimensions(const std::string& label, std::span<const DimensionValue> values);
    // "Close" of either dimension dialog: mid gear, the reverse arm centred, cut-offs cleared.
    void CloseDimensionDialog();
    // The reset buttons' halves: the press resets the dimensions and the slots, the click also
    // empties the undo store.
    void ResetFrameDimensions(bool clearUndo);
    void ResetCylinderDimensions(bool clearUndo);
    void ResetAllDimensions();
    void ShowDimensionPointer(int code);
    // The pointer-zoom dialog: kept within 0.5..2000.
    void SetGraphicZoom(double zoom);

    void MoveDynVarBar(int slot, int position);
    void EnterDynVarBar(int slot);
    // A finished scroll of a slot's bar: one undo level from the value the bar found, none when
    // the value is where it started (a thumb clicked and let go), so no real level is pushed out.
    void EndDynVarScroll(int slot);
    void Undo();

private:
    // A gray dimension set to a value, recorded for undo when `record`, and made the newest
    // dynamic variable. False for a code of no gray dimension.
    bool SetGrayDimension(int code, float value, bool record);
    void UndoStoreChanged();
    void ClearUndo();

    bool typed_ = false;  // a key went into the dimension box being edited
};

}  // namespace zeph
