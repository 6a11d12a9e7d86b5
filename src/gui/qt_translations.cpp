// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_translations.h"
#include "widgets/names.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "qt_missing_texts.h"

namespace tc::gui {

QtTranslations::QtTranslations(QString folder)
    : folder_(folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : std::move(folder)) {}

QtTranslations::~QtTranslations() {
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    if (missing_) QCoreApplication::removeTranslator(missing_.get());
}

void QtTranslations::follow(const std::string& item) {
    const QString language = item == names::N24   ? QStringLiteral("ru")
                             : item == names::N25 ? QStringLiteral("en")
                                             : QStringLiteral("uk");
    if (language == chosen_) return;
    chosen_ = language;
    if (translator_) QCoreApplication::removeTranslator(translator_.get());
    if (missing_) QCoreApplication::removeTranslator(missing_.get());
    translator_.reset();
    missing_.reset();
    shown_ = QStringLiteral("en");
    if (language == QLatin1String("en")) return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + language, folder_)) return;
    // The last translator installed is asked first: Qt's catalogue, then the
    // texts it lacks.
    missing_ = std::make_unique<MissingQtTexts>(language);
    QCoreApplication::installTranslator(missing_.get());
    QCoreApplication::installTranslator(translator.get());
    translator_ = std::move(translator);
    shown_ = language;
}

} // namespace tc::gui
