// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of one language-file line.

#include <string>
#include <string_view>

namespace tc {

// The text after the first "=" of a language-file line; the whole line when
// it has no "=".
std::string LineValue(std::string_view line);

} // namespace tc
