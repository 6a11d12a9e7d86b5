// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A save never writes over a language file the program reads: the next start
// would find a solution where its texts should be.

#include <string>
#include <vector>

namespace tc {

// "Ukrainian.txt", "Russian.txt" or "English.txt" for the language menu items
// "N23", "N24" and "N25"; any other item counts as Ukrainian.
std::string LanguageFileName(const std::string& item);

// Whether saving to `path` would write one of the program's language files
// ("Ukrainian.txt", "Russian.txt", "English.txt") as the program reads them:
// from the current folder or from one of `languageDirs`. That is a file named
// as one (in any letter case) in one of those folders, and any file that is
// one of them under another name: a symbolic link (followed to its end, also
// to a file not yet there) or a hard link. The files themselves (device and
// inode) are compared, not their names.
bool ReplacesLanguageFile(const std::string& path, const std::vector<std::string>& languageDirs);

// Throws Failure, worded by the line window_save_language_file, when saving to
// `path` would write a language file (ReplacesLanguageFile).
void RefuseLanguageFile(const std::string& path, const std::vector<std::string>& languageDirs);

} // namespace tc
