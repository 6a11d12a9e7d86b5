// SPDX-License-Identifier: GPL-3.0-or-later
// The real window while the user types: what is typed in a cell or a list box
// reaches the model as it is typed, the cursor stays where it was, and nothing
// breaks when the grid changes size under an open editor or the window closes
// with it open.

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

// Opens the editor of cell (col, row) and types `text` without entering it.
QLineEdit* TypeWithoutEntering(QTableView* table, int col, int row, const QString& text) {
    const QModelIndex index = table->model()->index(row, col);
    table->setCurrentIndex(index);
    auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(index));
    if (!editor) return nullptr;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    return editor;
}

const std::string& ModelCell(tc::gui::MainView& view, const char* grid, int col, int row) {
    return view.model().widgets().get<tc::Grid>(grid).cell(col, row);
}

} // namespace

class TypingViewTest : public QObject {
    Q_OBJECT

private slots:
    // Menu commands and their shortcuts leave the focus in the cell: the text
    // typed so far is the cell's text for them, and it stays in the editor.
    void typed_text_reaches_the_model_before_a_menu_command() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        QLineEdit* editor = TypeWithoutEntering(table, 1, 1, "42");
        QVERIFY(editor);
        Find<QAction>(view.get(), "N25")->trigger(); // a language change keeps the user's cells
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 1), std::string("42"));
        QCOMPARE(editor->text(), QString("42"));

        // Typing on goes on from where the cursor was.
        QTest::keyClicks(editor, "7");
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 1), std::string("427"));
    }

    void a_grid_shrinking_under_an_open_editor_keeps_the_typed_cell() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QAction>(view.get(), "N17")->trigger(); // two vectors: three rows
        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        const int rowsBefore = table->model()->rowCount();
        QLineEdit* editor = TypeWithoutEntering(table, 1, rowsBefore - 1, "9");
        QVERIFY(editor);
        Find<QAction>(view.get(), "N16")->trigger(); // the norm: one vector, the last row goes
        QVERIFY(table->model()->rowCount() < rowsBefore);
        QCoreApplication::processEvents();
        // The cell outside the grid keeps what was typed, as every cell does.
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, rowsBefore - 1), std::string("9"));
        // Further typing and entering in whatever has the focus breaks nothing.
        if (QWidget* focus = QApplication::focusWidget()) QTest::keyClick(focus, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(log.errors.isEmpty());
    }

    void closing_the_window_with_an_editor_open_is_safe() {
        BoxLog log;
        auto view = MakeWindow(log);
        QVERIFY(TypeWithoutEntering(Find<QTableView>(view.get(), "Vec_Table"), 2, 1, "3"));
        QVERIFY(view->close()); // the title bar's close button
        QVERIFY(!view->isVisible());
        view.reset(); // the window and its widgets go with the editor still open
        QVERIFY(log.errors.isEmpty());
    }

    // Typing into a list box's edit part drops its list position; the text and
    // the cursor stay as the user left them.
    void typing_in_a_list_box_keeps_the_cursor_in_place() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* combo = Find<QComboBox>(view.get(), "V_N");
        // The user picks the first size from the list first.
        combo->setCurrentIndex(0);
        emit combo->activated(0);
        QCOMPARE(view->model().widgets().get<tc::Combo>("V_N").index, 0);
        const QString shown = combo->currentText();
        combo->lineEdit()->setFocus();
        combo->lineEdit()->setCursorPosition(0);
        QTest::keyClicks(combo->lineEdit(), "1");
        QTest::keyClicks(combo->lineEdit(), "0");
        QCOMPARE(combo->lineEdit()->text(), "10" + shown);
        QCOMPARE(view->model().widgets().get<tc::Combo>("V_N").text, ("10" + shown).toStdString());
        QCOMPARE(view->model().widgets().get<tc::Combo>("V_N").index, -1);
    }

    // An editable selector has its list and completion set up only when they
    // are needed; from then on it is what Qt makes of an editable combo box:
    // the same list, the same completion while typing.
    void an_editable_selector_completes_as_qt_makes_it() {
        BoxLog log;
        auto view = MakeWindow(log);
        QVERIFY(Activate(view.get()));
        auto* ours = Find<QComboBox>(view.get(), "TVec");
        QVERIFY(ours->isEditable());
        QVERIFY(!ours->findChild<QAbstractItemView*>()); // no list before it is needed
        QComboBox qts(view.get());
        qts.setEditable(true);
        qts.setInsertPolicy(QComboBox::NoInsert);
        qts.show();
        for (int i = 0; i < ours->count(); ++i)
            qts.addItem(ours->itemText(i));
        QVERIFY(qts.count() > 1);
        const QString item = ours->itemText(1);
        // The parts a student meets: the list shown, and what it is drawn with.
        const auto shown = [](QComboBox& combo) {
            combo.showPopup();
            QStringList names;
            for (const QWidget* w : combo.findChildren<QWidget*>())
                if (w->isVisible()) names << QString::fromLatin1(w->metaObject()->className());
            names << QString::fromLatin1(combo.itemDelegate()->metaObject()->className());
            names.sort();
            combo.hidePopup();
            return names;
        };
        for (QComboBox* combo : {ours, static_cast<QComboBox*>(&qts)}) {
            combo->setFocus();
            combo->lineEdit()->clear();
            for (const QChar ch : item.left(2)) { // keyClicks takes Latin letters only
                QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
                QApplication::sendEvent(combo->lineEdit(), &key);
            }
        }
        QCOMPARE(shown(*ours), shown(qts));
        QCOMPARE(ours->view()->verticalScrollBarPolicy(), qts.view()->verticalScrollBarPolicy());
        const QCompleter* a = ours->completer();
        const QCompleter* b = qts.completer();
        QVERIFY(a && b);
        QCOMPARE(a->model(), ours->model());
        QCOMPARE(a->widget() == ours, b->widget() == &qts);
        QCOMPARE(a->widget() == ours->lineEdit(), b->widget() == qts.lineEdit());
        QCOMPARE(a->caseSensitivity(), b->caseSensitivity());
        QCOMPARE(a->completionMode(), b->completionMode());
        QCOMPARE(a->completionColumn(), b->completionColumn());
        QCOMPARE(a->filterMode(), b->filterMode());
        QCOMPARE(ours->lineEdit()->text(), item);
        QCOMPARE(ours->lineEdit()->text(), qts.lineEdit()->text());
        QCOMPARE(ours->lineEdit()->selectedText(), qts.lineEdit()->selectedText());
    }

    // Typing into a memo keeps the text and cursor as the user left them when
    // the window is shown again after another action.
    void typing_in_a_memo_keeps_the_cursor_in_place() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* memo = Find<QPlainTextEdit>(view.get(), "Vec_M");
        memo->setFocus();
        QTest::keyClicks(memo, "my note");
        QCOMPARE(view->model().widgets().get<tc::Memo>("Vec_M").lines, std::vector<std::string>{"my note"});
        Find<QAction>(view.get(), "N16")->trigger(); // any action shows the window again
        QCOMPARE(memo->toPlainText(), QString("my note"));
        QCOMPARE(memo->textCursor().position(), 7);
    }

    // Left and Right move the cursor within the typed text; at its edge they
    // go on to the neighbouring cell, as they do in a spreadsheet: "4", Right,
    // "1.5" fills two cells instead of giving one cell "41.5".
    void arrow_keys_at_the_edge_of_a_typed_cell_go_to_the_neighbour() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        QLineEdit* editor = TypeWithoutEntering(table, 1, 1, "45");
        QVERIFY(editor);

        // Inside the text the keys stay in the editor.
        QTest::keyClick(editor, Qt::Key_Left);
        QCOMPARE(editor->cursorPosition(), 1);
        QTest::keyClick(editor, Qt::Key_Right);
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(1, 1));
        QCOMPARE(editor->cursorPosition(), 2);

        // At the end Right enters the text and goes on to the next cell.
        QTest::keyClick(editor, Qt::Key_Right);
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(1, 2));
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 1), std::string("45"));
        QCOMPARE(ModelCell(*view, "Vec_Table", 2, 1), std::string("5"));

        // At the start Left goes back; the heading column is never entered.
        editor = TypeWithoutEntering(table, 2, 1, "6");
        QVERIFY(editor);
        editor->setCursorPosition(0);
        QTest::keyClick(editor, Qt::Key_Left);
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(1, 1));
        QCOMPARE(ModelCell(*view, "Vec_Table", 2, 1), std::string("6"));
        editor = TypeWithoutEntering(table, 1, 1, "7");
        QVERIFY(editor);
        editor->setCursorPosition(0);
        QTest::keyClick(editor, Qt::Key_Left);
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(1, 1));
        QCOMPARE(ModelCell(*view, "Vec_Table", 0, 1), std::string("A"));

        // The arrows of the number pad do the same.
        editor = TypeWithoutEntering(table, 1, 1, "3");
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Right, Qt::KeypadModifier);
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(1, 2));
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 1), std::string("3"));

        // With part of the text selected, the keys only drop the selection; a
        // cell whose whole text is selected, as when it is entered, is left.
        editor = TypeWithoutEntering(table, 1, 2, "89");
        QVERIFY(editor);
        editor->setSelection(0, 1);
        QTest::keyClick(editor, Qt::Key_Right);
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(2, 1));
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Right);
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(2, 2));
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 2), std::string("89"));
        QVERIFY(log.errors.isEmpty());
    }

    // Tab and Shift+Tab go from cell to cell over the headings: after the last
    // cell of a row the next value goes into the first cell of the next row,
    // not into a heading, where it was lost and the following values went to
    // whichever row the lost text named.
    void tab_passes_over_the_headings() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        QLineEdit* editor = TypeWithoutEntering(table, 2, 1, "6");
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(2, 1));
        editor = TypeWithoutEntering(table, 1, 2, "8");
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Backtab, Qt::ShiftModifier);
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(1, 2));
        QCOMPARE(ModelCell(*view, "Vec_Table", 2, 1), std::string("6"));
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 2), std::string("8"));

        // From the last cell Tab goes on to the next control, the compute
        // button, and the typed text stays in its cell.
        editor = TypeWithoutEntering(table, 2, 2, "9");
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), Find<QWidget>(view.get(), "CBut1"));
        QCOMPARE(ModelCell(*view, "Vec_Table", 2, 2), std::string("9"));

        // A heading the user clicked takes no typing and sends the cursor nowhere.
        table->setCurrentIndex(table->model()->index(1, 0));
        QTest::keyClicks(table, "2");
        QCoreApplication::processEvents();
        QCOMPARE(table->currentIndex(), table->model()->index(1, 0));
        QCOMPARE(ModelCell(*view, "Vec_Table", 0, 1), std::string("A"));
    }

    // A cell or a field holds one line: pasted lines join with blanks, and a
    // line break at the end of the copied text goes. A line break in a cell's
    // text would split the explanation's data line in two.
    void pasting_several_lines_gives_one_line() {
        BoxLog log;
        auto view = MakeWindow(log);
        QGuiApplication::clipboard()->setText("12\n34\r\n56\r\n");

        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        QLineEdit* editor = TypeWithoutEntering(table, 1, 1, "");
        QVERIFY(editor);
        editor->paste();
        QCOMPARE(editor->text(), QString("12 34 56"));
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 1), std::string("12 34 56"));

        // Copied with its line end, one number pastes as itself.
        QGuiApplication::clipboard()->setText("7.5\n");
        editor->selectAll();
        editor->paste();
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 1), std::string("7.5"));

        auto* field = Find<QLineEdit>(view.get(), "Eq_e1");
        field->selectAll();
        field->paste();
        QCOMPARE(field->text(), QString("7.5"));
        QCOMPARE(view->model().widgets().get<tc::Edit>("Eq_e1").text, std::string("7.5"));

        auto* combo = Find<QComboBox>(view.get(), "TVec");
        combo->lineEdit()->selectAll();
        combo->lineEdit()->paste();
        QCOMPARE(combo->lineEdit()->text(), QString("7.5"));
        QCOMPARE(view->model().widgets().get<tc::Combo>("TVec").text, std::string("7.5"));
    }

    // Escape gives up the typing: the cell has the text it had when its
    // editor opened, though the model heard every keystroke.
    void escape_takes_back_what_was_typed_in_a_cell() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        const std::string before = ModelCell(*view, "Vec_Table", 1, 1);
        QLineEdit* editor = TypeWithoutEntering(table, 1, 1, "42");
        QVERIFY(editor);
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 1), std::string("42"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(ModelCell(*view, "Vec_Table", 1, 1), before);
        QCOMPARE(table->model()->index(1, 1).data().toString(), QString::fromStdString(before));
    }

    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup() { watchdog_.reset(); }

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
};

QTEST_MAIN(TypingViewTest)
#include "typing_view_test.moc"
