// Formats event figures with four decimals; the leads always stand, an event not met is left empty.
#include "ui/analysis/EventTexts.h"

#include <charconv>
#include <cmath>
#include <string>

#include "model/analysis/EventText.h"

namespace zeph {

namespace {

QStringList Texts(const std::vector<std::string>& fields)
{
    QStringList row;
    for (const std::string& f : fields) row << QString::fromStdString(f);
    return row;
}

}  // namespace

QString FixedText(double v, int decimals) { return QString::fromStdString(FixedFigure(v, decimals)); }

QString SignificantText(double v, int digits) { return QString::fromStdString(SignificantFigure(v, digits)); }

QString FloatText(float v)
{
    if (!std::isfinite(v)) return QStringLiteral("nan");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, static_cast<qsizetype>(res.ptr - buf));
}

QString FigureText(const std::optional<double>& v) { return v ? FixedText(*v) : QString(); }

QStringList EventHeader() { return Texts(EventCsvHeader()); }

QStringList EventFields(const GearEvents& ev) { return Texts(EventFieldTexts(ev, EventDecimals, "")); }

QString JoinRows(const std::vector<QStringList>& rows, QChar separator)
{
    QString text;
    for (const QStringList& row : rows) text += row.join(separator) + u'\n';
    return text;
}

}  // namespace zeph
