// The animate subcommand: its options, the gear and view it places, and one driver turn written as a looping GIF.
#pragma once

#include <ostream>
#include <string>

#include "model/design/MechanismModel.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

// The frames' size when --size is not given: the main window's client area at the start.
constexpr FrameSize DefaultFrameSize{632, 380};
// The step when --step is not given, degrees (36 frames a turn).
constexpr double DefaultAnimationStep = 10.0;

void ApplyGif(Request& r, const std::string& value);    // --gif FILE
void ApplyView(Request& r, const std::string& value);   // --view PRESET (1..6)
void ApplySize(Request& r, const std::string& value);   // --size WxH
void ApplySteam(Request& r, const std::string& value);  // --steam

// Needs --gif, one gear at the most, and a step within the animation's limits.
void CheckAnimation(const Request& r);

// Puts the prepared design in the requested gear (the reverse arm and the driver's direction)
// and view preset. Throws UsageError for a preset that holds no view.
void PlaceAnimation(MechanismModel& m, const Request& r);

// Makes the frames of one turn as the main window shows them and writes the GIF (each frame
// standing 2 hundredths of a second, about the window's tick). Returns the exit status.
int RunAnimation(const MechanismModel& m, const Request& r, std::ostream& err);

}  // namespace zeph::report
