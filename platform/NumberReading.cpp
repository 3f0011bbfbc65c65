// The strict decimal conversion of number-box texts.
#include "platform/NumberReading.h"

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zeph {

bool IsDigit(QChar ch) { return ch >= u'0' && ch <= u'9'; }

namespace {

enum class Parse { Number, Zero, Invalid };

// Checks the grammar [sign] digits [. digits] with at least one digit, or a lone ".".
Parse CheckNumber(QStringView s)
{
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        ++i;
    const qsizetype signEnd = i;
    qsizetype digits = 0, points = 0;
    for (; i < s.size(); ++i) {
        if (IsDigit(s[i]))
            ++digits;
        else if (s[i] == u'.' && points == 0)
            ++points;
        else
            return Parse::Invalid;
    }
    if (digits > 0)
        return Parse::Number;
    return s.isEmpty() || (signEnd == 0 && points == 1) ? Parse::Zero : Parse::Invalid;
}

}  // namespace

namespace {

// Reads a box's text; a well-formed number too large for a double gives `tooLarge` with its sign.
double Read(const QString& text, double previous, double tooLarge)
{
    const QString trimmed = text.trimmed();
    switch (CheckNumber(trimmed)) {
    case Parse::Zero:
        return 0.0;
    case Parse::Invalid:
        return previous;
    case Parse::Number:
        break;
    }
    // The grammar above is plain ASCII, so the Latin-1 bytes are the number itself;
    // from_chars reads it independently of the C locale and takes no "+".
    QByteArray bytes = trimmed.toLatin1();
    if (bytes.startsWith('+'))
        bytes.remove(0, 1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(bytes.constData(), bytes.constData() + bytes.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too large gives previous; too small (only zeros before the first significant digit
        // after the point) is zero.
        const qsizetype point = bytes.indexOf('.');
        const QByteArray whole = bytes.left(point < 0 ? bytes.size() : point);
        const bool belowOne = std::none_of(whole.begin(), whole.end(), [](char c) { return c >= '1' && c <= '9'; });
        if (belowOne) return 0.0;
        return bytes.startsWith('-') ? -tooLarge : tooLarge;
    }
    if (error != std::errc() || end != bytes.constData() + bytes.size() || !std::isfinite(value))
        return previous;
    return value;
}

}  // namespace

double ReadNumber(const QString& text, double previous)
{
    const double value = Read(text, previous, std::numeric_limits<double>::quiet_NaN());
    return std::isnan(value) ? previous : value;
}

double ReadNumberToClamp(const QString& text, double previous)
{
    return Read(text, previous, std::numeric_limits<double>::infinity());
}

float ReadNumberF(const QString& text, float previous)
{
    const double value = ReadNumber(text, previous);
    return std::fabs(value) > std::numeric_limits<float>::max() ? previous : static_cast<float>(value);
}

}  // namespace zeph
