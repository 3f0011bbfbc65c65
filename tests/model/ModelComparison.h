// Compares two whole models field by field, reals bit for bit, and names the first difference.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "model/design/MechanismModel.h"

namespace zeph::test {

class ModelComparison {
public:
    // The name of the first field that differs, or "" when the models are the same.
    static std::string FirstDifference(const MechanismModel& a, const MechanismModel& b)
    {
        ModelComparison c;
        c.Models(a, b);
        return c.first_;
    }
    // The same over the simulation state only.
    static std::string FirstSimulationDifference(const SimulationState& a, const SimulationState& b)
    {
        ModelComparison c;
        c.Simulations(Name{nullptr, "simulation"}, a, b);
        return c.first_;
    }

private:
    // A field's name, spelled out only when it differs: "model.Pivots[3].x".
    struct Name {
        const Name* parent = nullptr;
        const char* field = nullptr;  // null for an array element
        size_t index = 0;

        std::string Text() const
        {
            const std::string up = parent ? parent->Text() : "";
            return field ? (parent ? up + "." : up) + field : up + "[" + std::to_string(index) + "]";
        }
    };

    std::string first_;

    void Differs(const Name& name)
    {
        if (first_.empty()) first_ = name.Text();
    }

    // Reals are equal only bit for bit, so NaN payloads and the sign of zero count.
    void Same(const Name& name, float a, float b)
    {
        if (std::bit_cast<uint32_t>(a) != std::bit_cast<uint32_t>(b)) Differs(name);
    }
    template <typename T>
    void Same(const Name& name, const T& a, const T& b)
    {
        if (!(a == b)) Differs(name);
    }
    template <typename T, size_t N>
    void Same(const Name& name, const std::array<T, N>& a, const std::array<T, N>& b)
    {
        for (size_t i = 0; i < N; ++i) Same(Name{&name, nullptr, i}, a[i], b[i]);
    }

#define ZEPH_SAME(field) Same(Name{&name, #field}, a.field, b.field)
    void Same(const Name& name, const FrameDims& a, const FrameDims& b)
    {
        ZEPH_SAME(DriverDia); ZEPH_SAME(Stroke); ZEPH_SAME(MainRodLen); ZEPH_SAME(EccCircleDia);
        ZEPH_SAME(EccCrankLen); ZEPH_SAME(EccRodLeft); ZEPH_SAME(EccRodRight); ZEPH_SAME(RadHangerLen);
        ZEPH_SAME(GuideLinkRadius); ZEPH_SAME(TransYokeLen); ZEPH_SAME(BellCrankVert);
        ZEPH_SAME(BellCrankBackSet); ZEPH_SAME(BellCrankHorz); ZEPH_SAME(ValveConRodLen); ZEPH_SAME(AuxRodVert);
        ZEPH_SAME(AuxRodHorz); ZEPH_SAME(RevArmUpper); ZEPH_SAME(RevArmLower); ZEPH_SAME(OffsetAngle);
        ZEPH_SAME(RevArmNorm); ZEPH_SAME(RevArmMax);
    }
    void Same(const Name& name, const CylDims& a, const CylDims& b)
    {
        ZEPH_SAME(CylCentreX); ZEPH_SAME(CylBoreDia); ZEPH_SAME(CylBoreLen); ZEPH_SAME(CylPortWidth);
        ZEPH_SAME(PistonRodLen); ZEPH_SAME(PistonWidth); ZEPH_SAME(ValveCLOffset); ZEPH_SAME(ValveBoreDia);
        ZEPH_SAME(ValveBoreLen); ZEPH_SAME(ValvePortOffset); ZEPH_SAME(ValvePortWidthRear);
        ZEPH_SAME(ValvePortWidthFront); ZEPH_SAME(ValveInsideEdge); ZEPH_SAME(ValveEndWidthRear);
        ZEPH_SAME(ValveEndWidthFront); ZEPH_SAME(ValveJointOffset); ZEPH_SAME(Reserved);
    }
    void Same(const Name& name, const Pivot& a, const Pivot& b)
    {
        ZEPH_SAME(x); ZEPH_SAME(y);
    }
    void Same(const Name& name, const ViewTriple& a, const ViewTriple& b)
    {
        ZEPH_SAME(scale); ZEPH_SAME(panX); ZEPH_SAME(panY);
    }
    void Same(const Name& name, const EventLevels& a, const EventLevels& b)
    {
        ZEPH_SAME(FrontSteamOpenLevel); ZEPH_SAME(FrontSteamMaxLevel); ZEPH_SAME(FrontExhaustOpenLevel);
        ZEPH_SAME(RearSteamOpenLevel); ZEPH_SAME(RearSteamMaxLevel); ZEPH_SAME(RearExhaustOpenLevel);
        ZEPH_SAME(ValveTravel); ZEPH_SAME(LeadFrontBase); ZEPH_SAME(LeadRearBase); ZEPH_SAME(LapFrontBase);
        ZEPH_SAME(LapRearBase); ZEPH_SAME(ExClFrontBase); ZEPH_SAME(ExClRearBase);
    }
    void Same(const Name& name, const PortState& a, const PortState& b)
    {
        ZEPH_SAME(PistonTravel); ZEPH_SAME(FrontSteamOpening); ZEPH_SAME(FrontExhaustOpening);
        ZEPH_SAME(RearSteamOpening); ZEPH_SAME(RearExhaustOpening);
    }
    void Same(const Name& name, const SteamState& a, const SteamState& b)
    {
        ZEPH_SAME(FrontPhase); ZEPH_SAME(RearPhase); ZEPH_SAME(FrontDensity); ZEPH_SAME(RearDensity);
        ZEPH_SAME(FrontDots); ZEPH_SAME(RearDots); ZEPH_SAME(FrontExhaustArmed); ZEPH_SAME(RearExhaustArmed);
        ZEPH_SAME(FrontBeatDensity); ZEPH_SAME(RearBeatDensity); ZEPH_SAME(FrontColour); ZEPH_SAME(RearColour);
    }
    void Same(const Name& name, const CutoffState& a, const CutoffState& b)
    {
        ZEPH_SAME(FrontTicks); ZEPH_SAME(RearTicks); ZEPH_SAME(PrevPistonTravel); ZEPH_SAME(LabelsShown);
        ZEPH_SAME(FrontValueShown); ZEPH_SAME(RearValueShown);
    }
    void Same(const Name& name, const PivotDataState& a, const PivotDataState& b)
    {
        ZEPH_SAME(PivotSlot); ZEPH_SAME(PivotSlotShown); ZEPH_SAME(SlotAwaitingPivot); ZEPH_SAME(AwaitingPivot);
        ZEPH_SAME(LeftPressedForLines);
    }
    void Same(const Name& name, const LineRowShown& a, const LineRowShown& b)
    {
        ZEPH_SAME(type); ZEPH_SAME(colour); ZEPH_SAME(reference); ZEPH_SAME(boxes);
    }
    void Same(const Name& name, const LineDialogState& a, const LineDialogState& b)
    {
        ZEPH_SAME(TypeChoice); ZEPH_SAME(ColourChoice); ZEPH_SAME(ReferenceChoice); ZEPH_SAME(RememberedRefX);
        ZEPH_SAME(RememberedRefY); ZEPH_SAME(SteppedBackForPick); ZEPH_SAME(Rows);
    }
    void Same(const Name& name, const PointerState& a, const PointerState& b)
    {
        ZEPH_SAME(Ticks); ZEPH_SAME(BlinkTicks); ZEPH_SAME(ReopenFrameDialog); ZEPH_SAME(Active);
        ZEPH_SAME(ShownCode); ZEPH_SAME(ShownRed); ZEPH_SAME(LineView);
    }
    void Same(const Name& name, const DynVarSlot& a, const DynVarSlot& b)
    {
        ZEPH_SAME(code); ZEPH_SAME(value); ZEPH_SAME(name);
    }
    void Same(const Name& name, const LineSlot& a, const LineSlot& b)
    {
        ZEPH_SAME(type); ZEPH_SAME(colour); ZEPH_SAME(refMode); ZEPH_SAME(x1); ZEPH_SAME(y1); ZEPH_SAME(x2);
        ZEPH_SAME(y2); ZEPH_SAME(pivot1); ZEPH_SAME(pivot1X); ZEPH_SAME(pivot1Y); ZEPH_SAME(pivot2);
        ZEPH_SAME(pivot2X); ZEPH_SAME(pivot2Y);
    }
    void Same(const Name& name, const BarHistory& a, const BarHistory& b)
    {
        ZEPH_SAME(last); ZEPH_SAME(secondLast);
    }
    void Same(const Name& name, const DesignFileReserved& a, const DesignFileReserved& b)
    {
        ZEPH_SAME(once); ZEPH_SAME(twice);
    }

