// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/about_window.h"

#include "app/version.h"
#include "i18n/language_file.h"
#include "base/lines.h"
#include "widgets/names.h"

namespace tc {

// The window reads nothing from the environment the calculators share: its text
// comes from its own reading of a language file.
AboutWindow::AboutWindow(WidgetTree& tree, Env& /*env*/)
    : info_([&]() -> Memo& {
          Widget& form = tree.addPlain(WidgetKind::Form, names::Form1, "", "Про програму", {0, 0, 475, 332});
          form.look.background = 0xC0DCC0;
          form.look.pixelSize = 11;
          tree.addPlain(WidgetKind::Page, names::TabSheet1, names::Form1, "Про програму", {0, 0, 473, 305});
          Memo& m = tree.add<Memo>(names::InfoM, names::TabSheet1);
          m.geometry = {0, 4, 465, 269};
          m.look.background = 0xE0E0E0;
          tree.addPlain(WidgetKind::Button, names::Button1, names::Form1, "Вихід", {2, 307, 471, 25});
          return m;
      }()) {}

void AboutWindow::formCreate(const std::string& fileName, const std::vector<std::string>& languageDirs) {
    info_.clear();
    compose(ReadLanguageFile(fileName, languageDirs));
}

void AboutWindow::compose(const LanguageTable& table) {
    info_.clear();
    // The authors', the licence and the version line come under the lines that
    // introduce them; the indentation of the three fixed lines is part of the
    // text's look.
    for (int line = LineIndex(Line::about_purpose); line <= LineIndex(Line::about_steps); ++line)
        info_.add(table.value(line));
    info_.add("");
    // The names are in the file's language where it has their lines.
    const auto named = [&table](Line line, const char* english) -> std::string {
        return LineIndex(line) < table.count() ? table.value(line) : english;
    };
    info_.add(table.value(Line::about_author));
    info_.add(std::string(8, ' ') + named(Line::about_developers, kAuthors));
    info_.add("");
    info_.add(table.value(Line::about_licence));
    info_.add(std::string(8, ' ') + named(Line::about_licence_name, kLicence));
    info_.add("");
    for (int line = LineIndex(Line::about_save); line <= LineIndex(Line::about_version); ++line)
        info_.add(table.value(line));
    info_.add(std::string(7, ' ') + ProgramVersion());
}

} // namespace tc
