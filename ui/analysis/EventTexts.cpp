// Formats event figures with four decimals; the leads always stand, an event not met is left empty.
#include "ui/analysis/EventTexts.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zeph {

namespace {

QString Converted(double v, std::chars_format format, int precision)
{
    if (!std::isfinite(v)) return QStringLiteral("nan");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, format, precision);
    std::string s(buf, res.ptr);
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return QString::fromStdString(s);
}

void AppendEnd(QStringList& row, const EndEvents& e)
{
    for (const auto* v : {&e.admission, &e.cutoff, &e.release, &e.compression}) row << FigureText(*v);
}

}  // namespace

QString FixedText(double v, int decimals) { return Converted(v, std::chars_format::fixed, decimals); }

QString SignificantText(double v, int digits) { return Converted(v, std::chars_format::general, digits); }

QString FloatText(float v)
{
    if (!std::isfinite(v)) return QStringLiteral("nan");
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return QString::fromLatin1(buf, static_cast<qsizetype>(res.ptr - buf));
}

QString FigureText(const std::optional<double>& v) { return v ? FixedText(*v) : QString(); }

QStringList EventHeader()
{
    return {"gear",           "rev_arm",         "direction",     "travel_min",   "travel_max",
            "lead_front",     "lead_rear",       "front_admission", "front_cutoff", "front_release",
            "front_compression", "rear_admission", "rear_cutoff",  "rear_release", "rear_compression"};
}

QStringList EventFields(const GearEvents& ev)
{
    QStringList row = {QString::fromStdString(ev.gear.label), FixedText(ev.gear.revArm),
                       ev.gear.forward ? "Fwd" : "Rev",          FixedText(ev.travelMin),
                       FixedText(ev.travelMax),                  FixedText(ev.leadFront),
                       FixedText(ev.leadRear)};
    AppendEnd(row, ev.front);
    AppendEnd(row, ev.rear);
    return row;
}

QString JoinRows(const std::vector<QStringList>& rows, QChar separator)
{
    QString text;
    for (const QStringList& row : rows) text += row.join(separator) + u'\n';
    return text;
}

}  // namespace zeph
