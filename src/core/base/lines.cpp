// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/lines.h"

#include <array>

namespace tc {

namespace {

constexpr std::array<std::string_view, kLineCount> kKeys = {
#define TOVRIN_LINE_KEY(name) #name,
    TOVRIN_LANGUAGE_LINES(TOVRIN_LINE_KEY)
#undef TOVRIN_LINE_KEY
};

} // namespace

std::string_view LineKey(Line line) {
    return kKeys.at(static_cast<std::size_t>(LineIndex(line)));
}

} // namespace tc
