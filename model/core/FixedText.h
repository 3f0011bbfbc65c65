// Fixed-point number texts inside the model: v with d decimals, padded on the left to a width.
#pragma once

#include <string>

namespace zeph {

// v rounded to `decimals` decimals, padded with blanks on the left to at least `width`
// characters and never cut; "NAN", "INF" and "-INF" for values that are not finite. A negative
// value that rounds to zero keeps its minus sign; negative zero does not. The same text the
// windows' number texts give.
std::string FixedText(double v, int width, int decimals);

// How many characters a figure may run past its field before it no longer fits: the gap the
// readouts and tables leave after a field, which a design in millimetres may need.
constexpr int FigureOverrun = 2;

// Whether v can be shown as a figure with `decimals` decimals in a field of `width`
// characters: it is a number and its text is at most FigureOverrun characters longer than
// the field. One that cannot would read "NAN" or "INF", or print a string of digits over its
// neighbours.
bool FigureFits(double v, int width, int decimals);

// FixedText(v, width, decimals) for a figure that fits its field, else the field left blank.
std::string FigureText(double v, int width, int decimals);

}  // namespace zeph
