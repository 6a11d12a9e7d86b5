// SPDX-License-Identifier: GPL-3.0-or-later
// The Tetraedr tab in the real window: the compute button, typed vertices,
// the error box, and a layout in which nothing is cut off.

#include <QAbstractItemModel>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>

#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

QString Cell(QWidget* root, const char* grid, int col, int row) {
    QAbstractItemModel* m = Find<QTableView>(root, grid)->model();
    return m->data(m->index(row, col)).toString();
}

void TypeCell(QWidget* root, const char* grid, int col, int row, const QString& text) {
    QAbstractItemModel* m = Find<QTableView>(root, grid)->model();
    QVERIFY(m->flags(m->index(row, col)) & Qt::ItemIsEditable);
    m->setData(m->index(row, col), text, Qt::EditRole);
}

QStringList MemoLines(QWidget* root) {
    return ShownMemoLines(root, "Tet_M");
}

// The tab brought forward through its menu command, laid out and shown.
QWidget* OpenTab(tc::gui::MainView* view) {
    Find<QAction>(view, "N29")->trigger();
    QApplication::processEvents();
    return Find<QWidget>(view, "TabSheet4");
}

} // namespace

class TetrahedronViewTest : public QObject {
    Q_OBJECT

private slots:
    void computes_the_example_when_the_button_is_clicked() {
        BoxLog log;
        auto view = MakeWindow(log);
        QWidget* page = OpenTab(view.get());
        QCOMPARE(Find<QTabWidget>(view.get(), "Matem")->currentWidget(), page);
        QTest::mouseClick(Find<QPushButton>(view.get(), "CP_But"), Qt::LeftButton);

        QVERIFY(log.errors.isEmpty());
        QCOMPARE(Find<QLineEdit>(view.get(), "Vol")->text(), QString("60"));
        QCOMPARE(Cell(view.get(), "PLine", 4, 1), QString("12.3693"));
        QCOMPARE(Cell(view.get(), "PLine", 5, 6), QString("(x+4)/7=(y-2)/0=(z-1)/(-6)"));
        QCOMPARE(Cell(view.get(), "ABC", 1, 3), QString("-12x+71y-14z-176=0"));
        QCOMPARE(Cell(view.get(), "Phi", 6, 2), QString("106.8125"));
        QCOMPARE(Cell(view.get(), "THam", 12, 1), QString("0.5863"));
        QCOMPARE(Cell(view.get(), "TVec_H", 1, 3), QString("(x-3)/12=(y-2)/79=(z+5)/(-46)"));
        const QStringList lines = MemoLines(view.get());
        QCOMPARE(lines.size(), 173);
        QCOMPARE(lines.last(), QString("              V=60"));
        QCOMPARE(lines[3], QString("   A(7;-2;-3)"));
    }

    void typed_vertices_feed_the_computation_and_a_bad_one_shows_the_error_box() {
        BoxLog log;
        auto view = MakeWindow(log, ',');
        OpenTab(view.get());
        TypeCell(view.get(), "Piram", 1, 1, "0,5");
        TypeCell(view.get(), "Piram", 1, 2, "0");
        TypeCell(view.get(), "Piram", 1, 3, "0");
        QTest::mouseClick(Find<QPushButton>(view.get(), "CP_But"), Qt::LeftButton);
        QVERIFY(log.errors.isEmpty());
        QCOMPARE(MemoLines(view.get())[3], QString("   A(0,5;0;0)"));
        QCOMPARE(Cell(view.get(), "PLine", 1, 1), QString("-4,5"));
        const QString volume = Find<QLineEdit>(view.get(), "Vol")->text();

        TypeCell(view.get(), "Piram", 4, 3, "-5.0");
        QTest::mouseClick(Find<QPushButton>(view.get(), "CP_But"), Qt::LeftButton);
        QCOMPARE(log.errors, QStringList{"'-5.0' is not a valid floating point value."});
        QCOMPARE(MemoLines(view.get()), (QStringList{"", "", ""}));
        // The results of the previous vertices are gone, not shown beside the new ones.
        QVERIFY(!volume.isEmpty());
        QCOMPARE(Find<QLineEdit>(view.get(), "Vol")->text(), QString());
        QCOMPARE(Cell(view.get(), "PLine", 1, 1), QString());
    }

