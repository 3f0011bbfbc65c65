// The cylinder section with piston and valve, and the steam in it shown as phase-coloured dots.
#pragma once

#include "model/MechanismModel.h"
#include "platform/Canvas.h"
#include "platform/Colour.h"
#include "platform/Random.h"
#include "platform/Sound.h"

namespace zeph {

class SteamDisplay {
public:
    SteamDisplay(MechanismModel& model, SoundSink& sound, Random& random);

    // Gray cylinder and passage outline, black piston, piston rod, valve stem and heads.
    void DrawOutline(Canvas& c);
    // Live steam, the phase and density of each cylinder end, its dots, the exhaust
    // spaces, the legend and the exhaust beats.
    void DrawSteam(Canvas& c);

private:
    void LiveSteam(Canvas& c);
    void PhaseColour(float steam, float exhaust, char& phase, TColor& colour);
    void Density(float steam, float exhaust, TColor colour, float& density, int32_t& dots);
    void CylinderEnd(Canvas& c, int count, int xFrom, int xTo, TColor colour);
    int32_t GuardedHeight(int32_t h);
    void FrontPassage(Canvas& c, TColor colour);
    void RearPassage(Canvas& c, TColor colour);
    void ExhaustSpace(Canvas& c, bool front);
    void ExhaustCone(Canvas& c, int32_t h, TColor colour);
    void Legend(Canvas& c);
    void Beats();
    void Beat(float exhaust, char& armed, float& beatDensity, float density, float otherBeatDensity);

    MechanismModel& m;
    SoundSink& sound_;
    Random& rnd_;
};

// The exhaust beat's loudness for a steam density (both channels alike); 0 keeps the volume.
uint32_t BeatVolume(int32_t v);

}  // namespace zeph
