// Builds the tolerance report from the study's request and the texts the window's tables show.
#include "ui/analysis/ToleranceStudyReport.h"

#include <map>

#include "render/copies/PictureCopies.h"
#include "ui/analysis/EventTexts.h"
#include "ui/analysis/ToleranceTexts.h"

namespace zeph {

namespace {

const QString Title = QStringLiteral("Tolerance Study");

// The half-widths by value, each with the codes that have it.
QString TolerancesFact(const ToleranceRequest& q)
{
    std::map<double, QStringList> byValue;
    size_t codes = 0;
    for (const CodeSpread& s : CodeSpreads(q)) {
        ++codes;
        if (s.tolerance > 0) byValue[s.tolerance] << QString::number(s.code);
    }
    if (byValue.empty()) return QStringLiteral("Tolerances: none, every dimension built exactly");
    if (byValue.size() == 1 && size_t(byValue.begin()->second.size()) == codes)
        return QStringLiteral("Tolerances: +-%1 on every dimension").arg(SignificantText(byValue.begin()->first));
    QStringList parts;
    for (const auto& [t, list] : byValue)
        parts << QStringLiteral("+-%1 on %2").arg(SignificantText(t), list.join(QStringLiteral(", ")));
    return QStringLiteral("Tolerances: %1; the others built exactly").arg(parts.join(QStringLiteral("; ")));
}

QString WearFact(const ToleranceRequest& q)
{
    if (!(q.wear > 0)) return QStringLiteral("Wear at the pins: none");
    return QStringLiteral("Wear at the pins: +-%1 on each link between two pins").arg(SignificantText(q.wear));
}

QString SamplesFact(const ToleranceRequest& q, const ToleranceResult& r)
{
    QStringList gears;
    for (const GearSpread& g : r.gears) gears << QString::fromStdString(g.gear);
    QString text = QStringLiteral("Samples: %1 of %2, seed %3; gears %4; %5 degree steps")
                       .arg(r.samples)
                       .arg(r.requested)
                       .arg(q.seed)
                       .arg(gears.join(u' '))
                       .arg(q.step);
    if (r.cancelled) text += QStringLiteral("; cancelled: the figures are those of the samples taken in, no ranking");
    return text;
}

}  // namespace

HardCopyReport ToleranceStudyReport(const ToleranceRequest& request, const ToleranceResult& result,
                                    const CutoffRanking& ranking, const QStringList& facts)
{
    HardCopyReport report{Title, facts, {}, ToleranceHistogramCopy(result, Title)};
    report.facts << TolerancesFact(request) << WearFact(request) << SamplesFact(request, result);
    report.tables.push_back({QStringLiteral("Spread"), SpreadCaptions(), SpreadRows(result), 2});
    report.tables.push_back({QStringLiteral("Share of the cut-off spread, first order"), RankingCaptions(),
                             RankingRows(ranking), 2, true});
    return report;
}

}  // namespace zeph
