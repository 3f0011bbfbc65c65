// Reading the text of a number box as a number, with "." as the decimal point.
#pragma once

#include <QChar>
#include <QString>

namespace zeph {

// An ASCII decimal digit.
bool IsDigit(QChar ch);

// The number in a box's text: optional sign, digits, optional "." and fraction, surrounding
// blanks ignored. Empty text, blanks only or a lone "." read as 0. Text that is not one whole
// number (a lone "-", "12-", "1.2.3", letters) and values beyond the double range give previous,
// so the result is always finite; values too small to represent read as 0.
double ReadNumber(const QString& text, double previous);
// The same for a box whose value is clamped to its limits afterwards: every well-formed number,
// however many digits it has, reads as itself or, beyond the double range, as plus or minus
// infinity, so that the clamp takes it to the nearest limit.
double ReadNumberToClamp(const QString& text, double previous);
// The same for a 32-bit float: values beyond its range give previous.
float ReadNumberF(const QString& text, float previous);

}  // namespace zeph
