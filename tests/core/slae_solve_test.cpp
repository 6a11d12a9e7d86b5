// SPDX-License-Identifier: GPL-3.0-or-later
// Cramer's rule on the SLAE tab: the written solution, the determinant and
// unknown fields for 2, 3 and 4 equations, and how a run ends on bad input or
// a singular system.

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "slae_test_support.h"

namespace tc {
namespace {

using test::SlaeHarness;

class SlaeSolveTest : public ::testing::TestWithParam<char> {
protected:
    SlaeHarness tab{GetParam()};
    std::vector<std::string> sep(std::vector<std::string> lines) const {
        return test::WithSeparator(std::move(lines), GetParam());
    }
    std::string sep(const std::string& text) const { return test::WithSeparatorInRows(text, GetParam()); }
    // Cells typed with "." for the separator under test.
    void enter(const std::vector<std::vector<std::string>>& rows) {
        std::vector<std::vector<std::string>> typed;
        for (const auto& row : rows)
            typed.push_back(sep(row));
        tab.enter(typed);
    }
    std::vector<std::string> fields(std::initializer_list<const char*> names) {
        std::vector<std::string> out;
        for (const char* n : names)
            out.push_back(tab.field(n));
        return out;
    }
};

INSTANTIATE_TEST_SUITE_P(BothSeparators, SlaeSolveTest, ::testing::ValuesIn(test::kSeparators),
                         [](const ::testing::TestParamInfo<char>& run) {
                             return test::SeparatorName(run.param);
                         });

const char* const kNoFailure = "<no failure>";

// ---- two equations ----

// The start-up example as the harness writes it, its messages as markers.
const std::vector<std::string> kTwoEquations = {"<63>",
                                                  "",
                                                  "",
                                                  "<64>  2",
                                                  "",
                                                  "<65>",
                                                  "2x1+5x2=-1",
                                                  "3x1+7x2=-2",
                                                  "",
                                                  "<66>",
                                                  "",
                                                  "D=|2,5|",
                                                  "     |3,7|",
                                                  "",
                                                  "D=2*7-3*5=14-15=-1",
                                                  "",
                                                  "Dx1=|-1,5|",
                                                  "       |-2,7|",
                                                  "",
                                                  "Dx1=-1*7-(-2)*5=-7+10=3",
                                                  "",
                                                  "Dx2=|2,-1|",
                                                  "       |3,-2|",
                                                  "",
                                                  "Dx2=2*(-2)-3*(-1)=-4+3=-1",
                                                  "",
                                                  "x1=Dx1/D=3/(-1)=-3.0000",
                                                  "x2=Dx2/D=-1/(-1)=1.0000"};

TEST(SlaeStartUpExample, writes_the_complete_solution_with_empty_lines_for_the_unread_messages) {
    RecordingHost host;
    MainWindow window(host, Settings{'.', {}});
    window.start();
    // No language file is in reach here: start-up has reported it missing.
    host.boxes.clear();
    window.click("CRun");
    // The solution the harness shows, with an empty line for every message.
    std::vector<std::string> expected = kTwoEquations;
    for (std::string& line : expected)
        if (line.size() >= 4 && line[0] == '<' && line[3] == '>') line.erase(0, 4);
    EXPECT_EQ(window.widgets().get<Memo>("SLA").lines, expected);
    for (const auto& [name, text] :
         {std::pair{"DD", "-1"}, {"DDx1", "3"}, {"DDx2", "-1"}, {"x1", "-3"}, {"x2", "1"}})
        EXPECT_EQ(window.widgets().get<Edit>(name).text, text) << name;
    EXPECT_TRUE(host.boxes.empty());
}

TEST_P(SlaeSolveTest, two_equations_place_the_messages_and_write_every_number_in_its_form) {
    EXPECT_EQ(tab.run(), kNoFailure);
    EXPECT_EQ(tab.memo(), sep(kTwoEquations));
}

TEST_P(SlaeSolveTest, two_equations_with_a_first_coefficient_of_zero) {
    // 3x2 = 6, 2x1 - x2 = 1: x2 = 2, x1 = 1.5.
    enter({{"0", "3", "6"}, {"2", "-1", "1"}});
    EXPECT_EQ(tab.run(), kNoFailure);
    const auto& m = tab.memo();
    ASSERT_EQ(m.size(), 28u);
    EXPECT_EQ(m[6], "+3x2=6");
    EXPECT_EQ(m[7], "2x1-1x2=1");
    EXPECT_EQ(m[11], sep("D=|0,3|"));
    EXPECT_EQ(m[14], "D=0*(-1)-2*3=0-6=-6");
    EXPECT_EQ(m[19], "Dx1=6*(-1)-1*3=-6-3=-9");
    EXPECT_EQ(m[24], "Dx2=0*1-2*6=0-12=-12");
    EXPECT_EQ(m[26], sep("x1=Dx1/D=-9/(-6)=1.5000"));
    EXPECT_EQ(m[27], sep("x2=Dx2/D=-12/(-6)=2.0000"));
    EXPECT_EQ(fields({"DD", "DDx1", "DDx2", "x1", "x2"}), sep({"-6", "-9", "-12", "1.5", "2"}));
}

TEST_P(SlaeSolveTest, two_equations_show_cells_as_numbers_and_a_positive_divisor_bare) {
    // x1 - x2 = 0.5, 2.5x1 + x2 = 4: D = 3.5. Cells are written as numbers,
    // " 2.50" as 2.5, and a positive divisor stands bare.
    enter({{"1", "-1", "0.50"}, {" 2.50", "1", "4"}});
    EXPECT_EQ(tab.run(), kNoFailure);
    const auto& m = tab.memo();
    ASSERT_EQ(m.size(), 28u);
    EXPECT_EQ(m[6], sep("1x1-1x2=0.5"));
    EXPECT_EQ(m[12], sep("     |2.5,1|"));
    EXPECT_EQ(m[14], sep("D=1*1-2.5*(-1)=1+2.5=3.5"));
    EXPECT_EQ(m[19], sep("Dx1=0.5*1-4*(-1)=0.5+4=4.5"));
    EXPECT_EQ(m[24], sep("Dx2=1*4-2.5*0.5=4-1.25=2.75"));
    EXPECT_EQ(m[26], sep("x1=Dx1/D=4.5/3.5=1.2857"));
    EXPECT_EQ(m[27], sep("x2=Dx2/D=2.75/3.5=0.7857"));
    EXPECT_EQ(tab.field("x1"), sep("1.28571428571429"));
    EXPECT_EQ(tab.field("x2"), sep("0.785714285714286"));
}

// ---- three equations ----

TEST_P(SlaeSolveTest, three_equations_worked_by_hand) {
    // x1 + 2x2 + 3x3 = 14, 4x1 + 5x2 + 6x3 = 32, 7x1 + 8x2 + 10x3 = 53: (1, 2, 3).
    tab.select(1);
    enter({{"1", "2", "3", "14"}, {"4", "5", "6", "32"}, {"7", "8", "10", "53"}});
    EXPECT_EQ(tab.run(), kNoFailure);
    EXPECT_EQ(tab.memo(), sep({"<63>",
                               "",
                               "",
                               "<65>",
                               "1x1+2x2+3x3=14",
                               "4x1+5x2+6x3=32",
                               "7x1+8x2+10x3=53",
                               "",
                               "<66>",
                               "",
                               "     |1,2,3|",
                               "D=|4,5,6|",
                               "     |7,8,10|",
                               "",
                               "D=1*5*10+2*6*7+3*4*8-(3*5*7+2*4*10+1*6*8)=50+84+96-105-80-48=-3",
                               "",
                               "          |14,2,3|",
                               "Dx1=|32,5,6|",
                               "          |53,8,10|",
                               "",
                               "Dx1=14*5*10+2*6*53+3*32*8-(3*5*53+2*32*10+14*6*8)=700+636+768-795-640-672=-3",
                               "",
                               "         |1,14,3|",
                               "Dx2=|4,32,6|",
                               "         |7,53,10|",
                               "",
                               "Dx2=1*32*10+14*6*7+3*4*53-(3*32*7+14*4*10+1*6*53)=320+588+636-672-560-318=-6",
                               "",
                               "         |1,2,14|",
                               "Dx3=|4,5,32|",
                               "         |7,8,53|",
                               "",
                               "Dx3=1*5*53+2*32*7+14*4*8-(14*5*7+2*4*53+1*32*8)=265+448+448-490-424-256=-9",
                               "",
                               "x1=Dx1/D=-3/(-3)=1",
                               "x2=Dx2/D=-6/(-3)=2",
                               "x3=Dx3/D=-9/(-3)=3",
                               ""}));
    EXPECT_EQ(fields({"DD", "DDx1", "DDx2", "DDx3", "x1", "x2", "x3"}),
              sep({"-3", "-3", "-6", "-9", "1.0000", "2.0000", "3.0000"}));
}

TEST_P(SlaeSolveTest, three_equations_give_quotients_in_the_general_form_and_fields_in_the_fixed_one) {
    // 3x1 = 1, x2 + x3 = 0, zero last coefficient in row 1 and a zero x1 in row 3.
    tab.select(1);
    enter({{"3", "0", "0", "1"}, {"0", "1", "1", "0"}, {"0", "0", "1", "-2"}});
    EXPECT_EQ(tab.run(), kNoFailure);
    const auto& m = tab.memo();
    ASSERT_EQ(m.size(), 38u);
    EXPECT_EQ(m[4], "3x1=1");
    EXPECT_EQ(m[5], "+1x2+1x3=0");
    EXPECT_EQ(m[6], "+1x3=-2");
    EXPECT_EQ(m[34], sep("x1=Dx1/D=1/3=0.333333333333333"));
    EXPECT_EQ(m[35], "x2=Dx2/D=6/3=2");
    EXPECT_EQ(m[36], "x3=Dx3/D=-6/3=-2");
    EXPECT_EQ(fields({"x1", "x2", "x3"}), sep({"0.3333", "2.0000", "-2.0000"}));
}

TEST_P(SlaeSolveTest, three_equations_solve_a_tiny_determinant_in_the_general_form) {
    tab.select(1);
    enter({{"1E-20", "0", "0", "2E-20"}, {"0", "1", "0", "3"}, {"0", "0", "1", "4"}});
    EXPECT_EQ(tab.run(), kNoFailure);
    EXPECT_EQ(tab.field("DD"), "1E-20");
    EXPECT_EQ(tab.memo()[34], "x1=Dx1/D=2E-20/1E-20=2");
    EXPECT_EQ(fields({"x1", "x2", "x3"}), sep({"2.0000", "3.0000", "4.0000"}));
}

// ---- failures ----

TEST_P(SlaeSolveTest, the_first_bad_cell_column_by_column_stops_before_any_result_is_written) {
    tab.run();
    // (2,1) comes after (1,2) in reading order although it is on an earlier row.
    enter({{"2", "x", "-1"}, {"", "7", "-2"}});
    EXPECT_EQ(tab.run(), "'' is not a valid floating point value");
    EXPECT_EQ(tab.memo(), (std::vector<std::string>{"<63>", ""}));
    // The results of the system before are cleared first.
    EXPECT_EQ(fields({"DD", "DDx1", "DDx2", "x1", "x2"}), (std::vector<std::string>{"", "", "", "", ""}));
    tab.grid().setCell(1, 2, "3");
    EXPECT_EQ(tab.run(), "'x' is not a valid floating point value");
}

TEST_P(SlaeSolveTest, the_other_separator_is_a_bad_cell) {
    tab.grid().setCell(1, 1, GetParam() == '.' ? "2,5" : "2.5");
    EXPECT_NE(tab.run(), kNoFailure);
    EXPECT_EQ(tab.memo().size(), 2u);
}

TEST_P(SlaeSolveTest, after_switching_to_three_equations_the_new_cells_must_be_filled) {
    tab.select(1);
    EXPECT_EQ(tab.run(), "'' is not a valid floating point value");
    EXPECT_EQ(tab.memo(), (std::vector<std::string>{"<63>", ""}));
}

TEST_P(SlaeSolveTest, singular_two_equations_fail_after_every_determinant) {
    tab.run();
    enter({{"1", "2", "3"}, {"2", "4", "7"}});
    EXPECT_EQ(tab.run(), kDivisionByZero);
    const auto& m = tab.memo();
    ASSERT_EQ(m.size(), 26u);
    EXPECT_EQ(m[14], "D=1*4-2*2=4-4=0");
    EXPECT_EQ(m[24], "Dx2=1*7-2*3=7-6=1");
    EXPECT_EQ(m[25], "");
    EXPECT_EQ(fields({"DD", "DDx1", "DDx2", "x1", "x2"}), (std::vector<std::string>{"0", "-2", "1", "", ""}));
    // Dx1 = 0 as well: zero over zero.
    enter({{"1", "2", "3"}, {"2", "4", "6"}});
    EXPECT_EQ(tab.run(), kInvalidOperation);
}

TEST_P(SlaeSolveTest, singular_three_equations_fail_after_every_determinant) {
    tab.select(1);
    enter({{"1", "2", "0", "1"}, {"0", "1", "3", "2"}, {"0", "0", "0", "5"}});
    EXPECT_EQ(tab.run(), kDivisionByZero);
    const auto& m = tab.memo();
    ASSERT_EQ(m.size(), 34u);
    EXPECT_EQ(m[6], "0=5");
    EXPECT_EQ(m[33], "");
    // Dx1 = |1 2 0; 2 1 3; 5 0 0| = 1*1*0+2*3*5+0*2*0-(0*1*5+2*2*0+1*3*0) = 30.
    EXPECT_EQ(fields({"DD", "DDx1", "x1", "x2", "x3"}), (std::vector<std::string>{"0", "30", "", "", ""}));
}

TEST(SlaeFailure, shows_the_error_box_with_its_full_stop) {
    RecordingHost host;
    MainWindow window(host, Settings{'.', {}});
    window.start();
    // No language file is in reach here: start-up has reported it missing.
    host.boxes.clear();
    window.setCell("SLAE", 2, 1, "abc");
    window.click("CRun");
    window.setCell("SLAE", 2, 1, "2");
    window.setCell("SLAE", 2, 2, "3");
    window.click("CRun");
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "'abc' is not a valid floating point value.");
    EXPECT_EQ(host.boxes[1].text, "Floating point division by zero.");
}

} // namespace
} // namespace tc
