// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's frame: start-up state, menu navigation, exit commands and
// the way failures reach the error box.

#include <gtest/gtest.h>

#include <functional>
#include <array>
#include <stdexcept>

#include "app/error_box.h"
#include "app/main_window.h"
#include "context/recording_host.h"
#include "context/tab_frame.h"

namespace tc {
namespace {

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(ErrorBoxText("'' is not a valid floating point value"),
              "'' is not a valid floating point value.");
    EXPECT_EQ(ErrorBoxText("Cannot open file (missing)"), "Cannot open file (missing)");
    EXPECT_EQ(ErrorBoxText("Already stopped."), "Already stopped.");
    EXPECT_EQ(ErrorBoxText("ends in a dash -"), "ends in a dash -");
    EXPECT_EQ(ErrorBoxText("ends in a slash /"), "ends in a slash /.");
    EXPECT_EQ(ErrorBoxText("Помилка"), "Помилка."); // a UTF-8 byte is above "."
    EXPECT_EQ(ErrorBoxText(""), "");
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : window(host, Settings{'.', {}}) { window.start(); }
    RecordingHost host;
    MainWindow window;
    const WidgetTree& tree() { return window.widgets(); }
};

TEST_F(MainWindowTest, starts_on_the_vector_tab_with_ukrainian_checked_and_every_compute_button_enabled) {
    EXPECT_EQ(window.tab(), 0);
    EXPECT_EQ(window.language(), "N23");
    EXPECT_FALSE(window.closed());
    for (const char* b : {"CBut1", "Mat_But", "CTr_But", "CP_But", "CRun", "Eq_Run"})
        EXPECT_TRUE(tree().get(b).enabled) << b;
    EXPECT_EQ(tree().get("Mat").caption, "TovrinCALC");
}

TEST_F(MainWindowTest, tab_captions_are_fixed_in_tab_order) {
    const char* captions[] = {"Vector", "Matrix", "Triangle", "Tetraedr", "SLAE", "Eq"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(tree().get(window.tabAt(i).parts().page).caption, captions[i]);
}

TEST_F(MainWindowTest, every_page_gives_its_memo_and_its_compute_save_and_exit_buttons) {
    const std::array<std::array<const char*, 4>, 6> frames = {{
        {"Vec_M", "CBut1", "CV_Save", "CClose"},
        {"MAT_M", "Mat_But", "M_Save", "M_But"},
        {"TM", "CTr_But", "CRecord3", "CClose3"},
        {"Tet_M", "CP_But", "CP_Save", "CP_Close"},
        {"SLA", "CRun", "CS_Save", "CS_Close"},
        {"Eq_M", "Eq_Run", "Eq_Save", "Eq_close"},
    }};
    for (int i = 0; i < 6; ++i) {
        const char* page = window.tabAt(i).parts().page;
        const auto frame = FindTabFrame(tree(), page);
        ASSERT_TRUE(frame) << page;
        EXPECT_EQ(frame->memo, frames[i][0]);
        EXPECT_EQ(frame->compute, frames[i][1]);
        EXPECT_EQ(frame->save, frames[i][2]);
        EXPECT_EQ(frame->exit, frames[i][3]);
    }
    EXPECT_FALSE(FindTabFrame(tree(), "CBut1"));
    EXPECT_FALSE(FindTabFrame(tree(), "no such page"));
}

TEST_F(MainWindowTest, submenus_and_tab_commands_bring_their_tab_forward) {
    const std::pair<const char*, int> cases[] = {{"N11", 1}, {"N28", 2}, {"N29", 3},
                                                 {"N32", 4}, {"N5", 5},  {"N10", 0}};
    for (const auto& [item, tab] : cases) {
        window.menu(item);
        EXPECT_EQ(window.tab(), tab) << item;
    }
}

TEST_F(MainWindowTest, opening_the_outer_submenus_changes_nothing) {
    window.setTab(3);
    window.menu("N1");
    window.menu("N9");
    EXPECT_EQ(window.tab(), 3);
}

TEST_F(MainWindowTest, shortcuts_are_on_save_and_the_language_items) {
    EXPECT_EQ(tree().get<MenuItem>("N4").shortcut, "Ctrl+S");
    EXPECT_EQ(tree().get<MenuItem>("N23").shortcut, "Ctrl+U");
    EXPECT_EQ(tree().get<MenuItem>("N24").shortcut, "Ctrl+R");
    EXPECT_EQ(tree().get<MenuItem>("N25").shortcut, "Ctrl+E");
}

TEST_F(MainWindowTest, language_items_form_one_radio_group) {
    window.menu("N25");
    EXPECT_EQ(window.language(), "N25");
    EXPECT_FALSE(tree().get<MenuItem>("N23").checked);
    window.menu("N24");
    EXPECT_EQ(window.language(), "N24");
    EXPECT_FALSE(tree().get<MenuItem>("N25").checked);
}

class ExitCommandTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ExitCommandTest, closes_the_window_and_ignores_later_actions) {
    RecordingHost host;
    MainWindow window(host, Settings{});
    window.start();
    std::string name = GetParam();
    if (name == "N26")
        window.menu(name);
    else
        window.click(name);
    EXPECT_TRUE(window.closed());
    window.menu("N28");
    EXPECT_EQ(window.tab(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryExit, ExitCommandTest,
                         ::testing::Values("N26", "CClose", "M_But", "CClose3", "CP_Close", "CS_Close",
                                           "Eq_close"));

TEST_F(MainWindowTest, actions_naming_no_widget_or_the_wrong_kind_are_usage_errors) {
    // Start-up has already reported the missing language files; a usage error adds no box.
    const auto boxesAtStart = host.boxes.size();
    EXPECT_THROW(window.click("NoSuchButton"), UsageError);
    EXPECT_THROW(window.click("N4"), UsageError);
    EXPECT_THROW(window.menu("CBut1"), UsageError);
    EXPECT_THROW(window.menu("N3"), UsageError);
    EXPECT_THROW(window.setText("Vec_M", "x"), UsageError);
    EXPECT_THROW(window.setTab(8), UsageError);
    EXPECT_EQ(host.boxes.size(), boxesAtStart);
}

TEST_F(MainWindowTest, the_about_command_shows_the_about_window) {
    window.menu("N2");
    EXPECT_EQ(host.aboutShown, 1);
}

// A host whose About window runs `onAbout`: a way into a handler from outside.
class AboutHookHost : public RecordingHost {
public:
    std::function<void()> onAbout;
    void showAbout() override { onAbout(); }
};

TEST(MainWindowRun, only_the_programs_failures_reach_the_error_box_and_a_fault_passes_out) {
    AboutHookHost host;
    MainWindow window(host, Settings{'.', {}});
    window.start();
    host.boxes.clear();

    host.onAbout = [] { throw Failure("Stopped here"); };
    window.menu("N2");
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Stopped here.");

    // Any other exception is a fault of the program, not an error box.
    host.boxes.clear();
    host.onAbout = [] { throw std::out_of_range("a fault"); };
    EXPECT_THROW(window.menu("N2"), std::out_of_range);
    EXPECT_TRUE(host.boxes.empty());
    // The window goes on working after it.
    window.click("CBut1");
    EXPECT_EQ(window.widgets().get<Edit>("Vec_R").text, "13.0000");
}

} // namespace
} // namespace tc
