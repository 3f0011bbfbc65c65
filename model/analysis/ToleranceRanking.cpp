// First-order variance of the cut-offs per toleranced code, and the codes sorted by their share.
#include "model/analysis/ToleranceRanking.h"

#include <algorithm>

#include "model/analysis/Sensitivity.h"

namespace zeph {

namespace {

// Figure positions of the front and rear cut-off in EventFigureValues.
constexpr int FrontCutoff = 3, RearCutoff = 7;

}  // namespace

CutoffRanking RankCutoffSpread(const MechanismModel& design, const ToleranceRequest& r,
                               const AnalysisControl& control)
{
    CutoffRanking ranking;
    std::vector<CodeSpread> varying;
    SensitivityRequest q;
    for (const CodeSpread& s : CodeSpreads(r)) {
        if (!s.Varies()) continue;
        varying.push_back(s);
        q.codes.push_back(s.code);
    }
    if (varying.empty()) return ranking;
    q.gears = r.gears;
    q.step = r.step;
    const SensitivityResult sens = ComputeSensitivity(design, q, control);
    if (sens.cancelled) {
        ranking.cancelled = true;
        return ranking;
    }
    double total = 0;
    for (const CodeSpread& s : varying) {
        CutoffShare row{s.code, s.tolerance, s.wear, 0.0, std::nullopt};
        const double halfSquared = s.tolerance * s.tolerance + s.wear * s.wear;
        for (const SensitivityRow& sr : sens.rows) {
            if (sr.code != s.code) continue;
            for (const int k : {FrontCutoff, RearCutoff}) {
                if (!sr.change[k] || !row.variance) {
                    row.variance.reset();
                    continue;
                }
                const double slope = *sr.change[k] / 0.01;  // per unit of the dimension
                *row.variance += slope * slope * halfSquared / 3;
            }
        }
        if (row.variance) total += *row.variance;
        ranking.rows.push_back(row);
    }
    for (CutoffShare& row : ranking.rows)
        if (row.variance && total > 0) row.share = *row.variance / total;
    // Equal shares keep the dialog order, in which codes rise. (std::stable_sort's temporary
    // buffer trips the address sanitizer of this toolchain, so the order is spelled out.)
    std::sort(ranking.rows.begin(), ranking.rows.end(), [](const CutoffShare& a, const CutoffShare& b) {
        if (a.share.has_value() != b.share.has_value()) return a.share.has_value();
        if (a.share && *a.share != *b.share) return *a.share > *b.share;
        return a.code < b.code;
    });
    return ranking;
}

}  // namespace zeph
