// SPDX-License-Identifier: GPL-3.0-or-later
// The save dialog's folder, language files kept from being replaced, and Qt's
// own texts (dialog buttons, box titles) in the chosen language.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QTabWidget>
#include <QTemporaryDir>

#include "gui_fixture.h"
#include "qt_translations.h"
#include "save_dialog.h"

using namespace tc::gui::test;

namespace {

// The Yes button of a question box, without its mnemonic mark.
QString Yes() {
    return QCoreApplication::translate("QPlatformTheme", "&Yes").remove('&');
}

bool HasQtTranslation(const char* language) {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_" + language + ".qm");
}

} // namespace

class DialogsViewTest : public QObject {
    Q_OBJECT

private slots:
    // The program's folder holds its language files: the dialog starts
    // elsewhere, the first time in the documents folder.
    void the_save_dialog_opens_in_the_documents_folder_or_the_last_one() {
        const auto first = tc::gui::MakeSaveDialog(nullptr, QString());
        QCOMPARE(first->directory().absolutePath(), QDir(tc::gui::DocumentsFolder()).absolutePath());
        QVERIFY(first->directory().absolutePath() != QDir::currentPath());
        QVERIFY(first->directory().absolutePath() != QCoreApplication::applicationDirPath());
        QCOMPARE(first->acceptMode(), QFileDialog::AcceptSave);

        QTemporaryDir last;
        const auto again = tc::gui::MakeSaveDialog(nullptr, last.filePath("vectors.txt"));
        QCOMPARE(again->directory().absolutePath(), QDir(last.path()).absolutePath());
        QCOMPARE(QFileInfo(again->selectedFiles().value(0)).fileName(), QString("vectors.txt"));
    }

    void a_language_file_is_never_replaced_by_a_solution() {
        QTemporaryDir programDir;
        for (const char* file : {"English.txt", "Ukrainian.txt", "Russian.txt"})
            QVERIFY(QFile::copy(QString(TOVRIN_LANG_SOURCE_DIR) + "/" + file, programDir.filePath(file)));
        const QByteArray english = [&] {
            QFile f(programDir.filePath("English.txt"));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        BoxLog log;
        auto view = MakeWindow(log, '.', {tc::gui::S(programDir.path())});
        Find<QAction>(view.get(), "N25")->trigger();
        view->model().setMemo("Vec_M", {"solution"});
        view->refresh();
        // "english" becomes "english.txt": the same file where letter case does not count.
        log.saveAnswers = {programDir.filePath("English"), programDir.filePath("english.TXT"),
                           programDir.filePath("mine")};
        Find<QPushButton>(view.get(), "CV_Save")->click();
        QCOMPARE(log.errors.size(), 2);
        QCOMPARE(log.errors.front(),
                 QString("This is one of the program's language files and will not be overwritten. Choose "
                         "another name."));
        QFile kept(programDir.filePath("English.txt"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), english);
        QVERIFY(QFile::exists(programDir.filePath("mine.txt")));
        // Elsewhere a file of that name is the user's own.
        QTemporaryDir own;
        QVERIFY(!tc::gui::IsLanguageFile(tc::gui::S(own.filePath("English.txt")),
                                         {tc::gui::S(programDir.path())}));
    }

    void qt_texts_follow_the_chosen_language() {
        if (!HasQtTranslation("uk") || !HasQtTranslation("ru"))
            QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        QCOMPARE(Yes(), QString("Так")); // the program starts in Ukrainian
        Find<QAction>(view.get(), "N24")->trigger();
        QCOMPARE(Yes(), QString("Да"));
        Find<QAction>(view.get(), "N25")->trigger();
        QCOMPARE(Yes(), QString("Yes"));
        view.reset();
        QCOMPARE(Yes(), QString("Yes")); // a closed window leaves no translation behind
    }

    // Qt's Ukrainian catalogue lacks a few texts of the print and file
    // dialogs; the program supplies them, and Qt's own texts still win.
    void the_texts_qt_lacks_come_from_the_program() {
        if (!HasQtTranslation("uk") || !HasQtTranslation("ru"))
            QSKIP("Qt's translations are not installed (qt6-translations-l10n)");
        const auto shown = [](const char* context, const char* text) {
            return QCoreApplication::translate(context, text);
        };
        tc::gui::QtTranslations texts;
        texts.follow("N23");
        QCOMPARE(shown("QPrintSettingsOutput", "Pages"), QString("Сторінки"));
        QCOMPARE(shown("QPrintSettingsOutput", "Duplex Printing"), QString("Двосторонній друк"));
        QCOMPARE(shown("QAbstractFileIconProvider", "Folder"), QString("Тека"));
        texts.follow("N24");
        QCOMPARE(shown("QAbstractFileIconProvider", "Folder"), QString("Папка"));
        QCOMPARE(shown("QPrintSettingsOutput", "Pages"), QString("Страницы"));
        texts.follow("N25");
        QCOMPARE(shown("QPrintSettingsOutput", "Pages"), QString("Pages"));
        QCOMPARE(shown("QAbstractFileIconProvider", "Folder"), QString("Folder"));
    }

    void without_qt_translations_the_window_stays_english() {
        QTemporaryDir empty;
        tc::gui::QtTranslations texts(empty.path());
        texts.follow("N23");
        QCOMPARE(texts.shown(), QString("en"));
        QCOMPARE(Yes(), QString("Yes"));
    }
};

QTEST_MAIN(DialogsViewTest)
#include "dialogs_view_test.moc"
