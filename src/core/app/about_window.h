#pragma once
// The About window `Form1`: a memo with a short text about the program and a
// button that closes the window. Its text is composed at start and again on
// each language change.

#include <string>
#include <vector>

#include "app/env.h"
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

    // The fixed lines under the language file's "author" and "contact" lines and
    // at the end of the text.
    static constexpr const char* kAuthor = "TovrinCALC team";
    static constexpr const char* kContact = "info@tovrincalc.org";
    static constexpr const char* kWeb = "https://tovrincalc.org";

private:
    WidgetTree& tree_;
    Env& env_;
    Memo& info_;
};

} // namespace tc
