#pragma once
// The wording of the error box, shared by every view.

#include <string>

namespace tc {

// The error box text for a failure message: a full stop is appended when the
// last character's code is above that of "." (so "...value" gets one and a
// message ending in ")" does not). An empty message stays empty.
std::string ErrorBoxText(const std::string& message);

} // namespace tc
