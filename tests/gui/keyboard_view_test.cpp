// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard alone: Enter computes, Tab walks each tab as inputs -> compute
// -> save -> exit -> result grids -> memo, a set of choices is one stop whose
// arrows choose, a click on a tab's caption puts the cursor in its first
// input, and Alt mnemonics press the buttons and open the menus.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <map>
#include <QTabBar>
#include <QTabWidget>

#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

struct TabCase {
    int index;
    const char* input; // a field or grid the user types into
    const char* memo;
    QStringList order; // the walk of Tab
};

const TabCase kTabs[] = {
    {0,
     "Vec_Table",
     "Vec_M",
     {"TVec", "V_N", "Vec_Table", "CBut1", "Vec_Figure", "CV_Save", "CClose", "V_Rez", "Vec_M"}},
    {1,
     "Mat1",
     "MAT_M",
     {"TMat_task", "M_N", "Mat1", "Mat2", "Mat_R", "Mat_But", "M_Save", "M_But", "MAT_M"}},
    {2,
     "ax",
     "TM",
     {"ax", "ay", "bx", "by", "cx", "cy", "CTr_But", "Tr_Figure", "CRecord3", "CClose3", "REZ5", "TM"}},
    {3,
     "Piram",
     "Tet_M",
     {"Piram", "CP_But", "Tet_Figure", "CP_Save", "CP_Close", "PLine", "ABC", "TVec_H", "Phi", "THam", "Tet_M"}},
    {4, "SLAE", "SLA", {"Sl1", "SLAE", "CRun", "CS_Save", "CS_Close", "SLA"}},
    {5,
     "Eq_e1",
     "Eq_M",
     {"eq1", "Eq_e1", "eq_e2", "Eq_e3", "Eq_Run", "Eq_Save", "Eq_close", "Eq_M"}},
};

QWidget* ShowTab(tc::gui::MainView* view, int index) {
    Find<QTabWidget>(view, "Matem")->setCurrentIndex(index);
    if (!Activate(view)) qWarning("the window is not active");
    return Find<QTabWidget>(view, "Matem")->currentWidget();
}

// Puts the focus into `input`; a grid opens the editor of its first typed cell.
QWidget* FocusInput(QWidget* view, const char* input) {
    auto* w = Find<QWidget>(view, input);
    w->setFocus(Qt::TabFocusReason);
    if (auto* grid = qobject_cast<QTableView*>(w)) {
        grid->setCurrentIndex(grid->model()->index(1, 1));
        QApplication::processEvents();
    }
    return QApplication::focusWidget();
}

// The named control of `page` that is or holds the focus; empty when the
// focus is outside the page.
QString FocusedControl(QWidget* page) {
    if (!page->isAncestorOf(QApplication::focusWidget())) return QString();
    for (QWidget* w = QApplication::focusWidget(); w && w != page; w = w->parentWidget())
        if (!w->objectName().isEmpty() && w->parentWidget() &&
            !qobject_cast<QTableView*>(w->parentWidget()) && !qobject_cast<QComboBox*>(w->parentWidget()) &&
            w->objectName() != QLatin1String("qt_scrollarea_viewport"))
            return w->objectName();
    return QString();
}

} // namespace

class KeyboardViewTest : public QObject {
    Q_OBJECT

private slots:
    void enter_and_ctrl_enter_in_an_input_compute_the_tab() {
        ModalWatchdog watchdog;
        BoxLog log;
        auto view = MakeWindow(log);
        for (const TabCase& tab : kTabs) {
            for (Qt::KeyboardModifier mod : {Qt::NoModifier, Qt::ControlModifier}) {
                ShowTab(view.get(), tab.index);
                Find<QPlainTextEdit>(view.get(), tab.memo)->clear();
                QWidget* focus = FocusInput(view.get(), tab.input);
                QVERIFY2(focus, tab.input);
                QTest::keyClick(focus, mod == Qt::NoModifier ? Qt::Key_Return : Qt::Key_Enter, mod);
                QVERIFY2(ShownMemoLines(view.get(), tab.memo).size() > 2, tab.memo);
            }
        }
        QVERIFY(log.errors.isEmpty());
    }

