// SPDX-License-Identifier: GPL-3.0-or-later
// The real window: menu navigation, shortcuts and the exit commands.

#include <QAction>
#include <QActionGroup>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenu>
#include <QScreen>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTableView>
#include <memory>
#include <stdexcept>

#include "early_fonts.h"
#include "font_family.h"
#include "gui_fixture.h"
#include "start_style.h"

using namespace tc::gui::test;

class MainWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void has_the_caption_the_eight_tabs_and_opens_at_its_designed_size() {
        BoxLog log;
        auto view = MakeWindow(log);
        QCOMPARE(view->windowTitle(), QString("TovrinCALC"));
        auto* tabs = Find<QTabWidget>(view.get(), "Matem");
        QCOMPARE(tabs->count(), 8);
        const QStringList captions = {"Vector", "Matrix", "Triangle", "Tetraedr", "SLAE", "Eq"};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(view->centralWidget()->size(), QSize(800, 623));
        // The user may resize and maximize it.
        QVERIFY(view->windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(view->minimumSize().boundedTo(view->minimumSizeHint()) != view->maximumSize());
        QVERIFY(view->maximumSize().width() > 800 && view->maximumSize().height() > 646);
    }

    void opens_in_the_middle_of_the_screen() {
        tc::gui::MainView view(tc::Settings{'.', {}});
        view.hooks.error = [](const QString&) {}; // the language files are not in reach
        view.move(137, 59);
        view.start();
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect window(view.pos(), view.size());
        // Centred where the screen is large enough; otherwise kept on it.
        if (window.width() <= area.width())
            QVERIFY(qAbs(window.center().x() - area.center().x()) <= 1);
        else
            QCOMPARE(window.left(), area.left());
        if (window.height() <= area.height())
            QVERIFY(qAbs(window.center().y() - area.center().y()) <= 1);
        else
            QCOMPARE(window.top(), area.top());
    }

    void view_options_start_as_given_toggle_and_are_reported_for_the_next_run() {
        BoxLog log;
        auto view = MakeWindow(log);
        std::vector<tc::ViewOptions> reported;
        view->hooks.viewChanged = [&reported](const tc::ViewOptions& o) { reported.push_back(o); };
        auto* exact = Find<QAction>(view.get(), "NExact");
        auto* check = Find<QAction>(view.get(), "NCheck");
        QVERIFY(exact->isCheckable() && !exact->isChecked() && !check->isChecked());
        QCOMPARE(ShownText(exact->text()), QString("Exact fractions")); // no language file in reach

        exact->trigger();
        QVERIFY(exact->isChecked());
        QVERIFY(tc::ReadViewOptions(view->model().widgets()).exact);
        check->trigger();
        exact->trigger();
        QVERIFY(!exact->isChecked() && check->isChecked());
        QCOMPARE(reported.size(), std::size_t{3});
        QVERIFY(!reported.back().exact && reported.back().check);

        // What the window remembered is shown from the start.
        tc::gui::MainView again(tc::Settings{'.', {}});
        again.hooks.error = [](const QString&) {};
        again.model().setViewOptions({true, false});
        again.start();
        QVERIFY(Find<QAction>(&again, "NExact")->isChecked());
        QVERIFY(!Find<QAction>(&again, "NCheck")->isChecked());
    }

