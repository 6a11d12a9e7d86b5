// SPDX-License-Identifier: GPL-3.0-or-later
// Reading language files: line breaks, the end at a NUL byte, the two encodings,
// line values, and where a file is looked for.

#include <gtest/gtest.h>

#include "i18n/language_dirs.h"
#include "i18n/language_file.h"
#include "i18n/line_value.h"
#include "encoding/system_text.h"
#include "encoding/text_encoding.h"
#include "language_test_support.h"
#include "numbers_test_support.h"

#if defined(__unix__)
#include <sys/stat.h>
#endif

namespace tc {
namespace {

using test::FailureOf;
using Lines = std::vector<std::string>;

TEST(LineValue, IsTheTextAfterTheFirstEquals) {
    EXPECT_EQ(LineValue("k=a=b"), "a=b");
    EXPECT_EQ(LineValue("abc"), "abc");
    EXPECT_EQ(LineValue("k="), "");
    EXPECT_EQ(LineValue("=x"), "x");
    EXPECT_EQ(LineValue(""), "");
    EXPECT_EQ(LineValue("Caption 12 =  Вектори  "), "  Вектори  ");
}

TEST(LanguageLines, every_kind_of_line_break_ends_a_line_and_a_last_line_needs_none) {
    EXPECT_EQ(LanguageLines("a=1\r\nb=2\nc=3\rd=4"), (Lines{"a=1", "b=2", "c=3", "d=4"}));
    // A break at the very end closes the last line and opens none.
    EXPECT_EQ(LanguageLines("a=1\r\nb=2\r\n"), (Lines{"a=1", "b=2"}));
    EXPECT_EQ(LanguageLines("a=1\r"), (Lines{"a=1"}));
    // LF CR is two breaks, not one: the empty line between them counts.
    EXPECT_EQ(LanguageLines("a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(LanguageLines("\r\n\r\nx"), (Lines{"", "", "x"}));
    EXPECT_EQ(LanguageLines(""), Lines{});
}

TEST(LanguageLines, the_text_ends_at_the_first_nul_byte) {
    using namespace std::string_literals;
    EXPECT_EQ(LanguageLines("a=1\nb=2\0c=3\nd=4\n"s), (Lines{"a=1", "b=2"}));
    EXPECT_EQ(LanguageLines("\0a=1"s), Lines{});
}

TEST(LanguageLines, a_file_that_is_not_utf8_is_read_as_code_page_1251) {
    // "Додавання" and the letters that only Ukrainian has, as the original
    // program's files hold them.
    EXPECT_EQ(LanguageLines("k=\xC4\xEE\xE4\xE0\xE2\xE0\xED\xED\xFF\r\nu=\xB2\xB3\xAF\xBF\xAA\xBA\xA5\xB4"),
              (Lines{"k=Додавання", "u=ІіЇїЄєҐґ"}));
    EXPECT_EQ(LanguageLines("r=\xA8\xB8 \x96 \x97 \xB9 \xAB\xBB"), (Lines{"r=Ёё – — № «»"}));
    // One byte that cannot be UTF-8 makes the whole file code page 1251.
    EXPECT_EQ(LanguageLines("a=\xD0\x90\nb=\xC0"), (Lines{"a=Рђ", "b=А"}));
}

TEST(LanguageLines, utf8_text_is_kept_and_a_byte_order_mark_is_dropped) {
    EXPECT_EQ(LanguageLines("k=Квадратне рівняння"), (Lines{"k=Квадратне рівняння"}));
    EXPECT_EQ(LanguageLines("\xEF\xBB\xBFno equals sign\nk=v"), (Lines{"no equals sign", "k=v"}));
}

TEST(IsUtf8, refuses_what_is_not_well_formed) {
    EXPECT_TRUE(IsUtf8("plain ascii"));
    EXPECT_TRUE(IsUtf8("\xF0\x9F\x98\x80"));  // four bytes, U+1F600
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));         // overlong "/"
    EXPECT_FALSE(IsUtf8("\xE0\x80\xAF"));     // overlong in three bytes
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));     // a surrogate
    EXPECT_FALSE(IsUtf8("\xF4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_FALSE(IsUtf8("\xD0"));             // cut short
    EXPECT_FALSE(IsUtf8("\x80"));             // a lone continuation byte
}

TEST(Cp1251ToUtf8, maps_the_whole_upper_half_to_the_windows_cyrillic_letters) {
    std::string all;
    for (int b = 0xC0; b <= 0xFF; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Cp1251ToUtf8(all), "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя");
    EXPECT_EQ(Cp1251ToUtf8("\x80\x81\x88\x8A\x90\x99\xA0\xA9\xB0"), "ЂЃ€Љђ™\u00A0©°");
}

// Texts from the system (a failure's reason under a KOI8-U locale) become UTF-8.
TEST(TextToUtf8, converts_from_the_named_encoding_and_replaces_what_it_cannot) {
    EXPECT_EQ(TextToUtf8("\xF0\xD2\xC9\xD7\xA6\xD4", "KOI8-U"), "Привіт");
    EXPECT_EQ(TextToUtf8("ok \xFF!", "UTF-8"), "ok \uFFFD!");
    EXPECT_EQ(TextToUtf8("cut \xD0", "UTF-8"), "cut \uFFFD");
    EXPECT_EQ(SystemText("plain"), "plain");
}

TEST(LanguageTable, line_values_follow_the_first_equals_sign) {
    LanguageTable table(Lines{"k=a=b", "abc", "k=", "k=  two blanks each side  ", "=lead"});
    EXPECT_EQ(table.value(0), "a=b");
    EXPECT_EQ(table.value(1), "abc");
    EXPECT_EQ(table.value(2), "");
    EXPECT_EQ(table.value(3), "  two blanks each side  ");
    EXPECT_EQ(table.value(4), "lead");
}

TEST(LanguageTable, a_line_beyond_the_file_is_a_list_index_failure) {
    LanguageTable table(Lines{"a=1", "b=2", "c=3"});
    EXPECT_EQ(FailureOf([&] { table.value(3); }), "List index out of bounds (3)");
    EXPECT_EQ(FailureOf([&] { LanguageTable().value(0); }), "List index out of bounds (0)");
}

TEST(LanguageFileName, follows_the_checked_language_item) {
    EXPECT_EQ(LanguageFileName("N23"), "Ukrainian.txt");
    EXPECT_EQ(LanguageFileName("N24"), "Russian.txt");
    EXPECT_EQ(LanguageFileName("N25"), "English.txt");
}

TEST(DefaultLanguageDirs, go_from_the_program_folder_to_its_install_tree_then_to_the_configured_folder) {
    const auto dirs = DefaultLanguageDirs("/opt/tovrin/bin/tovrincalc-cli");
    ASSERT_EQ(dirs.size(), 3u);
    EXPECT_EQ(dirs[0], "/opt/tovrin/bin");
    EXPECT_EQ(dirs[1], "/opt/tovrin/share/tovrincalc");
    // A relative name counts from the current directory.
    test::ScratchDir here;
    test::InDirectory cd{here.path()};
    EXPECT_EQ(DefaultLanguageDirs("bin/tovrincalc")[1],
              (std::filesystem::current_path() / "share" / "tovrincalc").string());
    // Without a known executable only the configured folder is left.
    EXPECT_EQ(DefaultLanguageDirs("").size(), 1u);
}

TEST(ExecutablePath, names_the_running_program_whatever_it_was_called) {
    EXPECT_EQ(std::filesystem::path(ExecutablePath("somewhere-else")).filename(), "core_tests");
}

class ReadLanguageFileTest : public ::testing::Test {
protected:
    test::ScratchDir here, first, second;
    test::InDirectory cd{here.path()};
    std::string valueOfLine0(const std::vector<std::string>& dirs) {
        return ReadLanguageFile("English.txt", dirs).value(0);
    }
};

TEST_F(ReadLanguageFileTest, looks_in_the_current_directory_first_then_in_the_given_folders_in_order) {
    test::WriteBytes(second.path() / "English.txt", "k=second");
    EXPECT_EQ(valueOfLine0({first.str(), second.str()}), "second");
    test::WriteBytes(first.path() / "English.txt", "k=first");
    EXPECT_EQ(valueOfLine0({first.str(), second.str()}), "first");
    test::WriteBytes(here.path() / "English.txt", "k=here");
    EXPECT_EQ(valueOfLine0({first.str(), second.str()}), "here");
}

TEST_F(ReadLanguageFileTest, a_file_found_nowhere_is_reported_under_its_path_in_the_current_directory) {
    const std::string expected = "Cannot open file \"" +
                                 (std::filesystem::current_path() / "English.txt").string() +
                                 "\". No such file or directory";
    EXPECT_EQ(FailureOf([&] { ReadLanguageFile("English.txt", {first.str(), second.str()}); }), expected);
}

TEST_F(ReadLanguageFileTest, a_folder_in_the_way_counts_as_no_file) {
    std::filesystem::create_directory(here.path() / "English.txt");
    test::WriteBytes(first.path() / "English.txt", "k=first");
    EXPECT_EQ(valueOfLine0({first.str()}), "first");
    EXPECT_NE(FailureOf([&] { ReadLanguageFile("English.txt", {}); }).find("Cannot open file \""),
              std::string::npos);
}

#if defined(__unix__)
// What is not a regular file of a sensible size is a file that cannot be
// opened, reported at once: a FIFO would wait for a writer forever, and a
// link to an endless device would be read until memory ran out.
TEST_F(ReadLanguageFileTest, only_a_regular_file_of_a_sensible_size_is_read) {
    const std::string path = (std::filesystem::current_path() / "English.txt").string();
    ASSERT_EQ(mkfifo("English.txt", 0600), 0);
    EXPECT_EQ(FailureOf([&] { ReadLanguageFile("English.txt", {}); }),
              "Cannot open file \"" + path + "\". Not a regular file");
    // A file found later is still taken.
    test::WriteBytes(first.path() / "English.txt", "k=first");
    EXPECT_EQ(valueOfLine0({first.str()}), "first");

    for (const char* device : {"/dev/zero", "/dev/urandom"}) {
        std::filesystem::remove("English.txt");
        std::filesystem::create_symlink(device, "English.txt");
        EXPECT_EQ(FailureOf([&] { ReadLanguageFile("English.txt", {}); }),
                  "Cannot open file \"" + path + "\". Not a regular file");
    }
    std::filesystem::remove("English.txt");
    test::WriteBytes("English.txt", std::string(2 << 20, 'x'));
    EXPECT_EQ(FailureOf([&] { ReadLanguageFile("English.txt", {}); }),
              "Cannot open file \"" + path + "\". File too large");
}

// The name of the current folder comes from the file system; one that is not
// valid in the locale's encoding still gives a UTF-8 text.
TEST(ReadLanguageFile, a_folder_name_in_another_encoding_is_reported_as_utf8) {
    test::ScratchDir root;
    const std::filesystem::path latin1 = root.path() / "caf\xE9";
    std::filesystem::create_directory(latin1);
    test::InDirectory cd{latin1};
    const std::string failure = FailureOf([&] { ReadLanguageFile("English.txt", {}); });
    EXPECT_TRUE(IsUtf8(failure));
    EXPECT_NE(failure.find("caf\xEF\xBF\xBD/English.txt"), std::string::npos) << failure;
}
#endif

} // namespace
} // namespace tc
