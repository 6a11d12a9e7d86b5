// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_missing_texts.h"

#include <cstring>

namespace tc::gui {

namespace {

struct MissingText {
    const char* context;
    const char* source;
    const char* uk; // null where Qt's catalogue has the text
    const char* ru;
};

// Found by opening the dialogs the program shows (save, print with its
// properties, message boxes) with Qt's catalogues and listing what stayed English.
const MissingText kMissing[] = {
    {"QPrintSettingsOutput", "Pages", "Сторінки", nullptr},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
     "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Вкажіть сторінки або діапазони через кому. Діапазон – це два числа через дефіс. Наприклад: "
     "3,5-7,9 друкує сторінки 3, 5, 6, 7 і 9.",
     nullptr},
    {"QPrintSettingsOutput", "Double Sided Printing", "Двосторонній друк", nullptr},
    {"QPrintSettingsOutput", "Off", "Вимкнено", nullptr},
    {"QPrintSettingsOutput", "Long side binding", "Зшивання по довгій стороні", nullptr},
    {"QPrintSettingsOutput", "Short side binding", "Зшивання по короткій стороні", nullptr},
    {"QPrintPropertiesWidget", "Advanced", "Додатково", nullptr},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "Деякі параметри суперечать один одному. Виправте їх.", nullptr},
    {"QAbstractFileIconProvider", "Drive", "Диск", "Диск"},
    {"QAbstractFileIconProvider", "Folder", "Тека", "Папка"},
};

} // namespace

MissingQtTexts::MissingQtTexts(QString language) : language_(std::move(language)) {}

QString MissingQtTexts::translate(const char* context, const char* sourceText, const char*, int) const {
    if (!context || !sourceText) return {};
    const bool uk = language_ == QLatin1String("uk");
    for (const MissingText& text : kMissing) {
        if (std::strcmp(text.context, context) != 0 || std::strcmp(text.source, sourceText) != 0) continue;
        const char* translated = uk ? text.uk : language_ == QLatin1String("ru") ? text.ru : nullptr;
        return translated ? QString::fromUtf8(translated) : QString();
    }
    return {};
}

bool MissingQtTexts::isEmpty() const {
    return language_ != QLatin1String("uk") && language_ != QLatin1String("ru");
}

} // namespace tc::gui
