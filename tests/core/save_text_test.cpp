// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a written solution to a file: the file name, the bytes, and what a
// failed save leaves behind.

#include <gtest/gtest.h>

#include "io/save_text.h"
#include "base/failure.h"
#include "save_test_support.h"

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

namespace tc {
namespace {

using test::ReadBytes;
using test::WorkFolder;
using test::WriteBytes;
namespace fs = std::filesystem;

struct NameCase {
    const char* label;
    const char* chosen;
    const char* file;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << '"' << c.chosen << "\" -> \"" << c.file << '"';
}

class TextFileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(TextFileNameTest, appends_txt_only_when_the_name_lacks_it) {
    EXPECT_EQ(TextFileName(GetParam().chosen), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TextFileNameTest,
    ::testing::Values(
        NameCase{"bare", "angle", "angle.txt"}, NameCase{"lower", "angle.txt", "angle.txt"},
        NameCase{"upper", "angle.TXT", "angle.TXT"}, NameCase{"mixed", "angle.Txt", "angle.Txt"},
        // Only a real ".txt" ending counts: not "txt" without the dot, nor one inside the name.
        NameCase{"no_dot", "angletxt", "angletxt.txt"}, NameCase{"inside", "a.txt.bak", "a.txt.bak.txt"},
        NameCase{"in_folder", "dir.txt/angle", "dir.txt/angle.txt"}, NameCase{"just_txt", "txt", "txt.txt"},
        NameCase{"cyrillic", "/home/u/кут", "/home/u/кут.txt"},
        // A Cyrillic "Т" is no Latin "T".
        NameCase{"cyrillic_te", "кут.ТXT", "кут.ТXT.txt"}),
    [](const ::testing::TestParamInfo<NameCase>& row) { return std::string(row.param.label); });

// Save and check the bytes; the folder must hold nothing else afterwards.
void ExpectSaved(const WorkFolder& folder, const std::vector<std::string>& lines, const std::string& bytes) {
    SaveLines("out.txt", lines);
    EXPECT_EQ(ReadBytes(folder.path() / "out.txt"), bytes);
    EXPECT_EQ(folder.names(), std::set<std::string>{"out.txt"});
}

TEST(SaveLinesTest, writes_every_line_with_crlf_and_no_empty_last_line) {
    WorkFolder folder;
    ExpectSaved(folder, {"Task", "", "  |A|=5  ", ""}, "Task\r\n\r\n  |A|=5  \r\n\r\n");
}

TEST(SaveLinesTest, an_empty_memo_gives_an_empty_file) {
    WorkFolder folder;
    ExpectSaved(folder, {}, "");
}

TEST(SaveLinesTest, long_lines_and_cyrillic_text_round_trip_byte_for_byte) {
    WorkFolder folder;
    std::string longLine;
    for (int i = 0; i < 1000; ++i)
        longLine += "Кут φ=" + std::to_string(i) + ";";
    ASSERT_GT(longLine.size(), 8192u);
    ExpectSaved(folder, {longLine, "Відповідь: cos φ=0,6000"}, longLine + "\r\nВідповідь: cos φ=0,6000\r\n");
}

TEST(SaveLinesTest, a_line_holding_a_break_becomes_crlf_ended_lines) {
    WorkFolder folder;
    ExpectSaved(folder, {"a\nb", "c\r\nd", "e\rf"}, "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n");
}

TEST(SaveLinesTest, replaces_an_existing_file_and_keeps_its_access_rights) {
    WorkFolder folder;
    EXPECT_FALSE(CheckSaveTarget("out.txt"));
    WriteBytes("out.txt", "an older and longer solution\r\n");
    fs::permissions("out.txt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(CheckSaveTarget("out.txt"));
    ExpectSaved(folder, {"new"}, "new\r\n");
    EXPECT_EQ(fs::status("out.txt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

#if defined(__unix__)
TEST(SaveLinesTest, saving_through_a_link_writes_the_linked_file) {
    WorkFolder folder;
    fs::create_directory("real");
    WriteBytes("real/out.txt", "old\r\n");
    fs::create_symlink("real/out.txt", "link.txt");
    SaveLines("link.txt", {"new"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status("link.txt")));
    EXPECT_EQ(ReadBytes("real/out.txt"), "new\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"link.txt", "real"}));
}

// A link to a file not yet there stands for that file: it is created, with no
// question (no file is replaced), and the link stays a link.
TEST(SaveLinesTest, saving_through_a_dangling_link_creates_the_named_file) {
    WorkFolder folder;
    fs::create_directory("real");
    fs::create_symlink("real/later.txt", "link.txt");
    EXPECT_FALSE(CheckSaveTarget("link.txt"));
    SaveLines("link.txt", {"new"});
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status("link.txt")));
    EXPECT_EQ(ReadBytes("real/later.txt"), "new\r\n");
}

TEST(SaveLinesTest, a_file_with_other_names_keeps_them) {
    WorkFolder folder;
    WriteBytes("out.txt", "an older and longer solution\r\n");
    fs::create_hard_link("out.txt", "other.txt");
    SaveLines("out.txt", {"new"});
    EXPECT_TRUE(fs::equivalent("out.txt", "other.txt"));
    EXPECT_EQ(ReadBytes("other.txt"), "new\r\n");
}
#endif

// A failure names the file and the reason, leaves what was there as it was and
// no temporary file behind.
void ExpectFailure(const WorkFolder& folder, const std::string& path, const std::string& message,
                   const std::vector<std::string>& lines = {"a line"}) {
    const std::set<std::string> before = folder.names();
    try {
        SaveLines(path, lines);
        ADD_FAILURE() << path << " was saved";
    } catch (const Failure& f) {
        EXPECT_EQ(std::string(f.what()), message);
    }
    EXPECT_EQ(folder.names(), before);
}

TEST(SaveLinesTest, places_that_cannot_take_a_file_fail_and_change_nothing) {
    WorkFolder folder;
    fs::create_directory("result.txt");
    WriteBytes("result.txt/inside", "x");
    WriteBytes("plain", "kept");
    ExpectFailure(folder, "result.txt", "Cannot save \"result.txt\": Is a directory");
    EXPECT_TRUE(fs::is_directory("result.txt"));
    EXPECT_EQ(ReadBytes("result.txt/inside"), "x");
    // A regular file used as a folder stops everyone, root included.
    ExpectFailure(folder, "plain/out.txt", "Cannot save \"plain/out.txt\": Not a directory");
    EXPECT_EQ(ReadBytes("plain"), "kept");
    ExpectFailure(folder, "missing/out.txt", "Cannot save \"missing/out.txt\": No such file or directory");
    EXPECT_THROW(CheckSaveTarget("result.txt"), Failure);
}

// The system would take the name only up to the NUL and save somewhere else.
TEST(SaveLinesTest, a_name_holding_a_nul_is_refused) {
    WorkFolder folder;
    const std::string name("out\0put.txt", 11);
    const std::string message = "Cannot save \"" + name + "\": The name holds a NUL character";
    try {
        CheckSaveTarget(name);
        ADD_FAILURE() << "the name was taken";
    } catch (const Failure& f) {
        EXPECT_EQ(f.message(), message);
    }
    EXPECT_THROW(SaveLines(name, {"a line"}), Failure);
    EXPECT_TRUE(folder.names().empty());
}

TEST(SaveLinesTest, a_read_only_file_is_not_replaced) {
    WorkFolder folder;
    WriteBytes("out.txt", "kept\r\n");
    fs::permissions("out.txt", fs::perms::owner_read | fs::perms::group_read);
    ExpectFailure(folder, "out.txt", "Cannot save \"out.txt\": Read-only file");
    EXPECT_EQ(ReadBytes("out.txt"), "kept\r\n");
    EXPECT_THROW(CheckSaveTarget("out.txt"), Failure);
}

#if defined(__unix__)
// A file size limit makes writes fail part-way, as a full disk would.
TEST(SaveLinesTest, a_write_failing_part_way_keeps_the_existing_file) {
    WorkFolder folder;
    WriteBytes("out.txt", "the older solution\r\n");
    std::vector<std::string> lines(4000, std::string(100, 'x'));

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ExpectFailure(folder, "out.txt", "Cannot save \"out.txt\": File too large", lines);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(ReadBytes("out.txt"), "the older solution\r\n");
}
#endif

} // namespace
} // namespace tc

namespace tc {
namespace {

TEST(ReplaceQuestion, puts_the_path_into_the_wording_of_the_chosen_language) {
    EXPECT_EQ(ReplaceQuestion("a.txt", "Файл \"%s\" уже існує. Замінити його?"),
              "Файл \"a.txt\" уже існує. Замінити його?");
    // Only the first place holder takes the path; a wording without one is asked as it is.
    EXPECT_EQ(ReplaceQuestion("a.txt", "%s or %s?"), "a.txt or %s?");
    EXPECT_EQ(ReplaceQuestion("a.txt", "Replace?"), "Replace?");
    // Without a language file the question is still asked, in English.
    EXPECT_EQ(ReplaceQuestion("a.txt"), "\"a.txt\" already exists.\nDo you want to replace it?");
}

} // namespace
} // namespace tc
