// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "io/language_guard.h"
#include "qt_text.h"

namespace tc::gui {

QString DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const QString& lastName) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->setDirectory(DocumentsFolder());
    if (!lastName.isEmpty()) {
        const QFileInfo last(lastName);
        if (last.isAbsolute() && last.dir().exists()) dialog->setDirectory(last.dir());
        dialog->selectFile(last.fileName());
    }
    return dialog;
}

bool IsLanguageFile(const std::string& path, const std::vector<std::string>& languageDirs) {
    return ReplacesLanguageFile(path, languageDirs);
}

} // namespace tc::gui
