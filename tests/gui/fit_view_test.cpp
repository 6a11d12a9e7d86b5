// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a small screen, and numbers shown whole: result fields, cells
// and the memo's line breaks.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QHelpEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

#include "fit_to_screen.h"
#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

const char* const kFrameButtons[8][3] = {
    {"CBut1", "CV_Save", "CClose"},    {"Mat_But", "M_Save", "M_But"},  {"CTr_But", "CRecord3", "CClose3"},
    {"CP_But", "CP_Save", "CP_Close"}, {"CRun", "CS_Save", "CS_Close"}, {"Eq_Run", "Eq_Save", "Eq_close"},
    {"Gs_Run", "Gs_Save", "Gs_Close"}, {"Sp_Run", "Sp_Save", "Sp_Close"},
};

// The choices that reshape a tab's page, made one after the other on tab
// 0..7: each task, with the largest sizes (a 4x4 or Nx4 matrix, a 10x10 Gauss
// system, the lines-and-planes tasks with four rows of data).
const std::vector<std::pair<const char*, int>> kReshapes[8] = {
    {{"V_N", 3}, {"TVec", 1}, {"TVec", 2}, {"TVec", 3}, {"TVec", 4}, {"TVec", 5}, {"TVec", 6}},
    {{"M_N", 8}, {"TMat_task", 1}, {"TMat_task", 2}, {"M_N1", 2}, {"TMat_task", 3}, {"M_N1", 2},
     {"TMat_task", 4}, {"M_N1", 2}},
    {},
    {},
    {{"Sl1", 2}},
    {},
    {{"Gs_Rows", 9}, {"Gs_Cols", 9}, {"Gs_BCols", 9}, {"Gs_Task", 1}, {"Gs_Task", 2}, {"Gs_Task", 3},
     {"Gs_Task", 4}, {"Gs_Task", 5}, {"Gs_Task", 6}},
    {{"Sp_Task", 1},  {"Sp_Task", 2},  {"Sp_Task", 3},  {"Sp_Task", 4},  {"Sp_Task", 5},
     {"Sp_Task", 6},  {"Sp_Task", 7},  {"Sp_Task", 8},  {"Sp_Task", 9},  {"Sp_Task", 10},
     {"Sp_Task", 11}, {"Sp_Task", 12}, {"Sp_Task", 13}, {"Sp_Task", 14}},
};

// Every named control shown on `page` lies whole on it, and clear of its
// neighbours; inside each group box the same holds (a group box drawn as a
// frame round others lies behind them).
void ExpectWholeOnPage(QWidget* page) {
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page) || w->objectName().isEmpty()) continue;
        const QRect placed(w->mapTo(page, QPoint()), w->size());
        QVERIFY2(page->rect().contains(placed), qPrintable(page->objectName() + ": " + w->objectName()));
    }
    QList<QWidget*> shown;
    for (QWidget* w : page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (IsLaidOut(w) && w->isVisibleTo(page)) shown << w;
    const auto frames = [](QWidget* box, QWidget* w) {
        return qobject_cast<QGroupBox*>(box) && box->geometry().contains(w->geometry());
    };
    for (QWidget* w : shown) {
        for (QWidget* other : shown) {
            const bool framed = frames(w, other) || frames(other, w);
            QVERIFY2(w == other || framed || !w->geometry().intersects(other->geometry()),
                     qPrintable(w->objectName() + " covers " + other->objectName()));
        }
        if (qobject_cast<QGroupBox*>(w)) CheckPlacement(w);
        if (QTest::currentTestFailed()) return;
    }
}

// The tetrahedron of a student's exercise, with decimal commas.
void ComputeDecimalTetrahedron(tc::gui::MainView& view) {
    const char* vertices[4][3] = {{"-12,75", "3,5", "0,25"},
                                  {"4,125", "-7,5", "11,75"},
                                  {"2,5", "-0,75", "6"},
                                  {"-3,25", "9,5", "-5,5"}};
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 3; ++r)
            view.model().setCell("Piram", c, r, vertices[c - 1][r - 1]);
    Find<QAction>(&view, "N29")->trigger();
    Find<QPushButton>(&view, "CP_But")->click();
    QApplication::processEvents();
}

// A memo's lines as its text: each line ends with a break.
std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

} // namespace

