// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wording of the error box, shared by every view.

#include <string>

#include "context/env.h"
#include "base/failure.h"

namespace tc {

// The error box text for a failure message: a full stop is appended when the
// last character's code is above that of "." (so "...value" gets one and a
// message ending in ")" does not). An empty message stays empty.
std::string ErrorBoxText(const std::string& message);

// The message of `failure` in the current language: the line it names, when
// the current file has it, with the failure's values in its places; otherwise
// the failure's own message, as the program worded it before the line existed.
std::string FailureText(const Failure& failure, const MessageTable& messages);

} // namespace tc
