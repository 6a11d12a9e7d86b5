// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/line_value.h"

namespace tc {

// The key before "=" is never looked at: language-file lines are addressed by
// their position alone, so the key is only a note for translators.
std::string LineValue(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) return std::string(line);
    return std::string(line.substr(equals + 1));
}

} // namespace tc
