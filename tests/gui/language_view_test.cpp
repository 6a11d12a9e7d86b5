// SPDX-License-Identifier: GPL-3.0-or-later
// The real window switching languages from the keyboard, and its texts when no
// language file can be found.

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/version.h"
#include "gui_fixture.h"
#include "qt_text.h"

using namespace tc::gui::test;

namespace {

const QStringList kEnglishTabs = {"Vectors",        "Matrices",  "Triangle", "Tetrahedron",
                                  "Linear systems", "Equations", "Gauss",    "Lines and planes"};
const QStringList kUkrainianTabs = {"Вектори",  "Матриці", "Трикутник", "Тетраедр",
                                    "СЛАР",     "Рівняння", "Гаусс",    "Прямі та площини"};

QStringList TabCaptions(QWidget* view) {
    QStringList captions;
    auto* tabs = Find<QTabWidget>(view, "Matem");
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    return captions;
}

QString Text(tc::gui::MainView* view, const char* name) {
    view->buildPageOf(name); // a button of a page not shown yet
    if (auto* menu = view->findChild<QMenu*>(name)) return ShownText(menu->title());
    if (auto* button = view->findChild<QPushButton*>(name)) return ShownCaption(button);
    return ShownText(Find<QAction>(view, name)->text());
}

// Sends Ctrl+<key> to the window as the user's keyboard would.
void CtrlKey(QWidget* view, Qt::Key key) {
    QVERIFY(Activate(view));
    QTest::keyClick(view, key, Qt::ControlModifier);
}

} // namespace

class LanguageViewTest : public QObject {
    Q_OBJECT

private slots:
    void ctrl_e_puts_english_on_the_menu_the_buttons_and_the_tab_captions() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        QVERIFY(log.startErrors.isEmpty());
        QCOMPARE(Text(view.get(), "N1"), QString("Завдання"));
        QCOMPARE(Text(view.get(), "CBut1"), QString("Обчислити"));

        CtrlKey(view.get(), Qt::Key_E);
        QVERIFY(Find<QAction>(view.get(), "N25")->isChecked());
        QVERIFY(!Find<QAction>(view.get(), "N23")->isChecked());
        QCOMPARE(Text(view.get(), "N1"), QString("Tasks"));
        QCOMPARE(Text(view.get(), "N9"), QString("Higher mathematics"));
        QCOMPARE(Text(view.get(), "N17"), QString("Angle between vectors"));
        QCOMPARE(Text(view.get(), "N4"), QString("Save"));
        QCOMPARE(Text(view.get(), "Info1"), QString("Help"));
        for (const char* compute : {"CBut1", "Mat_But", "CTr_But", "CP_But", "CRun", "Eq_Run"})
            QCOMPARE(Text(view.get(), compute), QString("Compute"));
        for (const char* exit : {"CClose", "M_But", "CClose3", "CP_Close", "CS_Close", "Eq_close"})
            QCOMPARE(Text(view.get(), exit), QString("Exit"));
        QCOMPARE(TabCaptions(view.get()), kEnglishTabs);
        QVERIFY(log.errors.isEmpty());

