// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a written solution as a text file. Names are UTF-8 texts; a relative
// name is taken relative to the current directory.

#include <string>
#include <vector>

#include "io/file_ops.h"

namespace tc {

// The file a name chosen in the save dialog stands for: the name itself when
// it already ends in ".txt" in any letter case, otherwise the name + ".txt".
std::string TextFileName(const std::string& chosen);

// Whether `path` can take a saved text. Returns true when a file is there
// already (the user is then asked before it is replaced) and false when none
// is. A symbolic link stands for the file it names, also one that does not
// exist yet. Throws Failure, naming the file and the reason, when nothing can
// be saved there: a folder, something that is not a plain file, a read-only
// file, a name holding a NUL character; and Failure worded by the line
// window_save_language_file when `path` is one of the program's language
// files, read from the current folder or from `languageDirs`
// (RefuseLanguageFile).
bool CheckSaveTarget(const std::string& path, const std::vector<std::string>& languageDirs = {});

// Writes `lines` to `path` as UTF-8, each line followed by CR LF and nothing
// else (no lines: an empty file). A line holding a line break of its own is
// written as the lines it stands for. A link is followed and kept.
//
// The text goes to a temporary file beside the target, synced to the disk and
// then renamed into place. Where that would lose something (a file with other
// hard links) or the folder takes no new file (a writable file in a read-only
// folder), the file is rewritten in place instead, after a copy of its old
// text has been written beside it (where the folder takes no new file: to the
// system's temporary folder) and read back. On any failure the target keeps
// its old text (restored from the copy when the rewrite was under way), no
// temporary file is left, and Failure is thrown with a message naming the file
// and the system's reason, and the temporary folder when the copy could not
// be made there. `ops` makes the
// file system calls. A language file of the program (see CheckSaveTarget,
// with `languageDirs`) is refused before anything is written.
void SaveLines(const std::string& path, const std::vector<std::string>& lines,
               const std::vector<std::string>& languageDirs = {}, FileOps& ops = SystemFileOps());

// Writes `bytes` to `path` as they are, with everything SaveLines promises:
// the one safe way every kind of saved file (text, page, document, figure) takes.
void SaveBytes(const std::string& path, const std::string& bytes,
               const std::vector<std::string>& languageDirs = {}, FileOps& ops = SystemFileOps());

// The question asked before an existing file is replaced: `wording` with its
// first "%s" replaced by `path`; an empty wording (no language file read) gives
// the English question.
std::string ReplaceQuestion(const std::string& path, const std::string& wording = {});

} // namespace tc
