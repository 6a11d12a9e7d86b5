// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_text.h"

namespace tc::gui {

QString Lines(const std::vector<std::string>& lines) {
    // Every line ends with a break, as in a memo's text: so an empty last line
    // of the memo stays a line, and the box shows one empty line after it.
    QString text;
    for (const std::string& line : lines)
        text += Q(line) + QLatin1Char('\n');
    return text;
}

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
