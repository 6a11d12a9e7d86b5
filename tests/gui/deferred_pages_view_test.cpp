// SPDX-License-Identifier: GPL-3.0-or-later
// The Gauss and the lines-and-planes pages are built when they first come
// forward: until then none of their widgets exists, while the window logic
// goes on changing their state (a scenario's actions, a language chosen); once
// built, every widget shows that state.

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>

#include "app/page_fit.h"
#include "gui_fixture.h"

using namespace tc::gui::test;

namespace {

// Fails the running test at the first widget of `page` whose view is missing
// or shows other than the model holds. Looks the widgets up without building.
void CheckShowsTheModel(QWidget* page, const tc::WidgetTree& tree) {
    const tc::Widget* holder = tree.find(tc::gui::S(page->objectName()));
    QVERIFY(holder);
    int checked = 0;
    for (const tc::Widget* w : tree.all()) {
        if (w == holder || tc::PageOf(tree, *w) != holder) continue;
        const QString name = tc::gui::Q(w->name());
        auto* q = page->findChild<QWidget*>(name);
        QVERIFY2(q, qPrintable("no widget " + name));
        QVERIFY2(q->isHidden() != w->visible, qPrintable(name + " shows the wrong visibility"));
        const QString caption = tc::gui::Q(w->caption);
        if (auto* label = qobject_cast<QLabel*>(q)) QCOMPARE(label->text(), caption);
        if (auto* box = qobject_cast<QGroupBox*>(q)) QCOMPARE(box->title(), caption);
        if (auto* button = qobject_cast<QPushButton*>(q)) QCOMPARE(ShownCaption(button), caption);
        if (auto* field = qobject_cast<QLineEdit*>(q)) QCOMPARE(field->text(), tc::gui::Q(tree.get<tc::Edit>(w->name()).text));
        if (auto* combo = qobject_cast<QComboBox*>(q)) {
            const auto& model = tree.get<tc::Combo>(w->name());
            QCOMPARE(combo->currentIndex(), model.index);
            QCOMPARE(combo->count(), static_cast<int>(model.items.size()));
            for (int i = 0; i < combo->count(); ++i)
                QCOMPARE(combo->itemText(i), tc::gui::Q(model.items[static_cast<std::size_t>(i)]));
        }
        if (auto* grid = qobject_cast<QTableView*>(q)) {
            const auto& model = tree.get<tc::Grid>(w->name());
            QCOMPARE(grid->model()->columnCount(), model.cols);
            QCOMPARE(grid->model()->rowCount(), model.rows);
            for (int c = 0; c < model.cols; ++c)
                QCOMPARE(grid->columnWidth(c), model.colWidth(c));
            for (int r = 0; r < model.rows; ++r)
                for (int c = 0; c < model.cols; ++c)
                    QCOMPARE(grid->model()->index(r, c).data().toString(), tc::gui::Q(model.cell(c, r)));
        }
        if (qobject_cast<QPlainTextEdit*>(q)) {
            QStringList lines;
            for (const std::string& line : tree.get<tc::Memo>(w->name()).lines)
                lines << tc::gui::Q(line);
            QCOMPARE(ShownMemoLines(page, w->name().c_str()), lines);
        }
        ++checked;
    }
    QVERIFY(checked > 10);
}

} // namespace

class DeferredPagesViewTest : public QObject {
    Q_OBJECT

private slots:
    void builds_the_gauss_and_space_pages_when_they_first_come_forward() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        tc::MainWindow& model = view->model();
        auto* tabs = view->findChild<QTabWidget*>("Matem");
        auto* gauss = view->findChild<QWidget*>("Gs");
        auto* space = view->findChild<QWidget*>("Sp");
        QVERIFY(tabs && gauss && space);
        QCOMPARE(tabs->indexOf(gauss), 6);
        QCOMPARE(tabs->indexOf(space), 7);
        // The captions are there from the start, the widgets are not.
        const QString gaussCaption = tabs->tabText(6);
        QCOMPARE(gaussCaption, tc::gui::Q(model.widgets().get("Gs").caption));
        QVERIFY(gauss->findChildren<QWidget*>().isEmpty());
        QVERIFY(space->findChildren<QWidget*>().isEmpty());

