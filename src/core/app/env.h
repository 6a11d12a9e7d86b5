#pragma once
// What every calculator needs besides its widgets, handed in as values: the
// number forms with the user's decimal separator, the message table and the
// host for message boxes.

#include <array>
#include <string>

#include "app/host.h"
#include "numbers/convert.h"

namespace tc {

// Entries 1 to 80 of the message texts (room for 100); all empty until a
// language file has been read.
class MessageTable {
public:
    static constexpr int kSize = 100;
    const std::string& operator()(int k) const { return entries_.at(static_cast<size_t>(k)); }
    void set(int k, std::string text) { entries_.at(static_cast<size_t>(k)) = std::move(text); }

private:
    std::array<std::string, kSize + 1> entries_{};
};

struct Env {
    Numbers nums;
    MessageTable messages;
    Host& host;
};

} // namespace tc
