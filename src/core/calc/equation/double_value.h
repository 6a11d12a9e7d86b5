// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The equation keeps its coefficients as 64-bit doubles
// while everything it shows is computed in extended precision. Converting an
// extended value that lies beyond the double range is undefined in C++, so the
// conversion below decides what happens there.

#include "numbers/ext.h"

namespace tc {

// The nearest double (an underflowing value becomes a denormal or zero). A
// value whose magnitude rounds beyond the largest double cannot be kept and
// fails as "Floating point overflow", as storing it on the FPU does.
double StoreDouble(Ext v);

} // namespace tc
