// The arithmetic type: model values are stored as 32-bit floats, computed in the widest float.
#pragma once

namespace zeph {

using Real = long double;

constexpr Real Pi = 3.141592653589793238462643383279502884L;

}  // namespace zeph
