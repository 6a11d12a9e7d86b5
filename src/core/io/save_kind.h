// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What kind of file a name chosen in the save dialog asks for.

#include <string>

namespace tc {

enum class SaveKind { Text, Html, Pdf, Latex };

// The kind the name's ending asks for, in any letter case: ".html" and ".htm"
// a page, ".pdf" a document, ".tex" a LaTeX document, anything else a text.
SaveKind SaveKindOf(const std::string& chosen);

// The file a chosen name stands for: a page or a document keeps its name, a
// text gets ".txt" appended unless it ends in it already.
std::string SaveFileName(const std::string& chosen);

} // namespace tc
