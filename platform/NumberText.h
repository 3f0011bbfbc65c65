// Fixed-point number texts of the readouts, tables and boxes: Str(v:w:d) and Str(n:w).
#pragma once

#include <QString>

namespace zeph {

// v rounded to d decimals in fixed-point notation, padded with blanks on the left to at least
// width characters and never cut. Not-a-number and infinities read "NAN", "INF" and "-INF".
// A negative value that rounds to zero keeps its minus sign ("-0.00"); negative zero does not.
// Decimals are kept within 0..40 and widths within 0..255.
QString StrF(double v, int width, int decimals);

// n padded with blanks on the left to at least width characters (width kept within 0..255).
QString StrI(long long n, int width);

}  // namespace zeph
