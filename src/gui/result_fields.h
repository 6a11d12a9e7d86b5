// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The single-line fields that show results. The window shows them read-only:
// the keyboard walk of a tab passes over them (a click still selects their
// text for copying), and a long number in them shrinks to fit.

#include <string>

namespace tc::gui {

// Whether the field named `name` shows a result rather than taking data.
bool IsResultField(const std::string& name);

} // namespace tc::gui
