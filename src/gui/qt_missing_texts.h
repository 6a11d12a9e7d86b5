// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of Qt's dialogs that Qt's own Ukrainian or Russian catalogue lacks
// (the print dialog's "Pages", the file dialog's "Folder"): without them a
// Ukrainian dialog would show a few English words among its own.

#include <QTranslator>

namespace tc::gui {

class MissingQtTexts : public QTranslator {
public:
    // `language` is "uk" or "ru"; any other language has nothing to add.
    explicit MissingQtTexts(QString language);
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override;

private:
    QString language_;
};

} // namespace tc::gui
