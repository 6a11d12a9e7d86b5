// SPDX-License-Identifier: GPL-3.0-or-later
// Which message entry stands where in the Triangle tab's written solution.
// The other triangle tests run without a language file, where every entry is
// empty; here each language-file line reads "v<line>", so a line taken from the
// wrong entry, or an entry joined to the wrong literal, shows at once.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "context/recording_host.h"
#include "language_test_support.h"
#include "triangle_test_support.h"

namespace tc {
namespace {

using Lines = std::vector<std::string>;

// Message entry k is language-file line k + 98.
std::string Msg(int k) {
    return test::V(k + 98);
}

class TriangleMessagesTest : public ::testing::Test {
protected:
    test::ScratchDir here, dir;
    test::InDirectory cd{here.path()};
    RecordingHost host;
    std::unique_ptr<MainWindow> window;

    void start() {
        test::WriteBytes(dir.path() / "Ukrainian.txt", test::JoinLines(test::NumberedLines(214)));
        window = std::make_unique<MainWindow>(host, Settings{'.', {dir.str()}});
        window->start();
        ASSERT_TRUE(host.boxes.empty());
    }
    const Lines& memo() const { return window->widgets().get<Memo>("TM").lines; }
};

TEST_F(TriangleMessagesTest, joins_each_entry_with_its_literals_in_the_example_solution) {
    start();
    window->click("CTr_But");
    ASSERT_TRUE(host.boxes.empty());
    EXPECT_EQ(memo(), test::ExampleTriangleSolution(Msg));
}

} // namespace
} // namespace tc
