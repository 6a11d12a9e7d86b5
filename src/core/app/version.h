// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's version, as the build system's project declares it.

namespace tc {

// "major.minor.patch", e.g. "1.0.0"; the same text the package carries.
const char* ProgramVersion();

} // namespace tc
