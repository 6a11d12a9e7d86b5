// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window `Form1`: a memo with a short text about the program and a
// button that closes the window. Its text is composed at start and again on
// each language change.

#include <string>
#include <vector>

#include "context/env.h"
#include "i18n/language_table.h"
#include "widgets/widget_tree.h"

namespace tc {

class AboutWindow {
public:
    // Adds the window's widgets to `tree` (they name "Form1" as their window).
    AboutWindow(WidgetTree& tree, Env& env);

    // Composes the twenty lines of the About text from the language file
    // `fileName` (looked up as the main window looks up its file). A file that
    // cannot be read leaves the memo empty; a file too short for the About lines
    // leaves the lines appended before the first missing one. Both throw the
    // reading failure for the error box.
    void formCreate(const std::string& fileName, const std::vector<std::string>& languageDirs);
    // Composes the text from the lines of a file already read, as formCreate
    // does: a language change brings the About text into the new language.
    void compose(const LanguageTable& table);

    Memo& info() { return info_; }

    // The fixed lines under the language file's "authors" and "licence" lines;
    // the last line of the text is the program's version (ProgramVersion()).
    // The project has no e-mail address or web site of its own, so the About
    // text names none.
    static constexpr const char* kAuthors = "TovrinCALC developers";
    static constexpr const char* kLicence = "GNU General Public License, version 3 or later";

private:
    Memo& info_;
};

} // namespace tc