    // A new window waits in its first cell: typing and Enter work without a click.
    void the_window_opens_with_the_cursor_in_the_first_cell() {
        BoxLog log;
        auto view = MakeWindow(log);
        QVERIFY(Activate(view.get()));
        auto* grid = Find<QTableView>(view.get(), "Vec_Table");
        QVERIFY(grid->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == grid);
        QCOMPARE(grid->currentIndex(), grid->model()->index(1, 1));
        for (const char* number : {"1", "2", "3", "4"}) {
            QTest::keyClicks(QApplication::focusWidget(), number);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(log.errors.isEmpty());
        QVERIFY(ShownMemoLines(view.get(), "Vec_M").contains("A+B=(1+3;2+4)=(4;6)"));

        // Ctrl+Tab and its companions turn the tabs from inside a cell, and
        // the cursor lands in the new tab's first input.
        auto* tabs = Find<QTabWidget>(view.get(), "Matem");
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
            int tab;
            const char* input;
        } turns[] = {{Qt::Key_Tab, Qt::ControlModifier, 1, "Mat1"},
                     {Qt::Key_PageDown, Qt::ControlModifier, 2, "ax"},
                     {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1, "Mat1"},
                     {Qt::Key_PageUp, Qt::ControlModifier, 0, "Vec_Table"},
                     {Qt::Key_PageUp, Qt::ControlModifier, 7, "Sp_In"},
                     {Qt::Key_PageUp, Qt::ControlModifier, 6, "Gs_A"},
                     {Qt::Key_PageUp, Qt::ControlModifier, 5, "Eq_e1"}};
        for (const auto& turn : turns) {
            QTest::keyClick(QApplication::focusWidget(), turn.key, turn.mods);
            QCOMPARE(tabs->currentIndex(), turn.tab);
            QCOMPARE(FocusedControl(tabs->currentWidget()), QString(turn.input));
            // What is typed replaces the field's text, as after Tab.
            if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
                QCOMPARE(field->selectedText(), field->text());
        }
    }