        // As a scenario drives them: the determinant (Gs_Cols and Gs_B hidden)
        // of a typed A, computed; a task chosen and a point typed on Sp.
        model.select("Gs_Task", 6);
        model.setCell("Gs_A", 1, 1, "-7/3");
        model.click("Gs_Run");
        model.select("Sp_Task", 3);
        model.setCell("Sp_In", 1, 1, "5");
        view->chooseLanguage("N25"); // English
        view->refresh();
        QVERIFY(gauss->findChildren<QWidget*>().isEmpty());
        QVERIFY(space->findChildren<QWidget*>().isEmpty());
        QVERIFY(tabs->tabText(6) != gaussCaption);
        QCOMPARE(tabs->tabText(6), tc::gui::Q(model.widgets().get("Gs").caption));
        QCOMPARE(tabs->tabText(7), tc::gui::Q(model.widgets().get("Sp").caption));
        QVERIFY(log.errors.isEmpty());

        // A click on the caption builds the Gauss page as it shows.
        tabs->setCurrentIndex(6);
        QVERIFY(gauss->isVisible());
        CheckShowsTheModel(gauss, model.widgets());
        QVERIFY(!gauss->findChild<QWidget*>("Gs_Cols")->isVisibleTo(gauss));
        QVERIFY(!gauss->findChild<QWidget*>("Gs_B")->isVisibleTo(gauss));
        QCOMPARE(gauss->findChild<QComboBox*>("Gs_Task")->currentIndex(), 6);
        QCOMPARE(gauss->findChild<QTableView*>("Gs_A")->model()->index(1, 1).data().toString(), QString("-7/3"));
        QCOMPARE(ShownCaption(gauss->findChild<QPushButton*>("Gs_Run")), QString("Solve"));
        QVERIFY(ShownMemoLines(gauss, "Gs_M").size() > 3);
        QVERIFY(space->findChildren<QWidget*>().isEmpty());

        // Opening the submenu that brings the lines-and-planes tab forward
        // builds it; its item then chooses the task the page shows already.
        emit view->findChild<QMenu*>("NSp")->aboutToShow();
        QCOMPARE(tabs->currentIndex(), 7);
        CheckShowsTheModel(space, model.widgets());
        view->findChild<QAction*>("NSp3")->trigger();
        QCOMPARE(tabs->currentIndex(), 7);
        CheckShowsTheModel(space, model.widgets());
        QCOMPARE(space->findChild<QComboBox*>("Sp_Task")->currentIndex(), 3);
        QCOMPARE(space->findChild<QTableView*>("Sp_In")->model()->index(1, 1).data().toString(), QString("5"));
        QCOMPARE(space->findChild<QTableView*>("Sp_In")->model()->index(1, 0).data().toString(),
                 QString("Point P1"));
        QVERIFY(log.errors.isEmpty());
    }

    // A page whose widget is looked up by name (as these tests do) is built
    // then, without coming forward; the other pages still wait.
    void a_lookup_builds_the_page_that_holds_the_widget() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* space = view->findChild<QWidget*>("Sp");
        QVERIFY(space->findChildren<QWidget*>().isEmpty());
        QVERIFY(Find<QTableView>(view.get(), "Sp_In"));
        QCOMPARE(view->findChild<QTabWidget*>("Matem")->currentIndex(), 0);
        CheckShowsTheModel(space, view->model().widgets());
        QVERIFY(view->findChild<QWidget*>("Gs")->findChildren<QWidget*>().isEmpty());
    }
};

QTEST_MAIN(DeferredPagesViewTest)
#include "deferred_pages_view_test.moc"
