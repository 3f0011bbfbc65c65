// The one table of the 44 dimensions: where each is stored, its default, its texts and its pointer view.
#pragma once

#include <span>

#include "model/design/MechanismModel.h"

namespace zeph {

// Where a dimension's value lives in the model. Six frame rows are coordinates of fixed pivots
// and the cylinder centre-line height is pivot 3 y.
struct DimStorage {
    enum Kind { Frame, Cylinder, PivotX, PivotY };
    Kind kind;
    float FrameDims::* frame = nullptr;
    float CylDims::* cylinder = nullptr;
    int pivot = 0;
};

// The view the dimension pointer takes for a dimension: its zoom at the default graphic zoom
// and, for most dimensions, its own pan.
struct PointerView {
    float zoomK = 0;
    bool setsPan = false;
    float panX = 0, panY = 0;
};

struct DimensionInfo {
    int code;                 // 1..27 frame rows, 101..117 cylinder rows
    DimStorage storage;
    float defaultValue;
    const char* caption;      // what the pointer writes beside the dimension
    const char* label;        // the dialog's label, first line
    const char* label2;       // its second line, "" for one-line labels
    const char* shortName;    // name in the dynamic-variable panel and undo line; "" for white rows
    PointerView pointer;

    // The copy a fulcrum row also writes (pivot 7 or 17), 0 for none.
    int PivotCopy() const;
    // Rows whose value enters the valve centre-line height (cylinder rows 2 and 8).
    bool MovesValveCentreLine() const { return code == 102 || code == 108; }
    // Gray rows: the dimension can become a dynamic variable and typed changes are undoable.
    bool IsGray() const { return shortName[0] != '\0'; }
};

// The 27 frame rows in dialog order, and the 17 cylinder rows.
std::span<const DimensionInfo> FrameDimensionRows();
std::span<const DimensionInfo> CylinderDimensionRows();

// The row of a code, or null when the code names no dimension.
const DimensionInfo* FindDimension(int code);

// The dimension's value in a model.
float GetDimension(const MechanismModel& m, const DimensionInfo& d);
// Writes the value and keeps what depends on it in step: the pivot copy of a fulcrum row and
// the valve centre-line height.
void SetDimension(MechanismModel& m, const DimensionInfo& d, float value);

}  // namespace zeph
