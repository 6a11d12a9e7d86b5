// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tc {

// Where language files are looked up after the current directory: the folder of
// the executable at `executablePath` (when known), then the data folder of the
// installed tree that executable sits in ("../share/tovrincalc" from its bin
// folder, so an unpacked or moved install finds its files), then the data folder
// the build was configured for.
std::vector<std::string> DefaultLanguageDirs(const std::string& executablePath);

// The full path of the running program where the system tells it (Linux:
// /proc/self/exe, whatever the program was started through: PATH, a symbolic
// link, a relative name); otherwise `argv0` as given.
std::string ExecutablePath(const std::string& argv0);

} // namespace tc
