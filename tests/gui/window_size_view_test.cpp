// SPDX-License-Identifier: GPL-3.0-or-later
// The window at the user's size: resized, the memo takes the room and the
// buttons follow; closed and opened again, it has the size and the language
// it was left with (kept in a temporary settings file, never the user's).

#include <QAction>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

#include "gui_fixture.h"
#include "window_memory.h"

using namespace tc::gui::test;

namespace {

const char* const kMemos[6] = {"Vec_M", "MAT_M", "TM", "Tet_M", "SLA", "Eq_M"};
const char* const kExits[6] = {"CClose", "M_But", "CClose3", "CP_Close", "CS_Close", "Eq_close"};

// A window started as the program starts it, with its settings in `file`.
std::unique_ptr<tc::gui::MainView> Remembered(BoxLog& log, const QString& file, const QLocale& system) {
    auto view = std::make_unique<tc::gui::MainView>(tc::Settings{'.', {TOVRIN_LANG_SOURCE_DIR}});
    view->hooks.error = [&log](const QString& t) { log.errors << t; };
    tc::gui::StartRemembered(*view, file, system);
    view->show();
    return view;
}

} // namespace

class WindowSizeViewTest : public QObject {
    Q_OBJECT

private slots:
    void a_larger_window_gives_each_memo_the_room_and_the_buttons_follow() {
        BoxLog log;
        auto view = MakeWindow(log);
        auto* tabs = Find<QTabWidget>(view.get(), "Matem");
        const QSize before = view->size();
        for (int tab = 0; tab < 6; ++tab) {
            view->resize(before);
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            auto* memo = Find<QWidget>(view.get(), kMemos[tab]);
            const QSize small = memo->size();
            view->resize(before + QSize(400, 300));
            QApplication::processEvents();
            QCOMPARE(memo->size(), small + QSize(400, 300));
            auto* exit = Find<QWidget>(view.get(), kExits[tab]);
            QVERIFY2(tabs->currentWidget()->rect().contains(exit->geometry()), kExits[tab]);
            QVERIFY2(!exit->geometry().intersects(memo->geometry()), kExits[tab]);
        }
        // Lower than designed, the memo gives up its room and the buttons stay whole.
        view->resize(before - QSize(0, 40));
        QApplication::processEvents();
        for (int tab = 0; tab < 6; ++tab) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            QWidget* page = tabs->currentWidget();
            for (const char* name : {kExits[tab], kMemos[tab]}) {
                auto* w = Find<QWidget>(view.get(), name);
                QVERIFY2(page->rect().contains(w->geometry()), name);
            }
        }
    }

    void the_language_and_the_size_survive_a_restart() {
        QTemporaryDir dir;
        const QString file = dir.filePath("tovrincalc.ini");
        BoxLog log;
        {
            // The first start follows the system's language.
            auto view = Remembered(log, file, QLocale(QLocale::English));
            QVERIFY(Find<QAction>(view.get(), "N25")->isChecked());
            Find<QAction>(view.get(), "N24")->trigger();
            view->resize(view->size() + QSize(120, 60));
            QApplication::processEvents();
            const QSize left = view->size();
            QVERIFY(view->close());
            QCOMPARE(QSettings(file, QSettings::IniFormat).value("window/size").toSize(), left);
        }
        {
            // The system's language counts no more: the user chose Russian.
            auto view = Remembered(log, file, QLocale(QLocale::English));
            QVERIFY(Find<QAction>(view.get(), "N24")->isChecked());
            QCOMPARE(Find<QPushButton>(view.get(), "CBut1")->text().remove('&'), QString("Вычислить"));
            QCOMPARE(view->size(), QSettings(file, QSettings::IniFormat).value("window/size").toSize());
        }
        QVERIFY(log.errors.isEmpty());
    }

    void the_first_start_takes_the_systems_language_or_ukrainian() {
        const struct {
            QLocale::Language system;
            const char* item;
        } cases[] = {{QLocale::Ukrainian, "N23"}, {QLocale::Russian, "N24"}, {QLocale::English, "N25"},
                     {QLocale::German, "N23"},    {QLocale::C, "N23"}};
        for (const auto& c : cases)
            QCOMPARE(tc::gui::SystemLanguageItem(QLocale(c.system)), std::string(c.item));
    }
};

QTEST_MAIN(WindowSizeViewTest)
#include "window_size_view_test.moc"
