// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A name a solution's file can take on every common file system.

#include <string>

namespace tc {

// `title` (a task's name, such as "Біквадратне A*x^4+B*x^2+C=0") without
// its formula: cut at the first character that is no letter, digit, space,
// "-", "_" or "." (a formula's "*", "^", ":", "=", "/" and the like), with the
// spaces and dots at its ends removed; "solution" when nothing is left.
std::string SafeFileName(const std::string& title);

// A name from a page's whole title, the tab and its task ("Vectors: Addition
// A+B"): each part made safe as above, joined by " - " ("Vectors - Addition").
std::string TaskFileName(const std::string& title);

} // namespace tc
