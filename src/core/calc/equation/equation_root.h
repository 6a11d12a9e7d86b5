// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A root of a polynomial equation: real, or one of a complex conjugate pair.

#include "numbers/ext.h"

namespace tc {

struct Root {
    Ext re;
    Ext im; // 0 for a real root
    bool complex = false;
};

} // namespace tc
