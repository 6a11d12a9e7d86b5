// Loading the language file chosen by the checked language item.

#include "app/main_window.h"

namespace tc {

void MainWindow::loadLanguage() {
    // Until the language files are read, the built-in captions stay and the
    // message table stays empty, exactly as when no file can be read.
}

} // namespace tc