    // Each part of the model in full: a field added to Design, SimulationState or the model
    // itself belongs in the list of its part.
    void Designs(const Name& name, const Design& a, const Design& b)
    {
        ZEPH_SAME(Frame); ZEPH_SAME(Cyl); ZEPH_SAME(Pivots); ZEPH_SAME(RevArmPosition); ZEPH_SAME(ViewScale);
        ZEPH_SAME(ViewPanX); ZEPH_SAME(ViewPanY); ZEPH_SAME(ViewPresets); ZEPH_SAME(GraphicPosZoom);
        ZEPH_SAME(DiagramRevArmPos); ZEPH_SAME(LastDiagramRevArmPos); ZEPH_SAME(DiagramVScale); ZEPH_SAME(Lines);
        ZEPH_SAME(CurrentLineSlot); ZEPH_SAME(FileReserved); ZEPH_SAME(DimSetName);
    }
    void Simulations(const Name& name, const SimulationState& a, const SimulationState& b)
    {
        ZEPH_SAME(RevArmCentre); ZEPH_SAME(AuxRodDiag); ZEPH_SAME(RadHangerAngle); ZEPH_SAME(Levels);
        ZEPH_SAME(Ports); ZEPH_SAME(DriverAngle); ZEPH_SAME(StepAngle); ZEPH_SAME(ChosenStepAngle);
        ZEPH_SAME(DiagramRevArmCount); ZEPH_SAME(Direction); ZEPH_SAME(MechanismError); ZEPH_SAME(ErrorBeepOn);
        ZEPH_SAME(SteamDisplayOn); ZEPH_SAME(LineWidth); ZEPH_SAME(GraphicDimCode); ZEPH_SAME(FrontCutoffText);
        ZEPH_SAME(RearCutoffText); ZEPH_SAME(DynVarStep); ZEPH_SAME(DynVarSlots); ZEPH_SAME(DynVarSlotIndex);
        ZEPH_SAME(BarHistories); ZEPH_SAME(ScrollStartValue); ZEPH_SAME(Undo); ZEPH_SAME(LineDialog); ZEPH_SAME(PivotData);
        ZEPH_SAME(PrevFrontSteamOpening); ZEPH_SAME(PrevRearSteamOpening); ZEPH_SAME(Steam); ZEPH_SAME(Cutoff);
        ZEPH_SAME(ErrorTicks); ZEPH_SAME(Pointer); ZEPH_SAME(SavedZoom); ZEPH_SAME(SavedPanX);
        ZEPH_SAME(SavedPanY); ZEPH_SAME(HomeView); ZEPH_SAME(MappedView);
        ZEPH_SAME(ScreenDataOn); ZEPH_SAME(RefPointsOn); ZEPH_SAME(DynVarOn); ZEPH_SAME(UndoOn);
        ZEPH_SAME(PivotDataOn); ZEPH_SAME(LinePromptOn);
    }
    void Models(const MechanismModel& a, const MechanismModel& b)
    {
        const Name name{nullptr, "model"};
        Designs(name, a, b);
        Simulations(name, a, b);
        ZEPH_SAME(FrameDefaults); ZEPH_SAME(CylDefaults); ZEPH_SAME(CylCLHeightDefault);
    }
#undef ZEPH_SAME
};

}  // namespace zeph::test
