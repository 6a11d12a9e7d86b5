// SPDX-License-Identifier: GPL-3.0-or-later
// The real Matrix tab, driven through the menu, the selectors, the grid cells
// and the compute button as a user drives it.

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

void Type(QTableView* grid, int col, int row, const QString& text) {
    QAbstractItemModel* m = grid->model();
    QVERIFY(m->flags(m->index(row, col)) & Qt::ItemIsEditable);
    QVERIFY(m->setData(m->index(row, col), text, Qt::EditRole));
}

QString Cell(QTableView* grid, int col, int row) {
    return grid->model()->index(row, col).data().toString();
}

} // namespace

class MatrixViewTest : public QObject {
    Q_OBJECT

private slots:
    void inverts_a_matrix_of_order_four_chosen_through_the_menu() {
        BoxLog log;
        auto view = MakeWindow(log);
        emit Find<QMenu>(view.get(), "N11")->aboutToShow();
        QCOMPARE(Find<QTabWidget>(view.get(), "Matem")->currentIndex(), 1);
        Find<QAction>(view.get(), "N21")->trigger();

        auto* order = Find<QComboBox>(view.get(), "M_N1");
        QVERIFY(order->isVisible());
        QVERIFY(!Find<QComboBox>(view.get(), "M_N")->isVisible());
        QCOMPARE(order->count(), 3);
        QCOMPARE(order->itemText(2), QString("4x4"));
        emit order->activated(2);

        auto* a = Find<QTableView>(view.get(), "Mat1");
        QCOMPARE(a->model()->columnCount(), 5);
        QCOMPARE(a->size(), QSize(57 * 4 + 25, 25 * 4 + 27));
        const char* rows[4][4] = {
            {"2", "0", "0", "0"}, {"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "4"}};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                Type(a, j + 1, i + 1, rows[i][j]);
        QTest::mouseClick(Find<QPushButton>(view.get(), "Mat_But"), Qt::LeftButton);

        QVERIFY2(log.errors.isEmpty(), qPrintable(log.errors.join("; ")));
        QCOMPARE(Find<QLineEdit>(view.get(), "DET_A")->text(), QString("8.0000"));
        QVERIFY(Find<QLineEdit>(view.get(), "DET_A")->isVisible());
        auto* b = Find<QTableView>(view.get(), "Mat2");
        auto* c = Find<QTableView>(view.get(), "Mat_R");
        QVERIFY(b->isVisible() && c->isVisible());
        QCOMPARE(Cell(b, 1, 1), QString("4"));
        QCOMPARE(Cell(b, 4, 4), QString("2"));
        QCOMPARE(Cell(c, 1, 1), QString("0.5000"));
        QCOMPARE(Cell(c, 4, 4), QString("0.2500"));
        QCOMPARE(Cell(c, 2, 1), QString("0.0000"));
        const QStringList memo = ShownMemoLines(view.get(), "MAT_M");
        QVERIFY(memo.contains(QString::fromUtf8("C=1/8*")));
        QCOMPARE(memo.last(), QString("    (0.0000;0.0000;0.0000;0.2500)"));
    }

    void a_bad_cell_shows_the_error_box_and_the_lines_written_before_it() {
        BoxLog log;
        auto view = MakeWindow(log);
        emit Find<QMenu>(view.get(), "N11")->aboutToShow();
        Find<QAction>(view.get(), "N18")->trigger();
        Type(Find<QTableView>(view.get(), "Mat2"), 2, 2, "1,1");
        QTest::mouseClick(Find<QPushButton>(view.get(), "Mat_But"), Qt::LeftButton);
        QCOMPARE(log.errors, QStringList{"'1,1' is not a valid floating point value."});
        QCOMPARE(ShownMemoLines(view.get(), "MAT_M").last(), QString("     (4;1,1)"));
    }

    void the_memo_and_buttons_lie_above_their_frames_and_take_the_clicks() {
        BoxLog log;
        auto view = MakeWindow(log);
        emit Find<QMenu>(view.get(), "N11")->aboutToShow();
        QWidget* page = Find<QWidget>(view.get(), "Matrix");
        for (const char* name : {"MAT_M", "Mat_But", "M_Save", "M_But"}) {
            QWidget* w = Find<QWidget>(view.get(), name);
            QWidget* hit = page->childAt(w->geometry().center());
            QVERIFY2(hit == w || w->isAncestorOf(hit), name);
        }
    }

    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup() { watchdog_.reset(); }

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
};

QTEST_MAIN(MatrixViewTest)
#include "matrix_view_test.moc"
