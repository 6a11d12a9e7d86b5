// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialog that asks where a written solution goes.

#include <QString>
#include <memory>
#include <string>
#include <vector>

class QFileDialog;
class QWidget;

namespace tc::gui {

// The user's documents folder, or the home folder where there is none.
QString DocumentsFolder();

// A save dialog that starts at `lastName` (the name chosen last time, in its
// folder) or, the first time, in the documents folder: never in the program's
// own folder, beside its language files. It does not ask before replacing a
// file: the program asks its own question.
std::unique_ptr<QFileDialog> MakeSaveDialog(QWidget* parent, const QString& lastName);

// Whether saving to `path` would replace one of the program's language files:
// a file named as one (in any letter case) in the current folder or in one of
// `languageDirs`, the folders the program reads them from, or that file under
// another name (a link); see ReplacesLanguageFile.
bool IsLanguageFile(const std::string& path, const std::vector<std::string>& languageDirs);

} // namespace tc::gui
