// SPDX-License-Identifier: GPL-3.0-or-later
// The three language files that ship with the program: complete, line for
// line alike, and worded so that the entries joined with fixed fragments
// read as one line.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "i18n/language_table.h"
#include "base/lines.h"
#include "encoding/text_encoding.h"

namespace tc {
namespace {

const char* const kFiles[] = {"Ukrainian.txt", "Russian.txt", "English.txt"};

std::string Bytes(const std::string& name) {
    std::ifstream in(std::string(TOVRIN_LANG_SOURCE_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Key(const std::string& line) {
    return line.substr(0, line.find('='));
}

bool Blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

class ShippedLanguageFile : public ::testing::TestWithParam<const char*> {
protected:
    std::string bytes = Bytes(GetParam());
    LanguageTable table{LanguageLines(bytes)};
};

TEST_P(ShippedLanguageFile, is_utf8_with_every_line_the_window_and_the_about_text_read) {
    ASSERT_FALSE(bytes.empty()) << "missing";
    EXPECT_TRUE(IsUtf8(bytes));
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    ASSERT_GE(table.count(), 214);
    std::set<std::string> keys;
    for (int i = 0; i < table.count(); ++i) {
        const std::string& line = table.line(i);
        EXPECT_NE(line.find('='), std::string::npos) << "line " << i;
        EXPECT_FALSE(Key(line).empty()) << "line " << i;
        EXPECT_TRUE(keys.insert(Key(line)).second) << "line " << i << " repeats the key " << Key(line);
    }
}

// The code calls each line by the name of its key; a line moved, dropped or
// added out of order in a file would give every later text the wrong meaning.
TEST_P(ShippedLanguageFile, has_every_named_line_at_its_position) {
    ASSERT_EQ(table.count(), kLineCount);
    for (int i = 0; i < kLineCount; ++i)
        EXPECT_EQ(Key(table.line(i)), LineKey(static_cast<Line>(i))) << "line " << i;
}

TEST_P(ShippedLanguageFile, has_no_empty_caption_message_or_about_line) {
    ASSERT_GE(table.count(), 214);
    for (int i = 0; i <= 61; ++i) {
        if (i == 57) continue; // read by nothing
        EXPECT_FALSE(Blank(table.value(i))) << "caption line " << i;
    }
    for (int i = 99; i <= 178; ++i)
        EXPECT_FALSE(Blank(table.value(i))) << "entry " << i - 98;
    for (int i = 200; i <= 213; ++i)
        EXPECT_FALSE(Blank(table.value(i))) << "about line " << i;
}

// Where an entry runs straight into a fixed fragment of an explanation line,
// one of the two must bring the blank between the words.
TEST_P(ShippedLanguageFile, entries_joined_with_fixed_fragments_keep_a_blank_between_the_words) {
    ASSERT_GE(table.count(), 179);
    const std::pair<int, const char*> joins[] = {
        {32, "Cx-Bx=0, "}, {32, "   Cy-By=0 - "}, {33, "  y=Ay"}, {34, " А(Ax;Ay) "},
        {35, " k1=-1/k."}, {57, "N(Nx,Ny,Nz) "},  {57, " N - "},  {58, " АВС"},
        {61, " АВС"},      {64, "  2"},           {22, " BC"},    {39, "  P=BK/KC=AB/AC."}};
    for (const auto& [entry, fragment] : joins) {
        const std::string text = table.value(entry + 98);
        EXPECT_TRUE(text.back() == ' ' || fragment[0] == ' ')
            << "entry " << entry << " + \"" << fragment << "\"";
    }
    // "Якщо " + "Cx-Bx=0, " + ...: only one blank is wanted there.
    EXPECT_EQ(table.value(32 + 98).back(), ' ');
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, ShippedLanguageFile, ::testing::ValuesIn(kFiles),
                         [](const ::testing::TestParamInfo<const char*>& file) {
                             const std::string name = file.param;
                             return name.substr(0, name.find('.'));
                         });

TEST(ShippedLanguageFiles, say_the_same_thing_line_for_line) {
    const auto ukrainian = LanguageLines(Bytes("Ukrainian.txt"));
    for (const char* name : {"Russian.txt", "English.txt"}) {
        const auto other = LanguageLines(Bytes(name));
        ASSERT_EQ(other.size(), ukrainian.size()) << name;
        for (std::size_t i = 0; i < other.size(); ++i)
            EXPECT_EQ(Key(other[i]), Key(ukrainian[i])) << name << " line " << i;
    }
}

} // namespace
} // namespace tc
