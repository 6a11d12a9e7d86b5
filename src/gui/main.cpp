// TovrinCALC: the desktop window.

#include <QApplication>

#include "i18n/language_dirs.h"
#include "main_view.h"
#include "numbers/system_decimal.h"
#include "qt_text.h"
#include "start_style.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv); // also sets the C locale from the environment
    QApplication::setStyle(new tc::gui::StartStyle);
    QApplication::setApplicationName(QStringLiteral("tovrincalc"));
    tc::gui::MainView window(
        tc::Settings{tc::ProcessDecimalSeparator(),
                     tc::DefaultLanguageDirs(tc::gui::S(QApplication::applicationFilePath()))});
    window.start();
    window.show();
    return QApplication::exec();
}
