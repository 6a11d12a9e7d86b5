#pragma once

#include <string>
#include <vector>

namespace tc {

// Where language files are looked up after the current directory: the folder of
// the executable at `executablePath` (when known), then the installed data folder.
std::vector<std::string> DefaultLanguageDirs(const std::string& executablePath);

} // namespace tc
