// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_text.h"

namespace tc::gui {

std::vector<std::string> SplitLines(const QString& text) {
    std::vector<std::string> lines;
    // An empty text box holds no line; the empty line a box shows after a final
    // line break is no line of the memo.
    if (text.isEmpty()) return lines;
    QStringList parts = text.split(QLatin1Char('\n'));
    if (parts.size() > 1 && parts.back().isEmpty()) parts.removeLast();
    for (const QString& p : parts)
        lines.push_back(S(p));
    return lines;
}

} // namespace tc::gui
