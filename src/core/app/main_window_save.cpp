// Saving a tab's written solution.

#include "app/main_window.h"

namespace tc {

void MainWindow::saveMemo(Memo& memo) {
    (void)memo;
    std::optional<std::string> name = env_.host.askSaveName(lastSaveName_);
    if (!name) return;
    lastSaveName_ = *name;
}

} // namespace tc
