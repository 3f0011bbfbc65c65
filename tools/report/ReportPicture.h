// Pictures of the diagrams, exactly as the diagram windows show them, and of a tolerance study, written as PNG files.
#pragma once

#include <string>

#include "model/design/MechanismModel.h"
#include "model/analysis/ToleranceStudy.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

// The painters render their glyphs through Qt, which wants an application object: without one,
// one is made here (on the offscreen platform unless QT_QPA_PLATFORM names another) and lives
// until the program ends.
void EnsureGuiApplication();

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

// Draws the histograms of a tolerance study and saves them as PNG to `path` in the same way.
// Returns the reason when the file could not be written, else empty.
std::string WriteTolerancePicture(const ToleranceResult& result, const std::string& path);

}  // namespace zeph::report
