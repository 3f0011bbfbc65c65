// The one model of the simulated valve gear: a design, the state of its simulation, and the defaults it resets to.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/design/Design.h"
#include "model/core/Real.h"
#include "model/design/SimulationState.h"

namespace zeph {

// The design and its simulation in one object, so that every computation reads m.Frame.Stroke
// and m.DriverAngle alike; a Design can be copied out of it and into a fresh model.
class MechanismModel : public Design, public SimulationState {
public:
    // The defaults the dimension resets restore, from the dimension table.
    std::array<float, FrameDimCount> FrameDefaults{};
    CylDims CylDefaults;            // all but CylCLHeight, Reserved included
    float CylCLHeightDefault = 0;

    // ---- operations --------------------------------------------------------------------
    void ResetRunState();
    void ResetView();
    void LoadFrameDefaults();
    void LoadCylDefaults();
    void ResetFrameDims();
    void ResetCylDims();
    void CalcMidGear();
    void RecalcValveCLHeight();
    // The whole start-up order: resets, defaults and mid gear.
    void StartUp();

    // Dimension access by DimCode (1..27 frame rows, 101..117 cylinder rows), through the
    // dimension table (model/design/DimensionTable.h); other codes read 0 and write nothing.
    static bool IsFrameCode(int code) { return code >= 1 && code <= FrameDimCount; }
    static bool IsCylCode(int code) { return code > CylCodeBase && code <= CylCodeBase + CylDimCount; }
    static bool IsDimCode(int code) { return IsFrameCode(code) || IsCylCode(code); }
    float GetDim(int code) const;
    // Writes a dimension and keeps what depends on it consistent: the pivot copies of
    // rows 13, 14, 23, 24 and the valve centre-line height for codes 102 and 108.
    void SetDim(int code, float value);
};

// The caption the dimension pointer writes for a frame row (1..27), or "" for others.
// Defined with the dimension table.
const char* FrameDimCaption(int row);

}  // namespace zeph
