// SPDX-License-Identifier: GPL-3.0-or-later
// No save writes over a language file the program reads, whatever name leads
// to it (its own, a symbolic link, a hard link) and whatever is saved (a text,
// a page, a document); a file that only looks like one is the user's own.

#include <gtest/gtest.h>

#if defined(__unix__)
#include <utility>

#include "app/main_window.h"
#include "context/recording_host.h"
#include "io/language_guard.h"
#include "io/save_text.h"
#include "base/failure.h"
#include "save_test_support.h"

namespace tc {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::WorkFolder;
using test::WriteBytes;

const char kRefused[] = "This is a language file of the program: it is not replaced. Choose another name.";
const char kLanguageText[] = "a language file\r\n";

// A host that lays out a document as the window would (here: a stand-in).
class DocumentHost : public RecordingHost {
public:
    std::string renderPdf(const std::string&, const std::string&) override { return "%PDF-1.4 page"; }
};

// The working folder holds Russian.txt; the program's folder "bin" holds all
// three files; "other" holds an English.txt the program never reads.
class LanguageFolders {
public:
    LanguageFolders() {
        fs::create_directory("bin");
        fs::create_directory("other");
        for (const char* name : {"bin/English.txt", "bin/Ukrainian.txt", "bin/Russian.txt", "Russian.txt",
                                 "other/English.txt"})
            WriteBytes(name, kLanguageText);
    }
    // Every file the program reads still holds its text, and no new one came.
    void expectUntouched() const {
        for (const char* name : {"bin/English.txt", "bin/Ukrainian.txt", "bin/Russian.txt", "Russian.txt"})
            EXPECT_EQ(ReadBytes(name), kLanguageText) << name;
        EXPECT_FALSE(fs::exists("English.txt"));
        EXPECT_FALSE(fs::exists("Ukrainian.txt"));
    }
    std::vector<std::string> dirs() const { return {(fs::current_path() / "bin").string()}; }

private:
    WorkFolder folder_;
};

enum class Link { Symbolic, Hard, Copy };

// How the name a save is given reaches a file.
struct Reach {
    const char* name;
    Link link;
    const char* to; // the file the name is made to reach
    bool refused;
};

void PrintTo(const Reach& r, std::ostream* os) {
    *os << r.name;
}

void MakeName(const fs::path& name, const Reach& r) {
    switch (r.link) {
    case Link::Symbolic: fs::create_symlink(fs::absolute(r.to), name); break;
    case Link::Hard: fs::create_hard_link(r.to, name); break;
    case Link::Copy: fs::copy_file(r.to, name); break;
    }
}

const Reach kReaches[] = {
    {"symlink_to_the_working_folders_file", Link::Symbolic, "Russian.txt", true},
    {"symlink_to_the_programs_file", Link::Symbolic, "bin/Ukrainian.txt", true},
    {"symlink_to_a_file_not_there_yet", Link::Symbolic, "English.txt", true},
    {"symlink_to_a_symlink_to_the_programs_file", Link::Symbolic, "chain.txt", true},
    {"hard_link_to_the_programs_file", Link::Hard, "bin/English.txt", true},
    {"hard_link_to_the_working_folders_file", Link::Hard, "Russian.txt", true},
    {"copy_of_the_programs_file", Link::Copy, "bin/English.txt", false},
    {"symlink_to_a_file_of_that_name_elsewhere", Link::Symbolic, "other/English.txt", false},
    {"hard_link_to_a_file_of_that_name_elsewhere", Link::Hard, "other/English.txt", false},
};

// Each way a solution is saved: the file name's ending chooses it.
const char* const kEndings[] = {".txt", ".html", ".pdf"};

class SaveGuardTest : public ::testing::TestWithParam<std::tuple<Reach, const char*>> {};

TEST_P(SaveGuardTest, a_language_file_is_refused_by_every_name_and_every_kind_of_save) {
    const auto& [reach, ending] = GetParam();
    LanguageFolders folders;
    fs::create_symlink(fs::absolute("bin/English.txt"), "chain.txt");
    const std::string name = std::string("notes") + ending;
    MakeName(name, reach);
    const std::string before = fs::exists(name) ? ReadBytes(name) : std::string("(none)");

    EXPECT_EQ(ReplacesLanguageFile(name, folders.dirs()), reach.refused);

    DocumentHost host;
    MainWindow window(host, Settings{'.', folders.dirs()});
    window.start();
    host.boxes.clear();
    window.setMemo("Vec_M", {"the solution"});
    host.saveAnswers.push_back(name);
    window.click("CV_Save");

    if (reach.refused) {
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].kind, Box::Kind::Error);
        EXPECT_EQ(host.boxes[0].text, kRefused);
        EXPECT_EQ(fs::exists(name) ? ReadBytes(name) : std::string("(none)"), before);
    } else {
        // The user's own file: only the replace question comes first.
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].kind, Box::Kind::Question);
        EXPECT_NE(ReadBytes(name), before);
        // Through a link the solution reaches the file it names.
        if (reach.link != Link::Copy) {
            EXPECT_EQ(ReadBytes(reach.to), ReadBytes(name));
        }
    }
    folders.expectUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Names, SaveGuardTest, ::testing::Combine(::testing::ValuesIn(kReaches), ::testing::ValuesIn(kEndings)),
    [](const auto& run) {
        return std::string(std::get<0>(run.param).name) + "_" + (std::get<1>(run.param) + 1);
    });

// A text is saved under the name the program reads it by, also in another
// letter case, in each folder it reads; elsewhere the name is the user's own.
TEST(SaveGuard, the_language_names_in_the_programs_folders_are_refused_also_when_not_there_yet) {
    LanguageFolders folders;
    const std::pair<const char*, bool> names[] = {
        {"English.txt", true},     {"Russian.txt", true},      {"russian.TXT", true}, {"bin/english.txt", true},
        {"bin/../Ukrainian.txt", true}, {"other/English.txt", false}, {"English.txt.txt", false},
    };
    for (const auto& [name, refused] : names) {
        EXPECT_EQ(ReplacesLanguageFile(name, folders.dirs()), refused) << name;
        const std::vector<std::string> lines{"the solution"};
        if (refused)
            EXPECT_THROW(SaveLines(name, lines, folders.dirs()), Failure) << name;
        else
            EXPECT_NO_THROW(SaveLines(name, lines, folders.dirs())) << name;
    }
    folders.expectUntouched();
    EXPECT_EQ(ReadBytes("other/English.txt"), "the solution\r\n");
}

} // namespace
} // namespace tc
#endif