        CtrlKey(view.get(), Qt::Key_R);
        QCOMPARE(Text(view.get(), "N1"), QString("Задания"));
        CtrlKey(view.get(), Qt::Key_U);
        QCOMPARE(Text(view.get(), "N1"), QString("Завдання"));
        QCOMPARE(TabCaptions(view.get()), kUkrainianTabs);
    }

    // Text fields have Ctrl+E, Ctrl+U of their own (end of line, delete to the
    // start); the menu's language commands must still win there.
    void ctrl_e_switches_the_language_while_the_cursor_is_in_a_text_field() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        QVERIFY(Activate(view.get()));
        Find<QTabWidget>(view.get(), "Matem")->setCurrentIndex(5);
        auto* field = Find<QLineEdit>(view.get(), "Eq_e1");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, "typed text");
        field->setCursorPosition(0);
        QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(Find<QAction>(view.get(), "N25")->isChecked());
        QCOMPARE(Text(view.get(), "N1"), QString("Tasks"));
        QTest::keyClick(field, Qt::Key_U, Qt::ControlModifier);
        QVERIFY(Find<QAction>(view.get(), "N23")->isChecked());
        QCOMPARE(field->text(), QString("typed text"));
    }

    // Only the main window's fields give way: a text field of a dialog (the save
    // dialog's file name) keeps its editing keys.
    void a_dialog_field_keeps_its_own_ctrl_keys() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        QDialog dialog(view.get());
        auto* dialogField = new QLineEdit(&dialog);
        // Which platform gives a line edit Ctrl+E differs; what is checked here is
        // that the window claims the key for its menu only within itself.
        QObject* window = view.get();
        QKeyEvent inDialog(QEvent::ShortcutOverride, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!window->eventFilter(dialogField, &inDialog));
        QKeyEvent inWindow(QEvent::ShortcutOverride, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(window->eventFilter(Find<QLineEdit>(view.get(), "Eq_e1"), &inWindow));
    }

    // A task selector showing an item's text with no item selected reports a
    // choice when its edit loses the focus, also while the window is torn down;
    // that must not reach the model any more.
    void a_window_torn_down_with_the_cursor_in_a_task_selector_closes_cleanly() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        QVERIFY(Activate(view.get()));
        auto* selector = Find<QComboBox>(view.get(), "TVec");
        QCOMPARE(selector->currentIndex(), -1);
        QCOMPARE(selector->currentText(), QString("Додавання"));
        selector->lineEdit()->setFocus();
        QVERIFY(selector->lineEdit()->hasFocus());
        view.reset();
        QVERIFY(log.errors.isEmpty());
    }

    // The selectors get new item texts on a change; refilling the Qt lists must
    // neither drop the chosen task nor wipe what the user typed or computed.
    void a_language_change_on_screen_keeps_the_chosen_tasks_the_inputs_and_the_solution() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        Find<QAction>(view.get(), "N17")->trigger(); // angle between vectors
        Find<QAction>(view.get(), "N20")->trigger(); // determinant
        auto* norm = Find<QComboBox>(view.get(), "V_N");
        QTest::mouseClick(Find<QPushButton>(view.get(), "CBut1"), Qt::LeftButton);
        const QString solution = Find<QPlainTextEdit>(view.get(), "Vec_M")->toPlainText();
        QVERIFY(solution.startsWith("Дії над векторами\n\nКут між векторами\n"));
        auto* field = Find<QLineEdit>(view.get(), "Eq_e1");
        field->selectAll();
        QTest::keyClicks(field, "7");

        CtrlKey(view.get(), Qt::Key_E);
        auto* vec = Find<QComboBox>(view.get(), "TVec");
        QCOMPARE(vec->currentIndex(), 5);
        QCOMPARE(vec->currentText(), QString("Angle between vectors"));
        QCOMPARE(vec->itemText(0), QString("Addition"));
        auto* mat = Find<QComboBox>(view.get(), "TMat_task");
        QCOMPARE(mat->currentIndex(), 3);
        QCOMPARE(mat->currentText(), QString("Determinant"));
        QCOMPARE(norm->currentText(), QString("2"));
        QCOMPARE(Find<QPlainTextEdit>(view.get(), "Vec_M")->toPlainText(), solution);
        QCOMPARE(Find<QLineEdit>(view.get(), "phi1")->text(), QString("1.397"));
        QCOMPARE(field->text(), QString("7"));
        QVERIFY(log.errors.isEmpty());

        // The next solution speaks the new language and solves the same task.
        QTest::mouseClick(Find<QPushButton>(view.get(), "CBut1"), Qt::LeftButton);
        QVERIFY(Find<QPlainTextEdit>(view.get(), "Vec_M")
                    ->toPlainText()
                    .startsWith("Operations on vectors\n\nAngle between vectors\n"));
    }

    void the_about_text_follows_a_language_change() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        CtrlKey(view.get(), Qt::Key_E);
        auto* info = Find<QPlainTextEdit>(view->aboutWindow(), "InfoM");
        const std::vector<std::string> lines = tc::gui::SplitLines(info->toPlainText());
        QCOMPARE(lines.size(), std::size_t{20});
        QVERIFY(QString::fromStdString(lines[0]).startsWith("TovrinCALC is a calculator"));
        QCOMPARE(view->aboutWindow()->windowTitle(), QString("About TovrinCALC"));
        QCOMPARE(lines[19], std::string("       ") + tc::ProgramVersion());
    }

    void without_language_files_the_built_in_captions_stay_after_one_box_per_window() {
        BoxLog log;
        auto view = MakeWindow(log);
        QCOMPARE(log.startErrors.size(), 2);
        for (const QString& e : log.startErrors)
            QVERIFY2(e.startsWith("Cannot open file \""), qPrintable(e));
        QVERIFY(log.startErrors[0].contains("Ukrainian.txt"));
        QCOMPARE(Text(view.get(), "N1"), QString("Завдання"));
        QCOMPARE(Text(view.get(), "CS_Save"), QString("Зберегти"));
        QVERIFY(Find<QPlainTextEdit>(view->aboutWindow(), "InfoM")->toPlainText().isEmpty());
    }

    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup() { watchdog_.reset(); }

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
};

QTEST_MAIN(LanguageViewTest)
#include "language_view_test.moc"
