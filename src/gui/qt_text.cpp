#include "qt_text.h"

namespace tc::gui {

QString Lines(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) list.append(Q(line));
    return list.join(QLatin1Char('\n'));
}

std::vector<std::string> SplitLines(const QString& text) {
    std::vector<std::string> lines;
    // An empty text box holds no line; a final line break starts no new line.
    if (text.isEmpty()) return lines;
    QStringList parts = text.split(QLatin1Char('\n'));
    if (parts.size() > 1 && parts.back().isEmpty()) parts.removeLast();
    for (const QString& p : parts) lines.push_back(S(p));
    return lines;
}

} // namespace tc::gui
