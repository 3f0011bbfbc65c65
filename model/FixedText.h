// Fixed-point number texts inside the model: v with d decimals, padded on the left to a width.
#pragma once

#include <string>

namespace zeph {

// v rounded to `decimals` decimals, padded with blanks on the left to at least `width`
// characters and never cut; "NAN", "INF" and "-INF" for values that are not finite. A negative
// value that rounds to zero keeps its minus sign; negative zero does not. The same text the
// windows' number texts give.
std::string FixedText(double v, int width, int decimals);

}  // namespace zeph
