// TovrinCALC: the desktop window.

#include <QApplication>
#include <QSettings>

#include "i18n/language_dirs.h"
#include "main_view.h"
#include "numbers/system_decimal.h"
#include "qt_text.h"
#include "start_style.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv); // also sets the C locale from the environment
    QApplication::setStyle(new tc::gui::StartStyle);
    QApplication::setApplicationName(QStringLiteral("tovrincalc"));
    QApplication::setOrganizationName(QStringLiteral("TovrinCALC"));

    // The View menu's options as the user left them last time.
    QSettings stored;
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
    window.start();
    window.show();
    return QApplication::exec();
}
