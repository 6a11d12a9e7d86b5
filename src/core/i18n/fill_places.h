// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of a language file with places for values: "%1", "%2", ... stand for
// the values in order, so that a translation may put them in its own order.

#include <string>
#include <string_view>
#include <vector>

namespace tc {

// `pattern` with each "%k" (k = 1..9) replaced by args[k-1]; a "%" followed by
// anything else, or by a number with no value, stays as it is. One pass: a
// value that holds "%1" itself (a typed text may) is not replaced again.
std::string FillPlaces(std::string_view pattern, const std::vector<std::string>& args);

} // namespace tc
