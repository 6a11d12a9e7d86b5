// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A solution line set on paper, where a line cannot run past the margin.

#include <string>
#include <vector>

namespace tc {

// The line cut into pieces of at most `columns` characters, each cut made
// after an operator of a formula (or at a space of its text), never inside
// a number or a name; every piece after the first is indented by four spaces
// more than the line. A line that fits is the one piece.
std::vector<std::string> WrapLine(const std::string& line, char decimal, size_t columns);

} // namespace tc
