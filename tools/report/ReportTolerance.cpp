// Runs the tolerance study, warns about samples whose figures are missing for a bent linkage, writes the picture.
#include "tools/report/ReportTolerance.h"

#include "model/analysis/ToleranceRanking.h"
#include "model/analysis/ToleranceStudy.h"
#include "tools/report/Report.h"
#include "tools/report/ReportPicture.h"
#include "tools/report/ReportToleranceArgs.h"
#include "tools/report/ReportToleranceOutput.h"

namespace zeph::report {

namespace {

constexpr const char* Prefix = "zepharin-report: ";

int ToleranceWarnings(const ToleranceResult& t, std::ostream& err)
{
    int status = ExitOk;
    if (t.noMidGear > 0) {
        err << Prefix << "warning: " << t.noMidGear << " of " << t.samples
            << " samples have no mid gear; they count as missing in every gear\n";
        status = ExitMechanismError;
    }
    for (const GearSpread& g : t.gears) {
        if (g.nominalError) {
            err << Prefix << "warning: gear " << g.gear
                << ": the linkage could not close during the design's own turn; its nominal figures come from a bent "
                   "linkage\n";
            status = ExitMechanismError;
        }
        if (g.linkageFailures > 0) {
            err << Prefix << "warning: gear " << g.gear << ": the linkage could not close in " << g.linkageFailures
                << " of " << t.samples << " samples; they count as missing\n";
            status = ExitMechanismError;
        }
    }
    return status;
}

}  // namespace

int RunTolerance(const MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err)
{
    const ToleranceRequest q = ToleranceRequestOf(r);
    const ToleranceResult result = RunToleranceStudy(m, q);
    const CutoffRanking ranking = RankCutoffSpread(m, q);
    WriteTolerance(out, {q, result, ranking}, r.csv);
    int status = ToleranceWarnings(result, err);
    if (r.png || r.pdf || r.svg) {
        if (const int failed = ReportPictureFailures(WriteTolerancePicture(result, r), err)) status = failed;
    }
    return status;
}

}  // namespace zeph::report