    void grids_volume_and_memo_fit_the_page_uncut() {
        BoxLog log;
        auto view = MakeWindow(log);
        QWidget* page = OpenTab(view.get());
        QTest::mouseClick(Find<QPushButton>(view.get(), "CP_But"), Qt::LeftButton);
        QApplication::processEvents();

        const QRect pageRect = page->rect();
        for (const char* name :
             {"CVersh", "CStor", "CPl", "CKut", "CT_Alpha", "TVecH", "CVol", "Piram", "PLine", "ABC", "Phi",
              "THam", "TVec_H", "Vol", "Label5", "Tet_M", "CP_But", "CP_Save", "CP_Close"}) {
            QWidget* w = Find<QWidget>(page, name);
            QVERIFY2(w->isVisible(), name);
            const QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
            QVERIFY2(pageRect.contains(r), name);
            // Inside its own group box too.
            if (auto* box = qobject_cast<QGroupBox*>(w->parentWidget()))
                QVERIFY2(box->rect().contains(w->geometry()), name);
        }
        for (const char* name : {"CVersh", "CStor", "CPl", "CKut", "CT_Alpha", "TVecH", "CVol"}) {
            auto* box = Find<QGroupBox>(page, name);
            QVERIFY2(box->fontMetrics().horizontalAdvance(box->title()) + 16 < box->width(), name);
        }

        // Every cell of every grid shows without scrolling, but for the two
        // angle grids beside the others, whose thirteen columns scroll sideways
        // until the window is wide enough.
        const auto wholeWidth = [](QTableView* grid) {
            int width = 0;
            for (int c = 0; c < grid->model()->columnCount(); ++c)
                width += grid->columnWidth(c);
            return width;
        };
        for (const char* name : {"Piram", "PLine", "ABC", "Phi", "THam", "TVec_H"}) {
            auto* grid = Find<QTableView>(page, name);
            int height = 0;
            for (int r = 0; r < grid->model()->rowCount(); ++r)
                height += grid->rowHeight(r);
            QVERIFY2(height <= grid->viewport()->height(), name);
            if (QString(name) == "THam" || QString(name) == "Phi")
                QVERIFY2(grid->horizontalScrollBar()->isVisible(), name);
            else
                QVERIFY2(wholeWidth(grid) <= grid->viewport()->width(), name);
        }
        // A wider window widens them: 500 pixels more show every cosine.
        auto* phi = Find<QTableView>(page, "Phi");
        const int designed = phi->width();
        view->resize(view->width() + 500, view->height());
        QApplication::processEvents();
        QCOMPARE(phi->width(), designed + 500);
        QCOMPARE(Find<QTableView>(page, "THam")->width(), designed + 500);
        QVERIFY(wholeWidth(phi) <= phi->viewport()->width());
        QVERIFY(Find<QGroupBox>(page, "CKut")->rect().contains(phi->geometry()));
        view->resize(view->width() - 500, view->height());
        QApplication::processEvents();
        // The longest result texts fit their columns.
        auto* pline = Find<QTableView>(page, "PLine");
        QVERIFY(pline->fontMetrics().horizontalAdvance(Cell(page, "PLine", 5, 5)) < pline->columnWidth(5));
        auto* heights = Find<QTableView>(page, "TVec_H");
        QVERIFY(heights->fontMetrics().horizontalAdvance(Cell(page, "TVec_H", 1, 2)) <
                heights->columnWidth(1));
        auto* label = Find<QLabel>(page, "Label5");
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    }

    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup() { watchdog_.reset(); }

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
};

QTEST_MAIN(TetrahedronViewTest)
#include "tetrahedron_view_test.moc"
