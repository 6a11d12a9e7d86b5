// Saving a tab's written solution.

#include "app/main_window.h"
#include "io/save_text.h"

namespace tc {

void MainWindow::saveMemo(Memo& memo) {
    std::optional<std::string> name = env_.host.askSaveName(lastSaveName_);
    // A dialog gives no empty name; one from elsewhere is taken as cancelling.
    if (!name || name->empty()) return;
    // The dialog keeps what was chosen even when the save then fails or the
    // user declines to replace a file, so that the next try starts from it.
    lastSaveName_ = *name;
    const std::string file = TextFileName(*name);
    // Message entry 80 words the question in the chosen language.
    if (CheckSaveTarget(file) && !env_.host.confirmReplace(file, ReplaceQuestion(file, env_.messages(80))))
        return;
    SaveLines(file, memo.lines);
}

} // namespace tc
