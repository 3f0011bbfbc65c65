// Pictures of the diagrams written as PNG files, exactly as the diagram windows show them.
#pragma once

#include <string>

#include "model/design/MechanismModel.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

struct PictureResult {
    std::string writeError;       // empty when the picture is written and safe on the disk
    bool mechanismError = false;  // some solve could not close the linkage
};

// Draws the requested diagram of a prepared design at its window's client size and saves it
// as PNG to r.png, replacing a file there only once the new one is whole on the disk (anything
// there but a regular file is refused). Sine, oval and steam pictures plot the requested gears
// (the start-up list of mid, fwd and rev when none are given). Needs no display: without a Qt application one is
// made, on the offscreen platform unless QT_QPA_PLATFORM names another.
PictureResult WriteDiagramPicture(MechanismModel& m, const Request& r);

}  // namespace zeph::report