    // The first Enter in a size selector takes the typed size; the next one computes.
    void enter_takes_a_typed_size_before_it_computes() {
        BoxLog log;
        auto view = MakeWindow(log);
        ShowTab(view.get(), 0);
        auto* size = Find<QComboBox>(view.get(), "V_N");
        size->setFocus();
        size->lineEdit()->selectAll();
        QTest::keyClicks(size->lineEdit(), "3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(view->model().widgets().get<tc::Combo>("V_N").index, 1);
        QCOMPARE(Find<QTableView>(view.get(), "Vec_Table")->model()->columnCount(), 4);
        QVERIFY(ShownMemoLines(view.get(), "Vec_M").join("").isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!ShownMemoLines(view.get(), "Vec_M").join("").isEmpty() || !log.errors.isEmpty());
    }

    // Tab goes through every cell of a grid, then on; the memo hands Tab on to
    // the tab captions, which hand it back to the first input.
    void tab_walks_inputs_compute_save_exit_and_memo() {
        BoxLog log;
        auto view = MakeWindow(log);
        for (const TabCase& tab : kTabs) {
            QWidget* page = ShowTab(view.get(), tab.index);
            Find<QWidget>(view.get(), qPrintable(tab.order.front()))->setFocus(Qt::TabFocusReason);
            QStringList walked = {FocusedControl(page)};
            for (int presses = 0; presses < 100; ++presses) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                const QString now = FocusedControl(page);
                if (now.isEmpty()) break; // left the page: the tab captions
                if (now != walked.back()) walked << now;
            }
            QCOMPARE(walked, tab.order);
            auto* bar = Find<QTabWidget>(view.get(), "Matem")->tabBar();
            QCOMPARE(QApplication::focusWidget(), bar);
            QTest::keyClick(bar, Qt::Key_Tab);
            QCOMPARE(FocusedControl(page), tab.order.front());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), bar);
            QTest::keyClick(bar, Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(FocusedControl(page), tab.order.back());
        }
        // The memo kept its text: no Tab character went in.
        QVERIFY(!Find<QPlainTextEdit>(view.get(), "Vec_M")->toPlainText().contains('\t'));
    }

    // The kinds of equation are one Tab stop; the arrows choose among them.
    void the_arrows_choose_the_kind_and_tab_leaves_the_choice() {
        BoxLog log;
        auto view = MakeWindow(log);
        QWidget* page = ShowTab(view.get(), 5);
        Find<QWidget>(view.get(), "eq1")->setFocus(Qt::TabFocusReason);
        const struct {
            Qt::Key key;
            const char* checked;
        } presses[] = {{Qt::Key_Down, "eq2"}, {Qt::Key_Right, "eq3"}, {Qt::Key_Down, "eq1"}, {Qt::Key_Up, "eq3"},
                       {Qt::Key_Left, "eq2"}};
        for (const auto& press : presses) {
            QTest::keyClick(QApplication::focusWidget(), press.key);
            QCOMPARE(FocusedControl(page), QString(press.checked));
            QVERIFY(view->model().widgets().get<tc::RadioButton>(press.checked).checked);
        }
        QCOMPARE(Find<QLabel>(view.get(), "Eq_Variant")->text(), QString("A*x^3+B*x^2+C*x+D=0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusedControl(page), QString("Eq_e1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(FocusedControl(page), QString("eq2")); // the checked kind, not the first
    }

    // Tab reaches a result grid, whose cells the arrows then read to the last column.
    void tab_reaches_a_result_grid_and_the_arrows_read_its_last_column() {
        BoxLog log;
        auto view = MakeWindow(log);
        QWidget* page = ShowTab(view.get(), 3);
        Find<QPushButton>(view.get(), "CP_But")->click();
        QVERIFY(log.errors.isEmpty());
        Find<QWidget>(view.get(), "CP_Close")->setFocus(Qt::TabFocusReason);
        for (const char* result : {"PLine", "ABC", "TVec_H", "Phi", "THam"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(FocusedControl(page), QString(result));
        }
        auto* grid = Find<QTableView>(view.get(), "THam");
        const QString before = grid->model()->index(1, 1).data().toString();
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->currentIndex().column(), grid->model()->columnCount() - 1);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClicks(QApplication::focusWidget(), "5");
        QCOMPARE(grid->model()->index(1, 1).data().toString(), before); // read only
        QVERIFY(!(grid->model()->flags(grid->currentIndex()) & Qt::ItemIsEditable));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(FocusedControl(page), QString("Tet_M"));
    }

    // A click on a tab's caption puts the cursor in the tab's first input:
    // what is typed next lands there, not in the memo.
    void a_click_on_a_tab_caption_puts_the_cursor_in_its_first_input() {
        BoxLog log;
        auto view = MakeWindow(log);
        QVERIFY(Activate(view.get()));
        auto* tabs = Find<QTabWidget>(view.get(), "Matem");
        const struct {
            int tab;
            const char* input;
        } clicks[] = {{5, "Eq_e1"}, {2, "ax"}, {4, "SLAE"}, {0, "Vec_Table"}};
        for (const auto& click : clicks) {
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(click.tab).center());
            QTRY_COMPARE(FocusedControl(tabs->currentWidget()), QString(click.input));
        }
        ShowTab(view.get(), 5);
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(5).center());
        auto* first = Find<QLineEdit>(view.get(), "Eq_e1");
        QTRY_VERIFY(first->hasFocus() && first->selectedText() == first->text()); // what is typed replaces it
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QCOMPARE(tc::gui::Q(view->model().widgets().get<tc::Edit>("Eq_e1").text), QString("7"));
        QVERIFY(ShownMemoLines(view.get(), "Eq_M").join("").isEmpty());
    }

    // Every menu and menu item has an underlined letter of its own within its
    // menu, in each language; the model's captions (the runner's) have no mark.
    void every_menu_item_has_its_own_mnemonic_in_every_language() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        for (const char* language : {"N23", "N24", "N25"}) {
            Find<QAction>(view.get(), language)->trigger();
            std::map<std::string, QSet<QChar>> letters; // by menu
            for (const tc::Widget* w : view->model().widgets().all()) {
                if (w->kind() != tc::WidgetKind::MenuItem ||
                    static_cast<const tc::MenuItem*>(w)->itemKind == tc::MenuItemKind::Separator)
                    continue;
                auto* action = Find<QAction>(view.get(), w->name().c_str());
                const QString text = action->text();
                QVERIFY2(!QKeySequence::mnemonic(text).isEmpty(), qPrintable(text));
                const QChar letter = text.at(text.indexOf('&') + 1).toLower();
                QVERIFY2(!letters[w->parent()].contains(letter), qPrintable(text));
                letters[w->parent()] << letter;
                QCOMPARE(ShownText(text), tc::gui::Q(w->caption));
            }
        }
    }

    void every_button_of_a_page_has_its_own_mnemonic_in_every_language() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        for (const char* language : {"N23", "N24", "N25"}) {
            Find<QAction>(view.get(), language)->trigger();
            for (const TabCase& tab : kTabs) {
                QSet<QChar> letters;
                for (const QString& name : tab.order) {
                    if (view->model().widgets().get(tc::gui::S(name)).kind() != tc::WidgetKind::Button)
                        continue; // inputs and the memo
                    auto* button = Find<QPushButton>(view.get(), qPrintable(name));
                    const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
                    QVERIFY2(!mnemonic.isEmpty(), qPrintable(button->text()));
                    const QChar letter = button->text().at(button->text().indexOf('&') + 1).toLower();
                    QVERIFY2(!letters.contains(letter), qPrintable(button->text()));
                    letters << letter;
                    // The model's caption, which the runner shows, has no mark.
                    QCOMPARE(
                        tc::gui::Q(view->model().widgets().get(tc::gui::S(button->objectName())).caption),
                        ShownCaption(button));
                }
            }
        }
        // Alt+C presses "Compute" of the shown tab only.
        ShowTab(view.get(), 4);
        QCOMPARE(Find<QPushButton>(view.get(), "CRun")->text(), QString("&Compute"));
        QTest::keyClick(view.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(ShownMemoLines(view.get(), "SLA").size() > 2); // the button shows its press first
        QVERIFY(ShownMemoLines(view.get(), "Vec_M").join("").isEmpty());
    }
};

QTEST_MAIN(KeyboardViewTest)
#include "keyboard_view_test.moc"
