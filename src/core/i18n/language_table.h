// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of a language file, addressed by their zero-based position. A line's
// key (the text before its first "=") is only a note for translators: the
// program finds every text by position alone.

#include <string>
#include <string_view>
#include <vector>

#include "base/lines.h"

namespace tc {

class LanguageTable {
public:
    LanguageTable() = default;
    explicit LanguageTable(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    int count() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& lines() const { return lines_; }

    // Line `index` whole; a line the file does not have throws Failure
    // "List index out of bounds (<index>)".
    const std::string& line(int index) const;
    // The line value of line `index`: the text after its first "=", blanks
    // included, or the whole line when it has none. Throws as line() does.
    std::string value(int index) const;
    std::string value(Line line) const { return value(LineIndex(line)); }

private:
    std::vector<std::string> lines_;
};

// The lines of a language file's bytes, decoded to UTF-8. The text ends at the
// first NUL byte. Lines end with CR LF, a lone LF or a lone CR; a last line
// without an end is still a line, while a break at the very end adds none. The
// text is UTF-8 when it is valid UTF-8 (a leading byte-order mark is dropped),
// and code page 1251 otherwise.
std::vector<std::string> LanguageLines(std::string_view bytes);

} // namespace tc
