// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/language_table.h"

#include "i18n/line_value.h"
#include "encoding/text_encoding.h"
#include "base/failure.h"

namespace tc {

const std::string& LanguageTable::line(int index) const {
    if (index < 0 || index >= count())
        // The line is named as an editor numbers it, from 1.
        throw Failure(Line::fail_language_line, "List index out of bounds (" + std::to_string(index) + ")",
                      {std::to_string(index + 1)});
    return lines_[static_cast<std::size_t>(index)];
}

std::string LanguageTable::value(int index) const {
    return LineValue(line(index));
}

std::vector<std::string> LanguageLines(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    std::string text;
    if (IsUtf8(bytes)) {
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
        text = std::string(bytes);
    } else {
        text = Cp1251ToUtf8(bytes);
    }

    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

} // namespace tc
