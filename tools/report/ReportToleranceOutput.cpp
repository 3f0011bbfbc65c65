// Formats one row per gear and event figure with its spread, then the codes by their share of the cut-off spread.
#include "tools/report/ReportToleranceOutput.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/design/DimensionTable.h"
#include "tools/report/ReportOutput.h"

namespace zeph::report {

namespace {

constexpr int Decimals = 4;
constexpr int ValueDigits = 9;

constexpr std::array<const char*, EventFigureCount> kCsvNames = {
    "lead_front",   "lead_rear",     "front_admission", "front_cutoff", "front_release", "front_compression",
    "rear_admission", "rear_cutoff", "rear_release",    "rear_compression"};
constexpr std::array<const char*, EventFigureCount> kTableNames = {
    "lead front",     "lead rear",     "front admission", "front cut-off", "front release", "front compression",
    "rear admission", "rear cut-off",  "rear release",    "rear compression"};

std::string Stat(double v, const char* missing) { return std::isnan(v) ? std::string(missing) : Fixed(v, Decimals); }

Row SpreadFields(const GearSpread& g, int k, bool csv)
{
    const char* missing = csv ? "" : "-";
    const FigureSpread& s = g.figures[k];
    return {g.gear,
            csv ? kCsvNames[k] : kTableNames[k],
            g.nominal[k] ? Fixed(*g.nominal[k], Decimals) : std::string(missing),
            Stat(s.Mean(), missing),
            Stat(s.Sd(), missing),
            Stat(s.Min(), missing),
            Stat(s.Max(), missing),
            Stat(s.Percentile(0.05), missing),
            Stat(s.Percentile(0.95), missing),
            std::to_string(s.Missing())};
}

std::vector<Row> SpreadRows(const ToleranceResult& r, bool csv)
{
    std::vector<Row> rows = {{"gear", "event", "nominal", "mean", "sd", "min", "max", "p05", "p95", "missing"}};
    for (const GearSpread& g : r.gears)
        for (int k = 0; k < EventFigureCount; ++k) rows.push_back(SpreadFields(g, k, csv));
    return rows;
}

std::vector<Row> RankingRows(const CutoffRanking& ranking, bool csv)
{
    const char* missing = csv ? "" : "-";
    std::vector<Row> rows = {{"code", "name", "tolerance", "wear", csv ? "share_percent" : "share %"}};
    for (const CutoffShare& s : ranking.rows) {
        const DimensionInfo* d = FindDimension(s.code);
        rows.push_back({std::to_string(s.code), d ? d->caption : "", Significant(s.tolerance, ValueDigits),
                        Significant(s.wear, ValueDigits),
                        s.share ? Fixed(*s.share * 100, csv ? Decimals : 2) : std::string(missing)});
    }
    return rows;
}

long VaryingCount(const ToleranceRequest& q, bool wear)
{
    const auto spreads = CodeSpreads(q);
    return long(std::count_if(spreads.begin(), spreads.end(),
                              [&](const CodeSpread& s) { return wear ? s.wear > 0 : s.tolerance > 0; }));
}

void WriteTitle(std::ostream& out, const ToleranceReport& t)
{
    const ToleranceRequest& q = t.request;
    out << "Tolerance study of " << t.result.samples << " sample" << (t.result.samples == 1 ? "" : "s") << " (seed "
        << q.seed << ") in " << q.step << " degree steps: " << VaryingCount(q, false) << " dimensions toleranced, wear "
        << Significant(q.wear, ValueDigits) << " on " << VaryingCount(q, true) << " links between pins"
        << (t.result.cancelled ? ", cancelled" : "") << "\n"
        << "Each sample: every toleranced dimension v + u, u uniform in [-T, T], each link between pins + w, w "
           "uniform in [-C, C]; mid gear found again\n"
        << "Lead in model length units, events in percent of stroke from the end the port serves; sd the sample "
           "standard deviation; missing = samples that did not meet the event or could not close the linkage\n\n";
}

}  // namespace

void WriteTolerance(std::ostream& out, const ToleranceReport& t, bool csv)
{
    if (csv) {
        WriteCsv(out, SpreadRows(t.result, true));
        out << '\n';
        WriteCsv(out, RankingRows(t.ranking, true));
        return;
    }
    WriteTitle(out, t);
    WriteAligned(out, SpreadRows(t.result, false));
    out << "\nShare of the cut-off spread, first order (sensitivity x tolerance), over the front and rear cut-off of "
           "every gear\n";
    WriteAligned(out, RankingRows(t.ranking, false));
}

}  // namespace zeph::report
