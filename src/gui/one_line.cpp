// SPDX-License-Identifier: GPL-3.0-or-later
#include "one_line.h"

#include <algorithm>

namespace tc::gui {

QValidator::State OneLine::validate(QString& input, int& pos) const {
    if (!input.contains(QLatin1Char('\n')) && !input.contains(QLatin1Char('\r'))) return Acceptable;
    const auto join = [](QString text, bool trimEnd) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
            .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        while (text.startsWith(QLatin1Char('\n')))
            text.remove(0, 1);
        while (trimEnd && text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    };
    QString joined = join(input, true);
    pos = static_cast<int>(std::min(join(input.left(pos), false).size(), joined.size()));
    input = joined;
    return Acceptable;
}

} // namespace tc::gui
