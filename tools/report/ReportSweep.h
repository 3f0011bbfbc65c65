// The report's design from a file and dimension changes, and the angles of a pivots sweep.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/design/MechanismModel.h"
#include "model/analysis/GearSweep.h"
#include "tools/report/ReportArgs.h"

namespace zeph::report {

// A pivots sweep: one angle, or a whole turn from 0 up to and including 360.
struct PivotAngles {
    long count = 1;
    std::optional<double> single;
    double step = 0;
    double At(long k) const;
};

// A design file that cannot be read or is refused; the message is one line naming the file.
class DesignFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Opens the design file at `path` into a started model as the simulator opens it: its
// dimensions, view and lines, then mid gear, all or nothing. Throws DesignFileError.
void LoadDesign(MechanismModel& m, const std::string& path);

// Starts the model, opens the requested design file, applies the dimension changes in order,
// then finds mid gear again. Throws DesignFileError for a file that cannot be opened, and
// UsageError when the design has no mid gear (reverse-arm centre not finite).
void PrepareDesign(MechanismModel& m, const Request& r);

PivotAngles PivotAnglesOf(const Request& r);

}  // namespace zeph::report
