// SPDX-License-Identifier: GPL-3.0-or-later
// The real Triangle tab: typing vertices, computing, what the fields, the grid
// and the memo then show, the error box, and a layout in which nothing is cut
// or covered.

#include <QAbstractItemModel>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

QStringList MemoLines(QWidget* root) {
    return ShownMemoLines(root, "TM");
}

} // namespace

class TriangleViewTest : public QObject {
    Q_OBJECT

private slots:
    void computes_what_the_user_types_and_shows_every_result() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QAction>(view.get(), "N28")->trigger();
        QCOMPARE(Find<QTabWidget>(view.get(), "Matem")->currentWidget()->objectName(), QString("T4"));

        auto* cx = Find<QLineEdit>(view.get(), "cx");
        cx->selectAll();
        QTest::keyClicks(cx, "-3");
        auto* cy = Find<QLineEdit>(view.get(), "cy");
        cy->selectAll();
        QTest::keyClicks(cy, "-2");
        auto* ay = Find<QLineEdit>(view.get(), "ay");
        ay->selectAll();
        QTest::keyClicks(ay, "4");
        QTest::mouseClick(Find<QPushButton>(view.get(), "CTr_But"), Qt::LeftButton);

        QVERIFY(log.errors.isEmpty());
        QCOMPARE(Find<QLineEdit>(view.get(), "BC")->text(), QString("5.8309518948453"));
        QCOMPARE(Find<QLineEdit>(view.get(), "H1")->text(), QString("y+1.6667x-5.6667=0"));
        QCOMPARE(Find<QLineEdit>(view.get(), "Iy")->text(), QString("1.0000"));
        QAbstractItemModel* grid = Find<QTableView>(view.get(), "REZ5")->model();
        QCOMPARE(grid->columnCount(), 7);
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->index(0, 0).data().toString(), QString("Кути"));
        QCOMPARE(grid->index(1, 5).data().toString(), QString("102.5288"));
        const QStringList memo = MemoLines(view.get());
        QCOMPARE(memo.value(3), QString("A(1;4),    B(2;1),    C(-3;-2)."));
        QVERIFY(memo.contains("Mx=(2-3)/2=-0.5      My=(1-2)/2=-0.5"));
        QCOMPARE(memo.last(), QString("      Iy=(4+1-2)/3=1.0000"));
    }

    void reports_a_bad_vertex_in_the_error_box() {
        BoxLog log;
        auto view = MakeWindow(log, ',');
        Find<QAction>(view.get(), "N28")->trigger();
        auto* bx = Find<QLineEdit>(view.get(), "bx");
        bx->selectAll();
        QTest::keyClicks(bx, "2.5");
        QTest::mouseClick(Find<QPushButton>(view.get(), "CTr_But"), Qt::LeftButton);
        QCOMPARE(log.errors, QStringList{"'2.5' is not a valid floating point value."});
        QCOMPARE(MemoLines(view.get()), (QStringList{"", "", "", "A(1;1),    B(2.5;1),    C(1;2)."}));
        QCOMPARE(Find<QLineEdit>(view.get(), "abx")->text(), QString());
    }

    void lays_out_every_widget_uncut_and_uncovered() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* page = Find<QWidget>(view.get(), "T4");
        Find<QTabWidget>(view.get(), "Matem")->setCurrentWidget(page);
        CheckPlacement(page);
        // The widest texts of the example triangle and of one with long numbers.
        QTest::mouseClick(Find<QPushButton>(view.get(), "CTr_But"), Qt::LeftButton);
        CheckTextsFit(page);
        const std::pair<const char*, const char*> wide[] = {{"ax", "-12.5"},  {"ay", "-13.25"},
                                                            {"bx", "17.75"},  {"by", "-3.5"},
                                                            {"cx", "-6.125"}, {"cy", "21.5"}};
        for (const auto& [name, text] : wide) {
            auto* e = Find<QLineEdit>(view.get(), name);
            e->selectAll();
            QTest::keyClicks(e, text);
        }
        QTest::mouseClick(Find<QPushButton>(view.get(), "CTr_But"), Qt::LeftButton);
        QVERIFY(log.errors.isEmpty());
        CheckTextsFit(page);
        auto* grid = Find<QTableView>(view.get(), "REZ5");
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        QVERIFY(!grid->verticalScrollBar()->isVisible());
    }

    void keeps_every_caption_uncut_in_each_shipped_language() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        QVERIFY(log.startErrors.isEmpty());
        auto* page = Find<QWidget>(view.get(), "T4");
        Find<QTabWidget>(view.get(), "Matem")->setCurrentWidget(page);
        QTest::mouseClick(Find<QPushButton>(view.get(), "CTr_But"), Qt::LeftButton);
        for (const char* language : {"N23", "N24", "N25"}) {
            Find<QAction>(view.get(), language)->trigger();
            QVERIFY(log.errors.isEmpty());
            CheckPlacement(page);
            CheckTextsFit(page);
        }
        QCOMPARE(Find<QGroupBox>(view.get(), "CLine")->title(),
                 QString("Equations of the median, altitude and bisector from A"));
    }

    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup() { watchdog_.reset(); }

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
};

QTEST_MAIN(TriangleViewTest)
#include "triangle_view_test.moc"
