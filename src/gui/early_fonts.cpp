// SPDX-License-Identifier: GPL-3.0-or-later
#include "early_fonts.h"

#include <clocale>
#include <cstdlib>

#include "font_family.h"

#ifdef TOVRIN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tc::gui {

EarlyFonts::EarlyFonts() {
#ifdef TOVRIN_HAVE_FONTCONFIG
    if (std::getenv("DESKTOP_STARTUP_ID")) return;
    // Fontconfig reads numbers in its files by the locale: the locale is
    // settled before it starts (the application sets the same one again).
    std::setlocale(LC_ALL, "");
    // The stand-in for the window's family is found here as well, off the
    // path to the first window.
    reader_ = std::thread([] {
        if (FcInit()) PrepareFamily(kWindowFamily, kWindowHint);
    });
#endif
}

EarlyFonts::~EarlyFonts() {
    wait();
}

void EarlyFonts::wait() {
    if (reader_.joinable()) reader_.join();
}

} // namespace tc::gui
