// Formats the spread with four decimals and the half-widths to nine significant digits, as the report does.
#include "ui/analysis/ToleranceTexts.h"

#include <array>
#include <cmath>

#include "model/design/DimensionTable.h"
#include "ui/analysis/EventTexts.h"

namespace zeph {

namespace {

constexpr int ValueDigits = 9;

constexpr std::array<const char*, EventFigureCount> kEventNames = {
    "lead_front",     "lead_rear",   "front_admission", "front_cutoff", "front_release", "front_compression",
    "rear_admission", "rear_cutoff", "rear_release",    "rear_compression"};

QString Stat(double v) { return std::isnan(v) ? QString() : FixedText(v); }

QStringList Header(std::initializer_list<const char*> names)
{
    QStringList h;
    for (const char* n : names) h << QString::fromLatin1(n);
    return h;
}

}  // namespace

std::vector<QStringList> SpreadRows(const ToleranceResult& r)
{
    std::vector<QStringList> rows;
    for (const GearSpread& g : r.gears)
        for (int k = 0; k < EventFigureCount; ++k) {
            const FigureSpread& s = g.figures[size_t(k)];
            rows.push_back({QString::fromStdString(g.gear), QString::fromLatin1(kEventNames[size_t(k)]),
                            g.nominal[size_t(k)] ? FixedText(*g.nominal[size_t(k)]) : QString(), Stat(s.Mean()),
                            Stat(s.Sd()), Stat(s.Min()), Stat(s.Max()), Stat(s.Percentile(0.05)),
                            Stat(s.Percentile(0.95)), QString::number(s.Missing())});
        }
    return rows;
}

std::vector<QStringList> RankingRows(const CutoffRanking& ranking)
{
    std::vector<QStringList> rows;
    for (const CutoffShare& s : ranking.rows) {
        const DimensionInfo* d = FindDimension(s.code);
        rows.push_back({QString::number(s.code), d ? QString::fromLatin1(d->caption) : QString(),
                        SignificantText(s.tolerance, ValueDigits), SignificantText(s.wear, ValueDigits),
                        s.share ? FixedText(*s.share * 100) : QString()});
    }
    return rows;
}

QStringList SpreadCaptions() { return Header({"gear", "event", "nominal", "mean", "sd", "min", "max", "p05", "p95", "missing"}); }

QStringList RankingCaptions() { return Header({"code", "name", "tolerance", "wear", "share %"}); }

QString ToleranceCsv(const ToleranceResult& r, const CutoffRanking& ranking)
{
    std::vector<QStringList> spread = SpreadRows(r);
    spread.insert(spread.begin(), SpreadCaptions());
    std::vector<QStringList> ranks = RankingRows(ranking);
    ranks.insert(ranks.begin(), Header({"code", "name", "tolerance", "wear", "share_percent"}));
    return JoinRows(spread, u',') + u'\n' + JoinRows(ranks, u',');
}

}  // namespace zeph
