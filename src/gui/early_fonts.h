// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fontconfig's configuration and font lists, read on a thread of their own
// while the application connects to the display.
//
// The first text Qt lays out makes fontconfig read its configuration files
// and font caches: a third of the window's start-up, on one core, after the
// connection to the display (another third) is made. Neither needs the other,
// so the program starts the reading first and waits for it just before it
// builds the window; Qt then finds fontconfig ready, and the family that
// stands in for the window's own is known (see PrepareFamily).

#include <thread>

namespace tc::gui {

class EarlyFonts {
public:
    // Starts the reading. Call before the application object exists (the
    // locale is set here, once, as the application would set it). Nothing is
    // started without fontconfig, or where the environment changes while the
    // application starts: Qt removes DESKTOP_STARTUP_ID from it, and another
    // thread must not read the environment meanwhile.
    EarlyFonts();
    // Waits for the reading.
    ~EarlyFonts();
    EarlyFonts(const EarlyFonts&) = delete;
    EarlyFonts& operator=(const EarlyFonts&) = delete;

    // Waits for the reading; returns at once when it is done or never started.
    void wait();

private:
    std::thread reader_;
};

} // namespace tc::gui
