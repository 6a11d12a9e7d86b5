// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/system_decimal.h"

#include <clocale>

namespace tc {

char ProcessDecimalSeparator() {
    const std::lconv* conv = std::localeconv();
    return (conv && conv->decimal_point && conv->decimal_point[0] == ',') ? ',' : '.';
}

} // namespace tc
