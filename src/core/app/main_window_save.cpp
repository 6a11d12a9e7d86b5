// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a tab's written solution: as a text, a page or a document.

#include "app/main_window.h"
#include "export/latex_page.h"
#include "io/save_kind.h"
#include "io/save_text.h"

namespace tc {

void MainWindow::saveMemo(int tab) {
    Memo& memo = memoOf(tab);
    std::optional<std::string> name = env_.host.askSaveName(lastSaveName_);
    // A dialog gives no empty name; one from elsewhere is taken as cancelling.
    if (!name || name->empty()) return;
    // The dialog keeps what was chosen even when the save then fails or the
    // user declines to replace a file, so that the next try starts from it.
    lastSaveName_ = *name;
    const std::string file = SaveFileName(*name);
    const SaveKind kind = SaveKindOf(file);
    // A page or a document is made before anything is asked: one that cannot
    // be made leaves nothing half done.
    std::string bytes;
    if (kind != SaveKind::Text) {
        const SolutionPage page = solutionPage(tab);
        bytes = kind == SaveKind::Latex ? LatexPage(page)
                : kind == SaveKind::Pdf     ? HtmlPage(page, PageMedium::Paper)
                                            : HtmlPage(page);
        if (kind == SaveKind::Pdf) bytes = env_.host.renderPdf(bytes, page.title);
    }
    // Message entry 80 words the question in the chosen language. A language
    // file of the program is refused before anything is asked, and again by
    // the save itself.
    const std::vector<std::string>& languageDirs = settings_.languageDirs;
    if (CheckSaveTarget(file, languageDirs) &&
        !env_.host.confirmReplace(file, ReplaceQuestion(file, env_.messages(80))))
        return;
    if (kind == SaveKind::Text)
        SaveLines(file, memo.lines, languageDirs);
    else
        SaveBytes(file, bytes, languageDirs);
}

} // namespace tc
