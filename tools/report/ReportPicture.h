// Pictures of the diagrams, exactly as the diagram windows show them, and of a tolerance study, written as PNG, PDF and SVG files.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/ToleranceStudy.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

// The painters render their glyphs through Qt, which wants an application object: without one,
// one is made here (on the offscreen platform unless QT_QPA_PLATFORM names another) and lives
// until the program ends.
void EnsureGuiApplication();

// A picture file that could not be written, and why.
struct PictureFailure {
    std::string path;
    std::string reason;
};

struct PictureResult {
    std::vector<PictureFailure> failures;  // none when every file is written and safe on the disk
    bool mechanismError = false;           // some solve could not close the linkage
};

// Draws the requested diagram of a prepared design at its window's client size and saves it
// to each file asked for: r.png pixel for pixel as the window shows it, r.pdf and r.svg the
// same drawing as vectors with real text. Each file is replaced only once the new one is whole
// on the disk (anything there but a regular file is refused). Sine, oval and steam pictures plot
// the requested gears (the start-up list of mid, fwd and rev when none are given). Needs no
// display: without a Qt application one is made, on the offscreen platform unless
// QT_QPA_PLATFORM names another.
PictureResult WriteDiagramPicture(MechanismModel& m, const Request& r);

// Draws the histograms of a tolerance study and saves them in the same way to r.png, r.pdf and
// r.svg, those asked for.
std::vector<PictureFailure> WriteTolerancePicture(const ToleranceResult& result, const Request& r);

// Names each failure on err, as "could not write the picture to FILE: reason"; returns the
// exit status for them (ExitWriteFailed) or 0 when there are none.
int ReportPictureFailures(const std::vector<PictureFailure>& failures, std::ostream& err);

}  // namespace zeph::report
