// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/common/figure_text.h"

namespace tc {

std::string PointText(const Numbers& nums, const std::vector<Ext>& coordinates) {
    std::string text = "(";
    for (std::size_t i = 0; i < coordinates.size(); ++i)
        text += (i ? "; " : "") + nums.text(coordinates[i]);
    return text + ")";
}

std::string LengthText(const Numbers& nums, Ext length) {
    return nums.fixed(length, 2);
}

std::string DegreesText(const Numbers& nums, Ext degrees) {
    return nums.fixed(degrees, 2) + "\xC2\xB0";
}

std::string FigureNotComputed(const MessageTable& messages) {
    return messages.text(Line::fig_not_computed, "Compute to see the figure.");
}

std::string FigureTooLarge(const MessageTable& messages) {
    return messages.text(Line::fig_too_large, "The coordinates are too large to draw.");
}

} // namespace tc
