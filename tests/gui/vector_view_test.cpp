// SPDX-License-Identifier: GPL-3.0-or-later
// The real window's Vector tab: typing into the grid, computing, the error box,
// and a layout in which nothing is cut or covered.

#include <QAbstractItemModel>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

// Types `text` into a cell the way a user does: moving to the cell opens its
// editor; the text replaces what was there and Return enters it.
void TypeCell(QTableView* table, int col, int row, const QString& text) {
    const QModelIndex index = table->model()->index(row, col);
    table->setCurrentIndex(index);
    auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(index));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate enters the text from the event loop.
    QCoreApplication::processEvents();
}

QString Cell(QTableView* table, int col, int row) {
    return table->model()->data(table->model()->index(row, col)).toString();
}

QStringList MemoLines(QWidget* root) {
    return ShownMemoLines(root, "Vec_M");
}

} // namespace

class VectorViewTest : public QObject {
    Q_OBJECT

private slots:
    // A result too long for its field shows its start, as a number is read,
    // not its last digits, which would look like another number.
    void a_long_result_shows_its_start() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QAction>(view.get(), "N15")->trigger(); // scalar product
        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        TypeCell(table, 1, 1, "-" + QString("1234567890").repeated(300));
        QTest::mouseClick(Find<QPushButton>(view.get(), "CBut1"), Qt::LeftButton);
        QVERIFY(log.errors.isEmpty());
        auto* field = Find<QLineEdit>(view.get(), "Vec_R");
        // Too long for the field at the window's font (the field shrinks its
        // font to show the whole number).
        QVERIFY(QFontMetrics(view->font()).horizontalAdvance(field->text()) > field->width());
        QVERIFY(field->text().startsWith("-3.7037036703"));
        QCOMPARE(field->cursorPosition(), 0);
    }

    void typed_components_give_the_angle_in_the_result_widgets() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QAction>(view.get(), "N17")->trigger();
        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        TypeCell(table, 1, 1, "1");
        TypeCell(table, 2, 1, "0");
        TypeCell(table, 1, 2, "0");
        TypeCell(table, 2, 2, "2.0");
        QCOMPARE(Cell(table, 2, 2), QString("2.0"));
        QTest::mouseClick(Find<QPushButton>(view.get(), "CBut1"), Qt::LeftButton);

        const auto msg = [&](int k) { return QString::fromStdString(view->model().env().messages(k)); };
        const QStringList expected = {msg(1),
                                      "",
                                      Find<QComboBox>(view.get(), "TVec")->itemText(5),
                                      "",
                                      msg(2),
                                      "    A(1;0)",
                                      "    B(0;2.0)",
                                      "",
                                      msg(3),
                                      "    cos(phi)=A*B/(|A|*|B|) ",
                                      msg(4),
                                      "",
                                      msg(5),
                                      "A*B=1*0+0*2.0=0+0=0",
                                      "",
                                      "",
                                      msg(6),
                                      "|A|=(1^2+0^2)^(1/2)=(1+0)^(1/2)=1.0000",
                                      "",
                                      "|B|=(0^2+2.0^2)^(1/2)=(0+4)^(1/2)=2.0000",
                                      "",
                                      msg(7),
                                      "cos(phi)=0/(1.000*2.000)=0.0000",
                                      "phi=arccos(0.0000)/Pi*180=90.000000"};
        QCOMPARE(MemoLines(view.get()), expected);
        QCOMPARE(Find<QLineEdit>(view.get(), "Vec_R")->text(), QString("0.0000"));
        auto* phi = Find<QLineEdit>(view.get(), "phi1");
        QVERIFY(phi->isVisible());
        QCOMPARE(phi->text(), QString("90.000"));
        QCOMPARE(Find<QLabel>(view.get(), "Vec_lab")->text(), QString("cos(phi)"));
        QVERIFY(!Find<QTableView>(view.get(), "V_Rez")->isVisible());
        QVERIFY(log.errors.isEmpty());
    }

    void failure_shows_the_error_box_after_the_lines_written_before_it() {
        BoxLog log;
        auto view = MakeWindow(log);
        QStringList memoAtError;
        QString resultAtError;
        auto* result = Find<QTableView>(view.get(), "V_Rez");
        view->hooks.error = [&](const QString& text) {
            log.errors << text;
            memoAtError = MemoLines(view.get());
            resultAtError = Cell(result, 1, 1);
        };
        TypeCell(Find<QTableView>(view.get(), "Vec_Table"), 2, 2, "x");
        QTest::mouseClick(Find<QPushButton>(view.get(), "CBut1"), Qt::LeftButton);

        QCOMPARE(log.errors, QStringList{"'x' is not a valid floating point value."});
        QCOMPARE(memoAtError.mid(5), (QStringList{"     A(2;5)", "     B(3;x)", ""}));
        QCOMPARE(resultAtError, QString("5"));
        QCOMPARE(Find<QLineEdit>(view.get(), "Vec_R")->text(), QString());
    }

    // A NUL typed into a cell would end the box's text in the middle.
    void a_control_character_in_a_typed_text_shows_in_the_error_box() {
        BoxLog log;
        auto view = MakeWindow(log);
        // No key gives a NUL: the text is pasted.
        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        const QModelIndex index = table->model()->index(2, 2);
        table->setCurrentIndex(index);
        auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(index));
        QVERIFY(editor);
        editor->selectAll();
        editor->insert(QString("12") + QChar(0) + "abc");
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QTest::mouseClick(Find<QPushButton>(view.get(), "CBut1"), Qt::LeftButton);
        QCOMPARE(log.errors,
                 QStringList{QString("'12") + QChar(0x2400) + "abc' is not a valid floating point value."});
    }

    // The widest state: five components, the angle's fields shown.
    void nothing_on_the_tab_is_cut_or_covered() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QAction>(view.get(), "N17")->trigger();
        Find<QComboBox>(view.get(), "V_N")->setCurrentIndex(3);
        emit Find<QComboBox>(view.get(), "V_N")->activated(3);
        auto* page = Find<QWidget>(view.get(), "Vector");
        QCOMPARE(Find<QTableView>(view.get(), "Vec_Table")->model()->columnCount(), 6);

        CheckPlacement(page);
        CheckTextsFit(page);
        for (QTableView* grid : page->findChildren<QTableView*>())
            if (grid->isVisible())
                QVERIFY2(!grid->horizontalScrollBar()->isVisible() && !grid->verticalScrollBar()->isVisible(),
                         qPrintable(grid->objectName() + " needs scrolling"));
        auto* task = Find<QComboBox>(view.get(), "TVec");
        for (int i = 0; i < task->count(); ++i)
            QVERIFY2(task->fontMetrics().horizontalAdvance(task->itemText(i)) + 30 <= task->width(),
                     qPrintable(task->itemText(i)));
    }

    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup() { watchdog_.reset(); }

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
};

QTEST_MAIN(VectorViewTest)
#include "vector_view_test.moc"
