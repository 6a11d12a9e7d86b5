#include "app/about_window.h"

#include "app/version.h"
#include "i18n/language_file.h"

namespace tc {

// The window reads nothing from the environment the calculators share: its text
// comes from its own reading of a language file.
AboutWindow::AboutWindow(WidgetTree& tree, Env& /*env*/)
    : info_([&]() -> Memo& {
          Widget& form = tree.addPlain(WidgetKind::Form, "Form1", "", "Про програму", {0, 0, 475, 332});
          form.look.background = 0xC0DCC0;
          form.look.pixelSize = 11;
          tree.addPlain(WidgetKind::Page, "TabSheet1", "Form1", "Про програму", {0, 0, 473, 305});
          Memo& m = tree.add<Memo>("InfoM", "TabSheet1");
          m.geometry = {0, 4, 465, 269};
          m.look.background = 0xE0E0E0;
          tree.addPlain(WidgetKind::Button, "Button1", "Form1", "Вихід", {2, 307, 471, 25});
          return m;
      }()) {}

void AboutWindow::formCreate(const std::string& fileName, const std::vector<std::string>& languageDirs) {
    info_.clear();
    const LanguageTable table = ReadLanguageFile(fileName, languageDirs);
    // Lines 207, 208 and 213 introduce the authors', the licence and the version
    // line below them; the indentation of the three fixed lines is part of the
    // text's look.
    for (int line = 200; line <= 206; ++line)
        info_.add(table.value(line));
    info_.add("");
    info_.add(table.value(207));
    info_.add(std::string(8, ' ') + kAuthors);
    info_.add("");
    info_.add(table.value(208));
    info_.add(std::string(8, ' ') + kLicence);
    info_.add("");
    for (int line = 209; line <= 213; ++line)
        info_.add(table.value(line));
    info_.add(std::string(7, ' ') + ProgramVersion());
}

} // namespace tc
