// SPDX-License-Identifier: GPL-3.0-or-later
// Saving from the real window: Ctrl+S and the tab buttons, the dialog answered
// by the test, the replace question, cancelling and the error box.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include "gui_fixture.h"

using namespace tc::gui::test;

class SaveViewTest : public QObject {
    Q_OBJECT

private slots:
    void ctrl_s_saves_the_memo_of_the_tab_shown() {
        BoxLog log;
        auto view = MakeWindow(log);
        view->model().setMemo("Vec_M", {"vector"});
        view->model().setMemo("Eq_M", {"Рівняння", "x1=2"});
        view->refresh();
        Find<QTabWidget>(view.get(), "Matem")->setCurrentIndex(5);
        QVERIFY(QTest::qWaitForWindowActive(view.get()));

        log.saveAnswers.push_back(QString("equation"));
        QTest::keyClick(view.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Bytes("equation.txt"), QByteArray("Рівняння\r\nx1=2\r\n"));
        QVERIFY(log.errors.isEmpty());
    }

    void a_save_button_writes_what_the_user_typed_into_the_memo() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QTabWidget>(view.get(), "Matem")->setCurrentIndex(2);
        auto* memo = Find<QPlainTextEdit>(view.get(), "TM");
        // A final line break in the box starts no line of its own.
        memo->setPlainText("typed\n\nКути\n");
        log.saveAnswers.push_back(QString("triangle.TXT"));
        QTest::mouseClick(Find<QWidget>(view.get(), "CRecord3"), Qt::LeftButton);
        QCOMPARE(Bytes("triangle.TXT"), QByteArray("typed\r\n\r\nКути\r\n"));
        QVERIFY(!QFile::exists("triangle.TXT.txt"));
    }

    void the_dialog_offers_the_last_chosen_name_and_cancel_writes_nothing() {
        BoxLog log;
        auto view = MakeWindow(log);
        QStringList offered;
        view->hooks.saveName = [&](const QString& last) -> std::optional<QString> {
            offered << last;
            return log.nextSaveAnswer();
        };
        log.saveAnswers = {QDir::current().filePath("angle"), std::nullopt};
        QTest::mouseClick(Find<QWidget>(view.get(), "CV_Save"), Qt::LeftButton);
        QVERIFY(QFile::remove("angle.txt"));
        QTest::mouseClick(Find<QWidget>(view.get(), "CV_Save"), Qt::LeftButton);
        QCOMPARE(offered, QStringList({"", QDir::current().filePath("angle")}));
        QVERIFY(QDir::current().entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
        QVERIFY(log.errors.isEmpty());
    }

    // The About window is modal: Ctrl+S pressed in it reaches no save command,
    // and the main window takes the key again once it is closed.
    void ctrl_s_saves_nothing_while_the_about_window_is_open() {
        BoxLog log;
        auto view = MakeWindow(log);
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        workspace_.stopWatchdog(); // the real About window is expected here
        view->hooks.about = nullptr;
        int asked = 0;
        view->hooks.saveName = [&asked](const QString&) -> std::optional<QString> {
            ++asked;
            return std::nullopt;
        };
        bool aboutWasModal = false;
        QTimer::singleShot(0, view.get(), [&] {
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            aboutWasModal = about && about == view->aboutWindow();
            if (!about) return;
            QTest::keyClick(about, Qt::Key_S, Qt::ControlModifier);
            about->reject();
        });
        Find<QAction>(view.get(), "N2")->trigger();
        QVERIFY(aboutWasModal);
        QCOMPARE(asked, 0);

        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        QTest::keyClick(view.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(asked, 1);
        QVERIFY(log.errors.isEmpty());
    }

    void init() { QVERIFY(workspace_.enter()); }
    void cleanup() { workspace_.leave(); }

private:
    Workspace workspace_;
};

QTEST_MAIN(SaveViewTest)
#include "save_view_test.moc"
