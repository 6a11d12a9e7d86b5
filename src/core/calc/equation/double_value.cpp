// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/double_value.h"

#include <cmath>
#include <limits>

namespace tc {

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

// The largest double is (2 - 2^-52) * 2^1023. A magnitude from halfway to the
// next power of two, (2 - 2^-53) * 2^1023, on rounds to 2^1024 under round to
// nearest even, which no double holds; below that it rounds to the largest.
constexpr long double kFirstBeyond = (2.0L - 0x1p-53L) * 0x1p1023L;

bool BeyondDouble(long double v) {
    return std::fabs(v) >= kFirstBeyond;
}

// The cast is only defined for values within the double range, so the few
// that round down to the largest double are mapped by hand.
double Nearest(long double v) {
    if (std::fabs(v) > kLargest) return v > 0 ? kLargest : -kLargest;
    return static_cast<double>(v);
}

} // namespace

double StoreDouble(Ext v) {
    if (BeyondDouble(v.value())) throw Overflow();
    return Nearest(v.value());
}

} // namespace tc
