// SPDX-License-Identifier: GPL-3.0-or-later
#include "handin/hand_in.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QStringList>

#include "base/failure.h"

namespace tc::gui {

namespace {

QStringList& ExtraFolders() {
    static QStringList folders;
    return folders;
}

// Beside the program (a build run in place), then where an install puts the
// module, found from the program's folder so that a moved install works.
QStringList Folders() {
    QStringList folders = ExtraFolders();
    const QString here = QCoreApplication::applicationDirPath();
    folders << here;
#ifdef TOVRIN_HANDIN_FROM_BIN
    folders << QDir(here).filePath(QStringLiteral(TOVRIN_HANDIN_FROM_BIN));
#endif
    return folders;
}

} // namespace

void AddHandInFolder(const QString& folder) {
    ExtraFolders() << folder;
}

const HandIn& LoadHandIn() {
    static const HandIn* loaded = nullptr;
    if (loaded) return *loaded;
    QStringList reasons;
    for (const QString& folder : Folders()) {
        // The library stays loaded when the QLibrary goes.
        QLibrary module(QDir(folder).filePath(QStringLiteral("tovrincalc-handin")));
        using Entry = const HandIn* (*)();
        if (auto entry = reinterpret_cast<Entry>(module.resolve(kHandInEntry))) {
            loaded = entry();
            return *loaded;
        }
        reasons << module.errorString();
    }
    throw Failure("Cannot load the module that makes documents, printouts and figure files "
                  "(tovrincalc-handin): " +
                  reasons.join(QStringLiteral("; ")).toStdString());
}

} // namespace tc::gui
