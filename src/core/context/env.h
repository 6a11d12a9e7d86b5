// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every calculator needs besides its widgets, handed in as values: the
// number forms with the user's decimal separator, the message table and the
// host for message boxes.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "context/host.h"
#include "i18n/fill_places.h"
#include "base/lines.h"
#include "numbers/convert.h"

namespace tc {

// Entries 1 to 80 of the message texts (room for 100), all empty until a
// language file has been read, and the optional lines from 214 on.
class MessageTable {
public:
    static constexpr int kSize = 100;
    const std::string& operator()(int k) const { return entries_.at(static_cast<size_t>(k)); }
    // The message entry that `line` (99..178) holds.
    const std::string& operator()(Line line) const { return (*this)(MessageEntry(line)); }
    void set(int k, std::string text) { entries_.at(static_cast<size_t>(k)) = std::move(text); }

    // The text of optional line `line` (214 on) of the current file, or
    // `fallback` when the file has no such line: the text the program showed
    // before the line existed.
    std::string text(Line line, std::string_view fallback) const {
        const auto at = static_cast<size_t>(LineIndex(line) - kFirstExtendedLine);
        return at < extended_.size() ? extended_[at] : std::string(fallback);
    }
    // Whether the current file has optional line `line`.
    bool has(Line line) const {
        return static_cast<size_t>(LineIndex(line) - kFirstExtendedLine) < extended_.size();
    }
    // The text of optional line `line`, or `fallback`, with "%1", "%2", ...
    // replaced by `args` in one pass (a replacement is never read again).
    std::string format(Line line, std::string_view fallback, const std::vector<std::string>& args) const {
        return FillPlaces(text(line, fallback), args);
    }
    // The values of the file's lines from 214 on, in order.
    void setExtended(std::vector<std::string> values) { extended_ = std::move(values); }

private:
    std::array<std::string, kSize + 1> entries_{};
    std::vector<std::string> extended_;
};

struct Env {
    Numbers nums;
    MessageTable messages;
    Host& host;
};

} // namespace tc
