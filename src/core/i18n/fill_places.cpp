// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/fill_places.h"

namespace tc {

std::string FillPlaces(std::string_view pattern, const std::vector<std::string>& args) {
    static constexpr std::string_view kEllipsis = "\u2026";
    std::vector<bool> used(args.size(), false);
    std::size_t repeated = 0; // bytes the repeated places have added so far
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < args.size()) {
                const std::string& value = args[k];
                if (!used[k]) {
                    used[k] = true;
                    out += value;
                } else if (repeated + value.size() <= kRepeatedPlacesBudget) {
                    repeated += value.size();
                    out += value;
                } else {
                    out += kEllipsis;
                }
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace tc
