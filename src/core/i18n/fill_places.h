// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of a language file with places for values: "%1", "%2", ... stand for
// the values in order, so that a translation may put them in its own order.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tc {

// How many bytes the repeats of places may add to a filled text beyond the
// line itself and one copy of each value.
inline constexpr std::size_t kRepeatedPlacesBudget = 64 * 1024;

// `pattern` with each "%k" (k = 1..9) replaced by args[k-1]; a "%" followed by
// anything else, or by a number with no value, stays as it is. One pass: a
// value that holds "%1" itself (a typed text may) is not replaced again.
//
// The first place of each value gets the whole value, so every message that
// names each value once is filled in full. A place repeating a value gets it
// too while the repeats have added at most kRepeatedPlacesBudget bytes; past
// that it gets "…" instead. A line of a language file (up to 1 MiB of "%2")
// thus cannot turn a long typed text into a message of gigabytes.
std::string FillPlaces(std::string_view pattern, const std::vector<std::string>& args);

} // namespace tc
