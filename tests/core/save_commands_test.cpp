// SPDX-License-Identifier: GPL-3.0-or-later
// The seven save commands: which memo each writes, the dialog's name, the
// replace question, cancelling, and failures reaching the error box.

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "context/recording_host.h"
#include "save_test_support.h"

namespace tc {
namespace {

using test::ReadBytes;
using test::WorkFolder;
using test::WriteBytes;
namespace fs = std::filesystem;

// The first six tabs, whose memos and buttons kept the form's names.
constexpr int kTabCount = 6;
const char* const kMemos[kTabCount] = {"Vec_M", "MAT_M", "TM", "Tet_M", "SLA", "Eq_M"};
const char* const kSaveButtons[kTabCount] = {"CV_Save", "M_Save",  "CRecord3",
                                                         "CP_Save", "CS_Save", "Eq_Save"};

class SaveCommandsTest : public ::testing::Test {
protected:
    SaveCommandsTest() : window(host, Settings{'.', {}}) {
        window.start();
        // No language file is in reach here: start-up has reported it missing.
        host.boxes.clear();
        // Every memo holds a solution of its own, so a file shows which memo it came from.
        for (int t = 0; t < kTabCount; ++t)
            window.setMemo(kMemos[t], {std::string("Tab ") + kMemos[t], "", "|A|=5"});
    }
    std::string bytesOf(int tab) { return std::string("Tab ") + kMemos[tab] + "\r\n\r\n|A|=5\r\n"; }
    void saveAs(const char* button, std::optional<std::string> name) {
        host.saveAnswers.push_back(std::move(name));
        window.click(button);
    }
    void ctrlS(std::optional<std::string> name) {
        host.saveAnswers.push_back(std::move(name));
        window.menu("N4");
    }
    std::vector<std::string> memo(const char* name) { return window.widgets().get<Memo>(name).lines; }

    WorkFolder folder;
    RecordingHost host;
    MainWindow window;
};

TEST_F(SaveCommandsTest, every_save_button_writes_its_own_tabs_memo) {
    for (int t = 0; t < kTabCount; ++t)
        saveAs(kSaveButtons[t], std::string("button") + std::to_string(t));
    for (int t = 0; t < kTabCount; ++t)
        EXPECT_EQ(ReadBytes("button" + std::to_string(t) + ".txt"), bytesOf(t)) << kSaveButtons[t];
    EXPECT_TRUE(host.boxes.empty());
    // Saving is no tab change.
    EXPECT_EQ(window.tab(), 0);
}

TEST_F(SaveCommandsTest, ctrl_s_writes_the_memo_of_the_active_tab) {
    for (int t = kTabCount - 1; t >= 0; --t) {
        window.setTab(t);
        ctrlS("ctrl" + std::to_string(t));
    }
    for (int t = 0; t < kTabCount; ++t)
        EXPECT_EQ(ReadBytes("ctrl" + std::to_string(t) + ".txt"), bytesOf(t)) << kMemos[t];
    // The same bytes as the tab's own button.
    saveAs("Eq_Save", "button5");
    EXPECT_EQ(ReadBytes("button5.txt"), ReadBytes("ctrl5.txt"));
}

TEST_F(SaveCommandsTest, a_name_with_txt_in_any_case_is_used_as_it_is) {
    saveAs("CV_Save", "angle");
    saveAs("CV_Save", "angle.txt");
    saveAs("CV_Save", "upper.TXT");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"angle.txt", "upper.TXT"}));
    EXPECT_EQ(ReadBytes("angle.txt"), bytesOf(0));
    EXPECT_EQ(ReadBytes("upper.TXT"), bytesOf(0));
    // The second save met the file of the first one.
    EXPECT_EQ(host.replaceQuestions, std::vector<std::string>{"angle.txt"});
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].kind, Box::Kind::Question);
    EXPECT_EQ(host.boxes[0].text, "\"angle.txt\" already exists.\nDo you want to replace it?");
}

TEST_F(SaveCommandsTest, cancelling_writes_nothing_and_changes_nothing) {
    saveAs("M_Save", std::nullopt);
    window.setTab(3);
    ctrlS(std::nullopt);
    EXPECT_TRUE(folder.names().empty());
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(memo("MAT_M"), (std::vector<std::string>{"Tab MAT_M", "", "|A|=5"}));
    // Nothing was chosen, so nothing new is offered.
    EXPECT_EQ(host.offeredNames, (std::vector<std::string>{"", ""}));
}

TEST_F(SaveCommandsTest, declining_the_replace_question_keeps_the_file) {
    WriteBytes("kept.txt", "the older solution\r\n");
    host.replaceAnswer = false;
    saveAs("CS_Save", "kept");
    EXPECT_EQ(host.replaceQuestions, std::vector<std::string>{"kept.txt"});
    EXPECT_EQ(ReadBytes("kept.txt"), "the older solution\r\n");
    EXPECT_EQ(folder.names(), std::set<std::string>{"kept.txt"});
}

TEST_F(SaveCommandsTest, the_dialog_offers_the_last_chosen_name) {
    saveAs("CV_Save", "first");
    window.setTab(2);
    ctrlS("second.txt");
    saveAs("Eq_Save", std::nullopt);
    saveAs("Eq_Save", "third");
    EXPECT_EQ(host.offeredNames, (std::vector<std::string>{"", "first", "second.txt", "second.txt"}));
}

TEST_F(SaveCommandsTest, a_place_that_cannot_take_the_file_shows_the_error_box_and_changes_nothing) {
    fs::create_directory("folder.txt");
    WriteBytes("plain", "kept");
    WriteBytes("kept.txt", "the older solution\r\n");
    saveAs("CP_Save", "folder");
    saveAs("CP_Save", "plain/inner");
    fs::permissions("kept.txt", fs::perms::owner_read);
    saveAs("CP_Save", "kept");

    ASSERT_EQ(host.boxes.size(), 3u);
    EXPECT_EQ(host.boxes[0].text, "Cannot save \"folder.txt\": Is a directory.");
    EXPECT_EQ(host.boxes[1].text, "Cannot save \"plain/inner.txt\": Not a directory.");
    EXPECT_EQ(host.boxes[2].text, "Cannot save \"kept.txt\": Read-only file.");
    for (const Box& b : host.boxes)
        EXPECT_EQ(b.kind, Box::Kind::Error);
    // No question comes before a save that cannot be done.
    EXPECT_TRUE(host.replaceQuestions.empty());

    EXPECT_TRUE(fs::is_empty("folder.txt"));
    EXPECT_EQ(ReadBytes("plain"), "kept");
    EXPECT_EQ(ReadBytes("kept.txt"), "the older solution\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"folder.txt", "plain", "kept.txt"}));
    EXPECT_EQ(memo("Tet_M"), (std::vector<std::string>{"Tab Tet_M", "", "|A|=5"}));
    // The failed name is offered again for another try.
    host.saveAnswers.push_back(std::nullopt);
    window.click("CP_Save");
    EXPECT_EQ(host.offeredNames.back(), "kept");
}

} // namespace
} // namespace tc
