// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (the buttons and titles of the file dialog and the message
// boxes, the edit menus of the fields) in the language the user chose, with
// the few texts Qt's catalogue lacks supplied by the program (qt_missing_texts.h).

#include <QString>
#include <memory>
#include <string>

class QTranslator;

namespace tc::gui {

class QtTranslations {
public:
    // `folder` holds Qt's translation files (qtbase_uk.qm, qtbase_ru.qm);
    // empty for the folder of the Qt the program runs with.
    explicit QtTranslations(QString folder = {});
    ~QtTranslations();

    // Puts Qt's texts into the language of language item `item` ("N23"
    // Ukrainian, "N24" Russian, "N25" English). Without the translation file
    // Qt's texts stay English and the window works as before. Does nothing when
    // the language is the one shown.
    void follow(const std::string& item);
    // The language shown: "uk", "ru", or "en" (also when a file was missing).
    const QString& shown() const { return shown_; }

private:
    QString folder_;
    QString chosen_;
    QString shown_ = QStringLiteral("en");
    std::unique_ptr<QTranslator> translator_;
    std::unique_ptr<QTranslator> missing_; // what Qt's catalogue lacks

};

} // namespace tc::gui
