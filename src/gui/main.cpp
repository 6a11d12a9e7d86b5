// SPDX-License-Identifier: GPL-3.0-or-later
// TovrinCALC: the desktop window.

#include <QApplication>
#include <QSettings>
#include <cstring>
#include <iostream>

#include "app/version.h"
#include "early_fonts.h"
#include "i18n/language_dirs.h"
#include "main_view.h"
#include "numbers/system_decimal.h"
#include "qt_text.h"
#include "start_style.h"
#include "window_memory.h"

namespace {

const char kHelp[] = "usage: tovrincalc [OPTION...]\n"
                     "Opens the TovrinCALC window: a higher mathematics calculator that writes\n"
                     "step-by-step solutions.\n"
                     "  -h, --help     print this help and exit\n"
                     "  --version      print the version and exit\n"
                     "The standard Qt options (-platform NAME, -style NAME, ...) are accepted as well.\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they work without a display as well.
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::cout << kHelp;
            return 0;
        }
        if (!std::strcmp(argv[i], "--version")) {
            std::cout << "tovrincalc " << tc::ProgramVersion() << "\n";
            return 0;
        }
    }
    // Fontconfig reads its files on a second core while Qt connects to the display.
    tc::gui::EarlyFonts fonts;
    QApplication app(argc, argv); // also sets the C locale from the environment
    QApplication::setStyle(new tc::gui::StartStyle);
    QApplication::setApplicationName(QStringLiteral("tovrincalc"));
    QApplication::setOrganizationName(QStringLiteral("TovrinCALC"));
    QApplication::setApplicationVersion(QString::fromLatin1(tc::ProgramVersion()));
    // Lets the desktop match the window with its menu entry and icon (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tovrincalc.TovrinCALC"));

    // The View menu's options as the user left them last time.
    QSettings stored;
    fonts.wait();
    tc::gui::MainView window(
        tc::Settings{tc::ProcessDecimalSeparator(),
                     tc::DefaultLanguageDirs(tc::gui::S(QApplication::applicationFilePath()))});
    window.model().setViewOptions({stored.value(QStringLiteral("view/exact"), false).toBool(),
                                   stored.value(QStringLiteral("view/check"), false).toBool()});
    window.hooks.viewChanged = [](const tc::ViewOptions& options) {
        QSettings s;
        s.setValue(QStringLiteral("view/exact"), options.exact);
        s.setValue(QStringLiteral("view/check"), options.check);
    };
    // The language and the size as the user left them (the first run: the system's language).
    const QString userSettings;
    tc::gui::StartRemembered(window, userSettings, QLocale::system());
    if (tc::gui::StartMaximized(userSettings)) window.showMaximized();
    else window.show();
    return QApplication::exec();
}