    void menu_commands_switch_the_tab_shown() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* tabs = Find<QTabWidget>(view.get(), "Matem");
        const std::pair<const char*, int> cases[] = {{"N28", 2}, {"N29", 3}, {"N32", 4}, {"N5", 5}};
        for (const auto& [item, tab] : cases) {
            Find<QAction>(view.get(), item)->trigger();
            QCOMPARE(tabs->currentIndex(), tab);
            QCOMPARE(view->model().tab(), tab);
        }
        // Opening a submenu brings its tab forward before the submenu shows.
        emit Find<QMenu>(view.get(), "N11")->aboutToShow();
        QCOMPARE(tabs->currentIndex(), 1);
        emit Find<QMenu>(view.get(), "N10")->aboutToShow();
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void clicking_a_tab_caption_moves_the_model_too() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QTabWidget>(view.get(), "Matem")->setCurrentIndex(4);
        QCOMPARE(view->model().tab(), 4);
    }

    void shortcuts_sit_on_save_and_the_languages() {
        BoxLog log;
        auto view = MakeWindow(log);
        QCOMPARE(Find<QAction>(view.get(), "N4")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(Find<QAction>(view.get(), "N23")->shortcut(), QKeySequence("Ctrl+U"));
        QCOMPARE(Find<QAction>(view.get(), "N24")->shortcut(), QKeySequence("Ctrl+R"));
        QCOMPARE(Find<QAction>(view.get(), "N25")->shortcut(), QKeySequence("Ctrl+E"));
        QVERIFY(Find<QAction>(view.get(), "N23")->isChecked());
    }

    void the_language_items_are_one_radio_group() {
        BoxLog log;
        auto view = MakeWindow(log);
        QAction* items[] = {Find<QAction>(view.get(), "N23"), Find<QAction>(view.get(), "N24"),
                            Find<QAction>(view.get(), "N25")};
        QVERIFY(items[0]->actionGroup() && items[0]->actionGroup()->isExclusive());
        for (QAction* a : items)
            QCOMPARE(a->actionGroup(), items[0]->actionGroup());
        // Choosing an item checks it alone; choosing it again keeps it checked.
        for (int pick : {2, 2, 0}) {
            items[pick]->trigger();
            for (int i = 0; i < 3; ++i)
                QCOMPARE(items[i]->isChecked(), i == pick);
            QCOMPARE(view->model().language(), items[pick]->objectName().toStdString());
        }
    }

    void every_exit_command_closes_the_window() {
        for (const char* exit : {"N26", "CClose", "M_But", "CClose3", "CP_Close", "CS_Close", "Eq_close"}) {
            BoxLog log;
            auto view = MakeWindow(log);
            QVERIFY(view->isVisible());
            if (QString(exit) == "N26")
                Find<QAction>(view.get(), exit)->trigger();
            else
                QTest::mouseClick(Find<QWidget>(view.get(), exit), Qt::LeftButton);
            QVERIFY2(!view->isVisible(), exit);
            QVERIFY(view->model().closed());
        }
    }

    void about_command_shows_the_about_window() {
        BoxLog log;
        auto view = MakeWindow(log);
        Find<QAction>(view.get(), "N2")->trigger();
        QCOMPARE(log.aboutShown, 1);
        QVERIFY(view->aboutWindow()->findChild<QWidget*>("InfoM"));
    }

    void a_huge_bad_cell_gives_an_error_box_of_readable_size() {
        BoxLog log;
        auto view = MakeWindow(log);
        log.errors.clear();
        const std::string huge(100000, '7');
        view->model().setCell("Vec_Table", 1, 1, huge + "x");
        QTest::mouseClick(Find<QWidget>(view.get(), "CBut1"), Qt::LeftButton);
        QCOMPARE(log.errors.size(), 1);
        const QString shown = log.errors.front();
        QVERIFY(shown.size() < 1000);
        QVERIFY(shown.startsWith("'7777"));
        QVERIFY(shown.endsWith("7x' is not a valid floating point value."));
        // The cell keeps what was typed: nothing is lost.
        QCOMPARE(view->model().widgets().get<tc::Grid>("Vec_Table").cell(1, 1), huge + "x");
    }

    void dragging_a_row_heading_moves_the_row_in_the_model() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* table = Find<QTableView>(view.get(), "Vec_Table");
        const QPoint bHeading = table->visualRect(table->model()->index(2, 0)).center();
        const QPoint aRow = table->visualRect(table->model()->index(1, 0)).center();
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, bHeading);
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, aRow);
        const tc::Grid& grid = view->model().widgets().get<tc::Grid>("Vec_Table");
        QCOMPARE(grid.cell(0, 1), std::string("B"));
        QCOMPARE(grid.cell(2, 1), std::string("7"));
        QCOMPARE(table->model()->index(1, 2).data().toString(), QString("7"));
        // A press on a component cell drags nothing.
        QTest::mousePress(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(1, 1)).center());
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, {},
                            table->visualRect(table->model()->index(2, 1)).center());
        QCOMPARE(grid.cell(0, 1), std::string("B"));
    }

    void a_fault_of_the_program_gets_its_own_box_and_the_window_goes_on() {
        BoxLog log;
        auto view = MakeWindow(log);
        QStringList faults;
        view->hooks.fault = [&faults](const QString& what) { faults << what; };
        view->hooks.about = [] { throw std::logic_error("a broken handler"); };
        Find<QAction>(view.get(), "N2")->trigger();
        QCOMPARE(faults, QStringList{"a broken handler"});
        QVERIFY(log.errors.isEmpty());
        QVERIFY(view->isVisible());
        Find<QPushButton>(view.get(), "CBut1")->click();
        QCOMPARE(Find<QLineEdit>(view.get(), "Vec_R")->text(), QString("13.0000"));
        QCOMPARE(faults.size(), 1);
    }

    // Only the page the window opens on is built at start-up; a page built when
    // it first shows must show the state the model holds by then.
    void builds_a_page_when_it_first_shows_with_the_state_of_that_moment() {
        BoxLog log;
        auto view = MakeWindow(log, '.', {TOVRIN_LANG_SOURCE_DIR});
        QVERIFY(view->findChild<QPushButton*>("CBut1"));
        auto* page = view->findChild<QWidget*>("Matrix");
        QVERIFY(page);
        QVERIFY(!page->findChild<QPushButton*>("Mat_But"));
        view->findChild<QAction*>("N25")->trigger(); // English while the page is hidden
        view->findChild<QTabWidget*>("Matem")->setCurrentWidget(page);
        auto* compute = page->findChild<QPushButton*>("Mat_But");
        QVERIFY(compute && compute->isVisible());
        QCOMPARE(ShownCaption(compute), QString("Compute"));
        QCOMPARE(page->findChild<QTableView*>("Mat1")->model()->index(1, 1).data().toString(), QString("2"));
        QVERIFY(log.errors.isEmpty());
    }

    // The menu bar's overflow icon is fetched when drawn, and is the style's own.
    void start_style_gives_the_overflow_icon_of_the_style_it_wraps() {
        tc::gui::StartStyle style;
        const auto which = QStyle::SP_ToolBarHorizontalExtensionButton;
        const QIcon later = style.standardIcon(which);
        const QIcon own = style.baseStyle()->standardIcon(which);
        QVERIFY(!later.isNull());
        QCOMPARE(later.pixmap(16).toImage(), own.pixmap(16).toImage());
        QCOMPARE(later.availableSizes(), own.availableSizes());
    }

    // The group box frame the style draws from the image it reads itself is
    // the one the style it wraps draws, with and without a title.
    void start_style_draws_group_boxes_as_the_style_it_wraps() {
        tc::gui::StartStyle start;
        std::unique_ptr<QStyle> own(QStyleFactory::create(start.baseStyle()->name()));
        const auto drawn = [](QStyle* style, const QString& title, bool checkable) {
            QGroupBox box(title);
            box.setCheckable(checkable);
            box.setStyle(style);
            box.resize(120, 70);
            QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            box.render(&image);
            return image;
        };
        for (const auto& [title, checkable] :
             {std::pair{QString("Vectors"), false}, {QString(), false}, {QString(), true}}) {
            const QImage expected = drawn(own.get(), title, checkable);
            QCOMPARE(drawn(&start, title, checkable), expected);
            QVERIFY(expected != drawn(own.get(), QString(), !checkable)); // the frame shows at all
        }
    }

    // The window asks for the family Qt would draw its fonts in, so its text
    // looks the same whether the family it names is installed or not.
    void window_fonts_ask_for_the_family_they_are_drawn_in() {
        const QString installed = QFontInfo(QFont()).family();
        for (const auto& [family, hint] : {std::pair{QString("Times New Roman"), QFont::Serif},
                                           {QString("MS Sans Serif"), QFont::SansSerif},
                                           {QString("Sans Serif"), QFont::AnyStyle},
                                           {installed, QFont::Serif}}) {
            QFont asked(family);
            asked.setStyleHint(hint);
            asked.setPixelSize(16);
            QCOMPARE(tc::gui::InstalledFamily(family, hint), QFontInfo(asked).family());
        }
    }

    // The early reading of the font configuration can be waited for more than
    // once or left to its end; the fonts are there after it, and the family
    // it found for the window's is the one Qt draws the window's font in.
    void early_fonts_are_waited_for_and_leave_the_fonts_ready() {
        { tc::gui::EarlyFonts left; }
        tc::gui::EarlyFonts fonts;
        fonts.wait();
        fonts.wait();
        QVERIFY(!QFontDatabase::families().isEmpty());
        QFont asked(QString::fromLatin1(tc::gui::kWindowFamily));
        asked.setStyleHint(tc::gui::kWindowHint);
        asked.setPixelSize(16);
        QCOMPARE(tc::gui::InstalledFamily(QString::fromLatin1(tc::gui::kWindowFamily), tc::gui::kWindowHint),
                 QFontInfo(asked).family());
    }

    void init() { watchdog_ = std::make_unique<ModalWatchdog>(); }
    void cleanup() { watchdog_.reset(); }

private:
    std::unique_ptr<ModalWatchdog> watchdog_;
};

QTEST_MAIN(MainWindowViewTest)
#include "main_window_view_test.moc"