class FitViewTest : public QObject {
    Q_OBJECT

private slots:
    // QT_SCALE_FACTOR=2 on a 1280x1024 screen leaves 640x512 for the window.
    void on_a_small_screen_the_tabs_scroll_and_every_button_is_in_reach() {
        BoxLog log;
        auto view = MakeWindow(log);
        // On the test screen (1280x1024) nothing changes.
        QVERIFY(!tc::gui::FitToScreen(*view, QGuiApplication::primaryScreen()->availableGeometry()));
        QCOMPARE(view->centralWidget()->size(), QSize(800, 623));

        const QRect small(0, 0, 640, 512);
        QVERIFY(tc::gui::FitToScreen(*view, small));
        QApplication::processEvents();
        QVERIFY(view->width() <= small.width() && view->height() <= small.height());
        auto* scroll = qobject_cast<QScrollArea*>(view->centralWidget());
        QVERIFY(scroll);
        QVERIFY(Activate(view.get()));
        auto* tabs = Find<QTabWidget>(view.get(), "Matem");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            for (const char* name : kFrameButtons[tab]) {
                auto* button = Find<QPushButton>(view.get(), name);
                button->setFocus(Qt::TabFocusReason);
                QApplication::processEvents();
                const QRect shown(button->mapTo(scroll->viewport(), QPoint()), button->size());
                QVERIFY2(scroll->viewport()->rect().contains(shown), name);
            }
        }
        // The page scrolls back up as the keyboard goes to the first choice.
        auto* first = Find<QWidget>(view.get(), "eq1");
        first->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        QVERIFY(scroll->viewport()->rect().contains(
            QRect(first->mapTo(scroll->viewport(), QPoint()), first->size())));
    }

    // A 1366x768 laptop at scale 1.25 leaves 1092x614 for the window, a
    // 1600x1000 screen at scale 2 leaves 800x500: the window shrinks to fit,
    // with no scroll bar, and every control of every tab lies whole on its
    // page and clear of the others, in each language and in each task's
    // layout (the largest grids included).
    void on_the_small_screens_every_tab_fits_without_scrolling_data() {
        QTest::addColumn<QRect>("screen");
        QTest::newRow("1366x768 at 1.25") << QRect(0, 0, 1092, 614);
        QTest::newRow("1600x1000 at 2") << QRect(0, 0, 800, 500);
    }
    void on_the_small_screens_every_tab_fits_without_scrolling() {
        QFETCH(QRect, screen);
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        QVERIFY(!tc::gui::FitToScreen(*view, screen));
        view->resize(view->size().boundedTo(tc::gui::RoomOn(*view, screen)));
        QApplication::processEvents();
        QVERIFY(!qobject_cast<QScrollArea*>(view->centralWidget()));
        QVERIFY(view->height() <= tc::gui::RoomOn(*view, screen).height());
        QVERIFY(view->width() <= tc::gui::RoomOn(*view, screen).width());
        auto* tabs = Find<QTabWidget>(view.get(), "Matem");
        QCOMPARE(tabs->count(), 8);
        for (const char* language : {"N23", "N24", "N25"}) {
            Find<QAction>(view.get(), language)->trigger();
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QApplication::processEvents();
                QWidget* page = tabs->currentWidget();
                ExpectWholeOnPage(page);
                if (QTest::currentTestFailed()) QFAIL(language);
                for (const auto& [selector, item] : kReshapes[tab]) {
                    auto* combo = Find<QComboBox>(page, selector);
                    QVERIFY(item < combo->count());
                    combo->setCurrentIndex(item);
                    emit combo->activated(item);
                    QApplication::processEvents();
                    ExpectWholeOnPage(page);
                    if (QTest::currentTestFailed()) QFAIL(qPrintable(QString("%1, %2 = %3").arg(language, selector).arg(item)));
                }
            }
        }
    }

    void results_and_cells_show_their_whole_numbers() {
        BoxLog log;
        auto view = MakeWindow(log, ',');
        ComputeDecimalTetrahedron(*view);
        QVERIFY(log.errors.isEmpty());

        // The volume shrinks to fit its field, and tells its whole text on hover.
        auto* vol = Find<QLineEdit>(view.get(), "Vol");
        QCOMPARE(vol->text(), QString("36,4466145833333"));
        QVERIFY(vol->isReadOnly());
        QVERIFY(vol->fontMetrics().horizontalAdvance(vol->text()) + 4 <= vol->width());
        QCOMPARE(vol->toolTip(), vol->text());
        // A field the user types into keeps its font.
        Find<QAction>(view.get(), "N28")->trigger();
        auto* ax = Find<QLineEdit>(view.get(), "ax");
        QTest::keyClicks(ax, QString("1234567890").repeated(5));
        QCOMPARE(ax->font(), Find<QLineEdit>(view.get(), "ay")->font());

        // A typed vertex fits its cell: drawn with eliding, it looks as drawn
        // without (an elided text would end in "…").
        Find<QAction>(view.get(), "N29")->trigger();
        auto* piram = Find<QTableView>(view.get(), "Piram");
        const QModelIndex vertex = piram->model()->index(1, 1);
        QCOMPARE(vertex.data().toString(), QString("-12,75"));
        piram->setCurrentIndex(piram->model()->index(0, 0));
        const QImage elided = piram->viewport()->grab(piram->visualRect(vertex)).toImage();
        piram->setTextElideMode(Qt::ElideNone);
        const QImage clipped = piram->viewport()->grab(piram->visualRect(vertex)).toImage();
        piram->setTextElideMode(Qt::ElideRight);
        QVERIFY(elided == clipped);

        // An elided cell shows its whole text as a tooltip.
        auto* edges = Find<QTableView>(view.get(), "PLine");
        Find<QAction>(view.get(), "N29")->trigger();
        QApplication::processEvents();
        const QModelIndex line = edges->model()->index(1, 5);
        const QString whole = line.data().toString();
        QVERIFY(edges->fontMetrics().horizontalAdvance(whole) > edges->columnWidth(5));
        const QPoint at = edges->visualRect(line).center();
        QHelpEvent help(QEvent::ToolTip, at, edges->viewport()->mapToGlobal(at));
        QApplication::sendEvent(edges->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), whole);
        QToolTip::hideText();
    }

    // Seen: "(15" / "3)^(1/2)", "^(1/" / "2)" and "(Bz-" / "Az)" at the memo's edge.
    void the_memo_breaks_lines_only_at_spaces() {
        BoxLog log;
        auto view = MakeWindow(log, ',');
        ComputeDecimalTetrahedron(*view);
        auto* memo = Find<QPlainTextEdit>(view.get(), "Tet_M");
        int breaks = 0;
        for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
            const QString text = block.text();
            for (int k = 1; k < block.layout()->lineCount(); ++k, ++breaks) {
                const int at = block.layout()->lineAt(k).textStart();
                QVERIFY2(text[at - 1].isSpace(), qPrintable(tc::gui::WithoutJoiners(text)));
            }
        }
        QVERIFY(breaks > 0);
        // The longest formula, wider than the memo, is reached by scrolling sideways.
        QVERIFY(memo->horizontalScrollBar()->maximum() > 0);
    }

    // What keeps a formula whole is the view's own: the model, a copy and the
    // keys see the text as written.
    void the_memo_hands_on_its_text_as_written() {
        BoxLog log;
        auto view = MakeWindow(log, ',');
        ComputeDecimalTetrahedron(*view);
        auto* memo = Find<QPlainTextEdit>(view.get(), "Tet_M");
        const std::vector<std::string> written = view->model().widgets().get<tc::Memo>("Tet_M").lines;
        QVERIFY(memo->toPlainText().contains(QChar(0x200D)));

        memo->selectAll();
        memo->copy();
        QCOMPARE(QApplication::clipboard()->text(), tc::gui::Q(Joined(written)));

        // Backspace after a minus takes the minus, and what the student types
        // reaches the model without a joiner.
        const QString shown = tc::gui::WithoutJoiners(memo->toPlainText());
        const qsizetype minus = shown.indexOf(QLatin1String("-A"));
        QVERIFY(minus > 0);
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(static_cast<int>(memo->toPlainText().indexOf(QStringLiteral("-\u200DA"))) + 2);
        memo->setTextCursor(cursor);
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClicks(memo, "+");
        QString edited = shown;
        edited[minus] = QLatin1Char('+');
        const auto& model = view->model().widgets().get<tc::Memo>("Tet_M").lines;
        QCOMPARE(tc::gui::Q(Joined(model)), edited);
        QCOMPARE(tc::gui::WithoutJoiners(memo->toPlainText()), edited);
    }
};

QTEST_MAIN(FitViewTest)
#include "fit_view_test.moc"
