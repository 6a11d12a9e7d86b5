// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding and reading a language file.

#include <string>
#include <vector>

#include "i18n/language_table.h"
#include "io/language_guard.h"

namespace tc {

// Reads the language file `fileName` from the current directory or, when it
// cannot be read there, from the first of `dirs` that has it. When none has it,
// throws Failure "Cannot open file \"<path>\". <reason>", naming the path in the
// current directory and the system's reason for not reading it there.
LanguageTable ReadLanguageFile(const std::string& fileName, const std::vector<std::string>& dirs);

} // namespace tc
