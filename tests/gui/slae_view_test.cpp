// SPDX-License-Identifier: GPL-3.0-or-later
// The real SLAE tab: choosing the number of equations, typing a system into
// the grid, computing, and what the window then shows.

#include <QComboBox>
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

void TypeSystem(QTableView* grid, const QList<QStringList>& rows) {
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            QVERIFY(grid->model()->setData(grid->model()->index(r + 1, c + 1), rows[r][c], Qt::EditRole));
}

void ChooseEquations(QComboBox* combo, int position) {
    combo->setCurrentIndex(position);
    emit combo->activated(position);
}

} // namespace

class SlaeViewTest : public QObject {
    Q_OBJECT

private slots:
    void four_equations_fill_every_field_and_the_memo() {
        BoxLog log;
        auto view = MakeWindow(log, ',');
        Find<QTabWidget>(view.get(), "Matem")->setCurrentIndex(4);
        auto* x4 = Find<QLineEdit>(view.get(), "x4");
        QVERIFY(!x4->isVisibleTo(view.get()));

        ChooseEquations(Find<QComboBox>(view.get(), "Sl1"), 2);
        auto* grid = Find<QTableView>(view.get(), "SLAE");
        QCOMPARE(grid->model()->columnCount(), 6);
        QCOMPARE(grid->model()->rowCount(), 5);
        QCOMPARE(grid->model()->index(0, 5).data().toString(), QString("B"));
        QVERIFY(x4->isVisibleTo(view.get()));

        TypeSystem(grid, {{"1", "2", "0", "0", "5"},
                          {"0", "1", "3", "0", "-1"},
                          {"0", "0", "1", "4", "1"},
                          {"5", "0", "0", "1", "5,5"}});
        QTest::mouseClick(Find<QPushButton>(view.get(), "CRun"), Qt::LeftButton);

        QVERIFY(log.errors.isEmpty());
        QCOMPARE(Find<QLineEdit>(view.get(), "DD")->text(), QString("-119,0000"));
        QCOMPARE(Find<QLineEdit>(view.get(), "DDx4")->text(), QString("-59,5000"));
        const QStringList unknowns = {"1,0000", "2,0000", "-1,0000", "0,5000"};
        for (int k = 0; k < 4; ++k)
            QCOMPARE(Find<QLineEdit>(view.get(), qPrintable(QString("x%1").arg(k + 1)))->text(), unknowns[k]);
        // Every memo line ends with a break.
        QStringList memo =
            tc::gui::WithoutJoiners(Find<QPlainTextEdit>(view.get(), "SLA")->toPlainText()).split('\n');
        QCOMPARE(memo.takeLast(), QString());
        QCOMPARE(memo.size(), 60);
        QCOMPARE(memo.last(), QString("x4=Dx4/D=-59,5000/(-119,0000)=0,5000"));
        // The largest grid shows every cell without scrolling.
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        QVERIFY(!grid->verticalScrollBar()->isVisible());

        if (const QByteArray shot = qgetenv("TOVRIN_SLAE_SHOT"); !shot.isEmpty())
            view->grab().save(QString::fromLocal8Bit(shot));
    }

    void singular_system_reports_the_division_and_keeps_the_determinants() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QTabWidget>(view.get(), "Matem")->setCurrentIndex(4);
        TypeSystem(Find<QTableView>(view.get(), "SLAE"), {{"1", "2", "3"}, {"2", "4", "7"}});
        QTest::mouseClick(Find<QPushButton>(view.get(), "CRun"), Qt::LeftButton);
        QCOMPARE(log.errors, QStringList{"Floating point division by zero."});
        QCOMPARE(Find<QLineEdit>(view.get(), "DD")->text(), QString("0"));
        QCOMPARE(Find<QLineEdit>(view.get(), "DDx2")->text(), QString("1"));
        QCOMPARE(Find<QLineEdit>(view.get(), "x1")->text(), QString());
    }

    void typed_text_in_the_selector_shows_two_equations() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QTabWidget>(view.get(), "Matem")->setCurrentIndex(4);
        auto* combo = Find<QComboBox>(view.get(), "Sl1");
        ChooseEquations(combo, 1);
        QCOMPARE(Find<QTableView>(view.get(), "SLAE")->model()->columnCount(), 5);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "7");
        QCOMPARE(view->model().widgets().get<tc::Combo>("Sl1").text, std::string("7"));
        QCOMPARE(Find<QTableView>(view.get(), "SLAE")->model()->columnCount(), 4);
        QVERIFY(!Find<QLineEdit>(view.get(), "x3")->isVisibleTo(view.get()));
    }

    // The smaller grids leave less room around their cells than the largest
    // one: each must still show every cell without a scroll bar.
    void every_number_of_equations_shows_its_grid_without_scrolling() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QTabWidget>(view.get(), "Matem")->setCurrentIndex(4);
        auto* grid = Find<QTableView>(view.get(), "SLAE");
        auto* combo = Find<QComboBox>(view.get(), "Sl1");
        for (int position : {-1, 0, 1, 2}) {
            if (position >= 0) ChooseEquations(combo, position);
            QCoreApplication::processEvents();
            QVERIFY2(!grid->horizontalScrollBar()->isVisible(), qPrintable(QString::number(position)));
            QVERIFY2(!grid->verticalScrollBar()->isVisible(), qPrintable(QString::number(position)));
        }
    }

    void captions_are_not_cut() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* page = Find<QWidget>(view.get(), "TabSheet5");
        CheckTextsFit(page);
        for (QGroupBox* box : page->findChildren<QGroupBox*>())
            QVERIFY2(box->minimumSizeHint().width() <= box->width(), qPrintable(box->objectName()));
    }

    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup() { watchdog_.reset(); }

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
};

QTEST_MAIN(SlaeViewTest)
#include "slae_view_test.moc"
