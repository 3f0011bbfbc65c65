// Runs the events and pivots subcommands and turns refusals and linkage errors into exit statuses.
#include "tools/report/Report.h"

#include "model/MechanismModel.h"
#include "tools/report/ReportArgs.h"
#include "tools/report/ReportOutput.h"
#include "tools/report/ReportSweep.h"

namespace zeph::report {

namespace {

constexpr const char* Prefix = "zepharin-report: ";

int RunEvents(MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err)
{
    const double step = r.step.value_or(DefaultEventsStep);
    std::vector<GearEvents> results;
    for (const GearRequest& g : r.gears) results.push_back(SweepGearEvents(m, ResolveGear(m, g), step));
    WriteEvents(out, results, step, r.csv);
    int status = ExitOk;
    for (const GearEvents& ev : results) {
        if (!ev.mechanismError) continue;
        err << Prefix << "warning: gear " << ev.gear.label
            << ": the linkage could not close during the turn; its figures come from a bent linkage\n";
        status = ExitMechanismError;
    }
    return status;
}

// Writes one solve per angle as it comes, so memory stays flat however fine the step; stops at
// the first row the output refuses. The table first runs the same solves once for its widths.
int RunPivots(MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err)
{
    const Gear gear = ResolveGear(m, r.gears.front());
    const PivotAngles angles = PivotAnglesOf(r);
    ColumnWidths widths;
    if (!r.csv) {
        widths.Widen(PivotsHeader());
        for (long k = 0; k < angles.count; ++k) widths.Widen(PivotFields(SolveAt(m, gear, angles.At(k))));
        WritePivotsTitle(out, gear);
    }
    const auto write = [&](const Row& row) { r.csv ? WriteCsvRow(out, row) : WriteAlignedRow(out, row, widths); };
    write(PivotsHeader());
    long failed = 0;
    for (long k = 0; k < angles.count && out; ++k) {
        const LinkageSample s = SolveAt(m, gear, angles.At(k));
        failed += s.mechanismError ? 1 : 0;
        write(PivotFields(s));
    }
    if (failed == 0 || !out) return ExitOk;
    err << Prefix << "warning: the linkage could not close at " << failed << " of " << angles.count
        << " angles (see the error column)\n";
    return ExitMechanismError;
}

int Finish(std::ostream& out, std::ostream& err, int status)
{
    out.flush();
    if (out) return status;
    err << Prefix << "could not write the output\n";
    return ExitWriteFailed;
}

}  // namespace

const char* UsageText()
{
    return R"(Usage: zepharin-report SUBCOMMAND [OPTIONS]
Valve events and solved pivots of the valve gear, without a window.

Subcommands:
  events   valve events over one driver turn, one row per gear
  pivots   the solved linkage at one driver angle or over one turn
  help     this text (also --help or -h, anywhere on the line)

zepharin-report events [--step DEG] [--design FILE] [--set CODE=VALUE]... [--gear NAME]... [--rev OFFSET]... [--csv]
  Turns the driver once from angle 0 in steps of DEG degrees (default 0.1) in the gear's
  running direction: forwards (angle increasing) at or ahead of mid gear, backwards
  (decreasing) behind it. The last step lands on 360 exactly, so events near dead centre
  are found. Per gear: reverse-arm position, direction (Fwd/Rev), valve travel min and max,
  lead at each end (front steam opening at 0 degrees, rear steam opening at 180), and for
  each cylinder end the admission, cut-off, release and compression in percent of stroke
  from the end that port serves. An event met more than once in the turn is given where it
  is first met; an event not met is left empty (CSV) or shown as "-" (table).
  Gears, all five by default:
    mid      mid gear (the reverse-arm centre)
    fwd      centre + Rev Arm to Cent Norm (dimension 26)
    fwdmax   centre + Rev Arm to Cent Max (dimension 27)
    rev      centre - Rev Arm to Cent Norm
    revmax   centre - Rev Arm to Cent Max
  --gear NAME    report this gear; repeatable
  --rev OFFSET   report the reverse arm OFFSET ahead of mid gear (negative: behind);
                 repeatable; the gear is labelled "rev:" followed by OFFSET as typed
  --gear and --rev may be mixed; gears are reported in the order given.

zepharin-report pivots (--gear NAME | --rev OFFSET) [--angle DEG | --step DEG] [--design FILE] [--set CODE=VALUE]... [--csv]
  The solved linkage: pivots 0..20 (x, y), radius-hanger angle in degrees, valve travel,
  the four port openings, piston travel (0 front .. 640 rear) and an error flag (1 = the
  linkage could not close in that solve). With --angle, at that driver angle only;
  otherwise over a whole turn from 0 up to and including 360 in steps of DEG (default 10).

Options of both:
  --design FILE     start from the design in a dimensions file (.dzg) saved by the simulator,
                    opened as the simulator opens it, instead of the built-in dimensions; a
                    file that cannot be opened is refused like a wrong option
  --set CODE=VALUE  change a dimension by its code, after --design and before mid gear is
                    found: 1..27 for the frame dimensions, 101..117 for the cylinder
                    dimensions; repeatable, applied in the order given
  --csv             comma-separated values with four decimals instead of a table
  Options may also be written --name=VALUE.

Numbers must be complete decimal numbers (a leading + is allowed); a step lies within
0.001 .. 360 degrees.

Exit status: 0 done; 1 done, but the linkage could not close somewhere (a warning on
stderr names where, also for figures that cannot be trusted); 2 command line or design
file refused (one line on stderr, nothing on stdout); 3 the output could not be written.
)";
}

int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Request r;
    MechanismModel m;
    try {
        r = ParseArgs(args);
        if (r.command == Command::Help) {
            out << UsageText();
            return Finish(out, err, ExitOk);
        }
        PrepareDesign(m, r);
    } catch (const DesignFileError& e) {
        err << Prefix << e.what() << '\n';
        return ExitUsage;
    } catch (const UsageError& e) {
        err << Prefix << e.what() << "; zepharin-report --help shows the usage\n";
        return ExitUsage;
    }
    const int status = r.command == Command::Events ? RunEvents(m, r, out, err) : RunPivots(m, r, out, err);
    return Finish(out, err, status);
}

}  // namespace zeph::report
