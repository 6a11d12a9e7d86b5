#pragma once
// Saving a written solution as a text file. Names are UTF-8 texts; a relative
// name is taken relative to the current directory.

#include <string>
#include <vector>

namespace tc {

// The file a name chosen in the save dialog stands for: the name itself when
// it already ends in ".txt" in any letter case, otherwise the name + ".txt".
std::string TextFileName(const std::string& chosen);

// Whether `path` can take a saved text. Returns true when a file is there
// already (the user is then asked before it is replaced) and false when none
// is. Throws Failure, naming the file and the reason, when nothing can be
// saved there: a folder, something that is not a plain file, a read-only file.
bool CheckSaveTarget(const std::string& path);

// Writes `lines` to `path` as UTF-8, each line followed by CR LF and nothing
// else (no lines: an empty file). A line holding a line break of its own is
// written as the lines it stands for. The text goes to a temporary file beside
// the target, which is then renamed into place: on any failure the temporary
// file is removed, an existing file at `path` stays as it was, and Failure is
// thrown with a message naming the file and the system's reason.
void SaveLines(const std::string& path, const std::vector<std::string>& lines);

// The question asked before an existing file is replaced: `wording` with its
// first "%s" replaced by `path`; an empty wording (no language file read) gives
// the English question.
std::string ReplaceQuestion(const std::string& path, const std::string& wording = {});

} // namespace tc
