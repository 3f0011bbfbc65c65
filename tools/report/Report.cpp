// Runs the events and pivots subcommands and turns refusals and linkage errors into exit statuses.
#include "tools/report/Report.h"

#include "model/design/MechanismModel.h"
#include "tools/report/ReportAnalysis.h"
#include "tools/report/ReportAnalysisArgs.h"
#include "tools/report/ReportAnimation.h"
#include "tools/report/ReportArgs.h"
#include "tools/report/ReportOutput.h"
#include "tools/report/ReportPicture.h"
#include "tools/report/ReportSweep.h"
#include "tools/report/ReportTolerance.h"

namespace zeph::report {

namespace {

constexpr const char* Prefix = "zepharin-report: ";

int RunEvents(const MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err)
{
    const double step = r.step.value_or(DefaultEventsStep);
    const std::vector<GearEvents> results = SweepGears(m, r.gears, step);
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

// The status of a diagram run, with its warning when some solve could not close the linkage.
int DiagramStatus(bool mechanismError, const char* what, std::ostream& err)
{
    if (!mechanismError) return ExitOk;
    err << Prefix << "warning: the linkage could not close during the " << what
        << "; its figures come from a bent linkage\n";
    return ExitMechanismError;
}

int RunPorts(MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err)
{
    const PortsResult ports = SweepPortRows(m, r.reverse);
    WritePorts(out, ports, r.csv);
    return DiagramStatus(ports.mechanismError, "port events sweep", err);
}

int RunSteam(MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err)
{
    std::vector<Gear> gears;
    for (const GearRequest& g : r.gears) gears.push_back(ResolveGear(m, g));
    const SteamResult steam = RunSteamList(m, gears);
    WriteSteam(out, steam, r.csv);
    return DiagramStatus(steam.mechanismError, "steam simulation", err);
}

int RunDiagram(MechanismModel& m, const Request& r, std::ostream& err)
{
    const PictureResult picture = WriteDiagramPicture(m, r);
    if (const int status = ReportPictureFailures(picture.failures, err)) return status;
    return DiagramStatus(picture.mechanismError, "diagram's sweep", err);
}

int Run(MechanismModel& m, const Request& r, std::ostream& out, std::ostream& err)
{
    switch (r.command) {
    case Command::Events: return RunEvents(m, r, out, err);
    case Command::Pivots: return RunPivots(m, r, out, err);
    case Command::Ports: return RunPorts(m, r, out, err);
    case Command::Steam: return RunSteam(m, r, out, err);
    case Command::Diagram: return RunDiagram(m, r, err);
    case Command::Sensitivity: return RunSensitivity(m, r, out, err);
    case Command::Setting: return RunSetting(m, r, out, err);
    case Command::Tolerance: return RunTolerance(m, r, out, err);
    case Command::Animate: return RunAnimation(m, r, err);
    case Command::Help: break;
    }
    return ExitOk;
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
Valve events, solved pivots and the diagrams of the valve gear, without a window.

Subcommands:
  events   valve events over one driver turn, one row per gear
  pivots   the solved linkage at one driver angle or over one turn
  ports    the port events diagram's figures, one row per reverse-arm row
  steam    the steam diagram's cut-offs, one row per list position
  diagram  a diagram's picture as a PNG file
  sensitivity  how much each event moves per +0.01 of each dimension
  setting  valve setting: free dimensions searched within bounds for balanced or targeted events
  tolerance  spread of the events over designs built with tolerances and worn pins
  animate  one driver turn of the main window's picture as a looping animated GIF
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

zepharin-report ports [--reverse] [--design FILE] [--set CODE=VALUE]... [--csv]
  The port events diagram in figures: 19 rows from mid gear (row 0) to full forward gear
  (row 18; with --reverse full reverse gear), the reverse arm moved by 1/18 of Rev Arm to
  Cent Max (dimension 27) a row. In each row the driver turns from 0 in 4 degree steps
  (forwards, or backwards with --reverse) for 91 solves, and eight events are found by the
  zero crossing of the port openings: steam and exhaust opening and closing at each end, in
  percent of stroke from the end that port serves. An event met twice in a row is given
  where it was met last; one not met is left empty (CSV) or shown as "-" (table).

zepharin-report steam [--gear NAME]... [--rev OFFSET]... [--design FILE] [--set CODE=VALUE]... [--csv]
  The steam diagram's cut-offs: one continuous simulation through the positions in the order
  given (at most nine; by default mid, fwd and rev, the diagram's start-up list), 150 steps
  of 4 degrees at each, forwards at or ahead of mid gear and backwards behind it. For each
  position the last cut-off the diagram marks at each cylinder end, in percent of stroke from
  that end; none is left empty (CSV) or shown as "-" (table). --gear and --rev as for events.

zepharin-report diagram sine|oval|steam|ports (--png FILE | --pdf FILE | --svg FILE)... [--gear NAME]...
                [--rev OFFSET]... [--vscale S] [--graph forward|reverse|both] [--design FILE]
                [--set CODE=VALUE]...
  Writes the diagram's picture: --png pixel for pixel as its window shows it (632 x 414, the
  oval 632 x 426), --pdf and --svg the same drawing as vectors with real text, for print and
  documents; one of them is needed, and each may be given once. Needs no display. Sine, oval
  and steam plot the positions given with --gear and --rev (at most nine; by default mid, fwd
  and rev); --vscale sets the sine and oval diagrams' vertical scale (units of valve travel
  per 375 pixels, 0.1 .. 10000, default 1.5); --graph chooses the port events graph (default
  forward; both draws the reverse graph over the forward one). Nothing is written to stdout.

zepharin-report sensitivity [--gear NAME]... [--rev OFFSET]... [--codes LIST] [--delta H] [--step DEG]
                [--design FILE] [--set CODE=VALUE]... [--csv]
  For each dimension code (default all 44; --codes 6,18,117) and each gear (default fwd and
  rev), the change of each events figure per +0.01 of the dimension (model units; degrees for
  the offset angle 25): lead front and rear, then per end admission, cut-off, release and
  compression. Central difference: with v- and v+ the 32-bit values stored for v - H and
  v + H (default H 0.01), (f(v+) - f(v-)) / (v+ - v-) x 0.01, each f computed as
  events --set CODE=v+- computes it (mid gear found again, the gear placed from the new
  centre). Empty (CSV) or "-" (table) where the event is not met on either side.

zepharin-report setting --free CODE[=MIN:MAX]... (--balance EVENT@GEAR | --target EVENT@GEAR=VALUE)...
                [--weight EVENT=W]... [--step DEG] [--design FILE] [--set CODE=VALUE]... [--write FILE.dzg] [--csv]
  Valve setting: searches the free dimensions within their bounds (default the start +-
  max(5 % of its magnitude, 0.01)) for the least objective, the sum over the goals of
  (weight x residual)^2. EVENT is lead, admission, cutoff, release or compression; GEAR
  mid, fwd, fwdmax, rev, revmax or rev:OFFSET (offset from mid gear, as events --rev).
  --balance gives the residual front - rear, --target (front + rear) / 2 - VALUE; events in
  percent of stroke, lead in model units. Default weights: lead 100, the others 1. A design
  where a goal's event is not met at both ends, or where the linkage cannot close in the turn
  of a goal's gear, is never chosen; the result is never worse than the start and the same
  for the same command. Every evaluation computes the events as events --set does, so the
  result can be checked with it. Output: the free dimensions (start, result, bounds; nine
  significant digits, which give back the same 32-bit values), the goals' residuals and the
  objective before and after, evaluations and time, the events of the goals' gears before
  and after. --write saves the design with the new values as a dimensions file, replaced
  whole or not at all as the simulator saves. Exit 1 when the result cannot be trusted.

zepharin-report tolerance [--tol CODE=T]... [--all T] [--wear C] [--samples N] [--seed S] [--gear NAME]...
                [--rev OFFSET]... [--step DEG] [--design FILE] [--set CODE=VALUE]... [--csv] [--png FILE] [--pdf FILE] [--svg FILE]
  Tolerance and pin-wear study: N designs (default 1000, at most 1000000) drawn around the
  design. In each, every toleranced dimension is v + u, u uniform in [-T, T], independently
  and held as a 32-bit value; --all T tolerances all 44 codes, --tol CODE=T sets one code's
  (over --all). --wear C adds play to each link between two pins (codes 3, 5, 6, 7, 8, 12,
  15, 17, 18, 19, 20, 21, 22): one more uniform u in [-C, C] on its length. At least one of
  them is needed. Each sample is computed as events --set computes it: mid gear found again,
  the gears (default fwd and rev) placed from the new centre and swept. Per gear and event
  figure: nominal, mean, sample standard deviation, min, max, 5th and 95th percentile and how
  many samples did not meet the event or could not close the linkage (CSV header
  gear,event,nominal,mean,sd,min,max,p05,p95,missing). Then the varying codes by their share
  of the cut-off spread to first order (sensitivity x tolerance, over the front and rear
  cut-off of every gear), so the tolerance to tighten comes first. Sample k draws from its
  own stream fixed by the seed (default 1) and k, so the same seed gives the same figures on
  any machine and thread count. --png writes histograms of the front and rear lead and
  cut-off of each gear, nominal marked, as one picture; --pdf and --svg the same as vectors.
  Exit 1 when a sample had no mid gear or could not close the linkage (counted as missing).

zepharin-report animate --gif FILE [--gear NAME | --rev OFFSET] [--step DEG] [--steam] [--view PRESET]
                [--size WxH] [--design FILE] [--set CODE=VALUE]...
  One driver turn of the main window's picture as a looping animated GIF, frame for frame
  what the window shows when it runs at that step: the driver turns in the gear's running
  direction from the design's driver angle, DEG degrees a frame (1 .. 180, default 10: 36
  frames), each frame standing 2 hundredths of a second. The gear is the design's own (mid
  gear as opened) unless --gear or --rev names one; --steam shows the steam display, settled
  by a turn that is not recorded so that the loop has no seam (the dots are scattered from a
  fixed seed: the same command gives the same file); --view recalls view preset 1 .. 6 of
  the design (the start view otherwise); --size is the part of the picture shown from its
  top-left corner (default 632x380, the window's start size; at most 1280x1024). The file is
  replaced only once the new one is whole on the disk (a pipe or a device is refused). Needs
  no display; nothing is written to stdout.

Options of all:
  --design FILE     start from the design in a dimensions file (.dzg) saved by the simulator,
                    opened as the simulator opens it, instead of the built-in dimensions; a
                    file that cannot be opened is refused like a wrong option
  --set CODE=VALUE  change a dimension by its code, after --design and before mid gear is
                    found: 1..27 for the frame dimensions, 101..117 for the cylinder
                    dimensions; repeatable, applied in the order given
  --csv             comma-separated values with four decimals instead of a table (not diagram
                    or animate; setting's dimensions and tolerance's half-widths with nine
                    significant digits)
  Options may also be written --name=VALUE.

Numbers must be complete decimal numbers (a leading + is allowed); a step lies within
0.001 .. 360 degrees.

Exit status: 0 done; 1 done, but the linkage could not close somewhere (a warning on
stderr names where, also for figures that cannot be trusted; for setting, the result
cannot be trusted); 2 command line or design file refused (one line on stderr, nothing on
stdout); 3 the output, or the file of --write, a picture file or animate's --gif, could not
be written.
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
        if (r.command == Command::Setting) CheckStartsWithinBounds(m, r);
        if (r.command == Command::Animate) PlaceAnimation(m, r);
    } catch (const DesignFileError& e) {
        err << Prefix << e.what() << '\n';
        return ExitUsage;
    } catch (const UsageError& e) {
        err << Prefix << e.what() << "; zepharin-report --help shows the usage\n";
        return ExitUsage;
    }
    const int status = Run(m, r, out, err);
    return Finish(out, err, status);
}

}  // namespace zeph::report
