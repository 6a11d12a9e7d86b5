// SPDX-License-Identifier: GPL-3.0-or-later
// Four equations: the determinants come from the order-4 expansion, the fields
// show them with 4 decimals, and the unknowns divide the full values.

#include <gtest/gtest.h>

#include "slae_test_support.h"

namespace tc {
namespace {

using test::SlaeHarness;

class SlaeFourEquationsTest : public ::testing::TestWithParam<char> {
protected:
    SlaeFourEquationsTest() { tab.select(2); }

    std::string sep(const std::string& text) const { return test::WithSeparator(text, GetParam()); }
    std::vector<std::string> sep(std::vector<std::string> lines) const {
        return test::WithSeparator(std::move(lines), GetParam());
    }
    void enter(const std::vector<std::vector<std::string>>& rows) {
        std::vector<std::vector<std::string>> typed;
        for (const auto& row : rows)
            typed.push_back(sep(row));
        tab.enter(typed);
    }
    std::vector<std::string> lines(std::size_t from, std::size_t count) {
        const auto& m = tab.memo();
        if (from + count > m.size()) return {"<memo too short>"};
        return {m.begin() + static_cast<long>(from), m.begin() + static_cast<long>(from + count)};
    }
    std::vector<std::string> fields(std::initializer_list<const char*> names) {
        std::vector<std::string> out;
        for (const char* n : names)
            out.push_back(tab.field(n));
        return out;
    }

    SlaeHarness tab{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(BothSeparators, SlaeFourEquationsTest, ::testing::ValuesIn(test::kSeparators),
                         [](const ::testing::TestParamInfo<char>& run) {
                             return test::SeparatorName(run.param);
                         });

// x1 + 2x2 = 5, x2 + 3x3 = -1, x3 + 4x4 = 1, 5x1 + x4 = 5.5: (1, 2, -1, 0.5), D = -119.
const std::vector<std::vector<std::string>> kByHand = {{"1", "2", "0", "0", "5"},
                                                       {"0", "1", "3", "0", "-1"},
                                                       {"0", "0", "1", "4", "1"},
                                                       {"5", "0", "0", "1", "5.5"}};

TEST_P(SlaeFourEquationsTest, system_worked_by_hand) {
    enter(kByHand);
    EXPECT_EQ(tab.run(), "<no failure>");
    ASSERT_EQ(tab.memo().size(), 60u);
    EXPECT_EQ(lines(0, 11), sep({"<63>", "", "", "<65>", "1x1+2x2=5", "+1x2+3x3=-1", "+1x3+4x4=1",
                                 "5x1+1x4=5.5", "", "<66>", ""}));
    // D = 1*|1 3 0; 0 1 4; 0 0 1| - 2*|0 3 0; 0 1 4; 5 0 1| = 1 - 2*60; the terms of
    // a13 = a14 = 0 are left out.
    EXPECT_EQ(lines(11, 9), sep({"     |1,2,0,0|", "D=|0,1,3,0|", "     |0,0,1,4|", "     |5,0,0,1|", "",
                                 "D=1*(1*1*1+3*4*0+0*0*0-(0*1*0+3*0*1+1*4*0))"
                                 "-2*(0*1*1+3*4*5+0*0*0-(0*1*5+3*0*1+0*4*0))=",
                                 "1*(1+0+0+0+0+0)-2*(0+60+0+0+0+0)=", "1*1-2*60=1-120=-119", ""}));
    // Dx1 = 5*1 - 2*|-1 3 0; 1 1 4; 5.5 0 1| = 5 - 2*62.
    EXPECT_EQ(lines(20, 9),
              sep({"         |5,2,0,0|", "Dx1=|-1,1,3,0|", "         |1,0,1,4|", "         |5.5,0,0,1|", "",
                   "Dx1=5*(1*1*1+3*4*0+0*0*0-(0*1*0+3*0*1+1*4*0))"
                   "-2*(-1*1*1+3*4*5.5+0*1*0-(0*1*5.5+3*1*1+(-1)*4*0))=",
                   "5*(1+0+0+0+0+0)-2*(-1+66+0+0-3+0)=", "5*1-2*62=5-124=-119", ""}));
    EXPECT_EQ(lines(29, 2), sep(std::vector<std::string>{"         |1,5,0,0|", "Dx2=|0,-1,3,0|"}));
    EXPECT_EQ(lines(38, 2), sep(std::vector<std::string>{"         |1,2,5,0|", "Dx3=|0,1,-1,0|"}));
    EXPECT_EQ(lines(47, 2), sep(std::vector<std::string>{"         |1,2,0,5|", "Dx4=|0,1,3,-1|"}));
    EXPECT_EQ(lines(56, 4),
              sep({"x1=Dx1/D=-119.0000/(-119.0000)=1.0000", "x2=Dx2/D=-238.0000/(-119.0000)=2.0000",
                   "x3=Dx3/D=119.0000/(-119.0000)=-1.0000", "x4=Dx4/D=-59.5000/(-119.0000)=0.5000"}));
    EXPECT_EQ(fields({"DD", "DDx1", "DDx2", "DDx3", "DDx4", "x1", "x2", "x3", "x4"}),
              sep({"-119.0000", "-119.0000", "-238.0000", "119.0000", "-59.5000", "1.0000", "2.0000",
                   "-1.0000", "0.5000"}));
}

TEST_P(SlaeFourEquationsTest, positive_determinant_stands_bare_in_the_quotients) {
    // The identity with b = (1, 2, 3, 4).
    enter({{"1", "0", "0", "0", "1"},
           {"0", "1", "0", "0", "2"},
           {"0", "0", "1", "0", "3"},
           {"0", "0", "0", "1", "4"}});
    EXPECT_EQ(tab.run(), "<no failure>");
    EXPECT_EQ(lines(56, 4), sep({"x1=Dx1/D=1.0000/1.0000=1.0000", "x2=Dx2/D=2.0000/1.0000=2.0000",
                                 "x3=Dx3/D=3.0000/1.0000=3.0000", "x4=Dx4/D=4.0000/1.0000=4.0000"}));
}

TEST_P(SlaeFourEquationsTest, tiny_determinant_is_solved_to_every_shown_decimal) {
    // D = 1.000001 - 1 = 1E-6 by cancellation; the solution is (1, 2, 3, 4).
    enter({{"1", "1", "0", "0", "3"},
           {"1", "1.000001", "0", "0", "3.000002"},
           {"0", "0", "1", "0", "3"},
           {"0", "0", "0", "1", "4"}});
    EXPECT_EQ(tab.run(), "<no failure>");
    // The terms keep their computed values; D itself is the exact 1E-6, not the
    // 1.00000000000002E-6 the expansion cancels to.
    EXPECT_EQ(tab.memo()[18], sep("1*1.000001-1*1=1.000001-1=1E-6"));
    EXPECT_EQ(fields({"DD", "DDx1", "x1", "x2", "x3", "x4"}),
              sep({"0.0000", "0.0000", "1.0000", "2.0000", "3.0000", "4.0000"}));
    EXPECT_EQ(lines(56, 4), sep({"x1=Dx1/D=0.0000/0.0000=1.0000", "x2=Dx2/D=0.0000/0.0000=2.0000",
                                 "x3=Dx3/D=0.0000/0.0000=3.0000", "x4=Dx4/D=0.0000/0.0000=4.0000"}));
}

TEST_P(SlaeFourEquationsTest, unknowns_divide_the_full_determinant_not_its_four_decimals) {
    // D = 0.12345 is shown 0.1235 (half up); x1 = 1 / 0.12345 = 8.10044..., whereas
    // 1 / 0.1235 would be 8.0972.
    enter({{"0.12345", "0", "0", "0", "1"},
           {"0", "1", "0", "0", "0"},
           {"0", "0", "1", "0", "0"},
           {"0", "0", "0", "1", "0"}});
    EXPECT_EQ(tab.run(), "<no failure>");
    EXPECT_EQ(tab.field("DD"), sep("0.1235"));
    EXPECT_EQ(tab.field("x1"), sep("8.1004"));
    EXPECT_EQ(tab.memo()[56], sep("x1=Dx1/D=1.0000/0.1235=8.1004"));
}

TEST_P(SlaeFourEquationsTest, negative_determinant_shown_as_zero_is_still_written_in_parentheses) {
    // D = -0.00001 rounds to "0.0000"; its sign still puts the divisor in parentheses.
    enter({{"-0.00001", "0", "0", "0", "0.00002"},
           {"0", "1", "0", "0", "0"},
           {"0", "0", "1", "0", "0"},
           {"0", "0", "0", "1", "0"}});
    EXPECT_EQ(tab.run(), "<no failure>");
    EXPECT_EQ(tab.field("x1"), sep("-2.0000"));
    EXPECT_EQ(tab.memo()[56], sep("x1=Dx1/D=0.0000/(0.0000)=-2.0000"));
}

TEST_P(SlaeFourEquationsTest, singular_system_fails_after_the_d_and_dx1_blocks_clearing_older_fields) {
    enter(kByHand);
    tab.run();
    // Row 4 repeats row 1 with another right-hand side: D = 0, Dx1 = -24.
    enter({{"1", "2", "0", "0", "5"},
           {"0", "1", "3", "0", "-1"},
           {"0", "0", "1", "4", "1"},
           {"1", "2", "0", "0", "6"}});
    EXPECT_EQ(tab.run(), kDivisionByZero);
    // The division comes before the empty line that would close the Dx1 block.
    ASSERT_EQ(tab.memo().size(), 28u);
    EXPECT_EQ(tab.memo()[18], "1*24-2*12=24-24=0");
    EXPECT_EQ(tab.memo()[27], "5*24-2*72=120-144=-24");
    EXPECT_EQ(fields({"DD", "DDx1", "DDx2", "DDx3", "DDx4", "x1", "x2", "x3", "x4"}),
              sep({"0.0000", "-24.0000", "", "", "", "", "", "", ""}));
    // With the same right-hand side Dx1 is 0 too.
    tab.grid().setCell(5, 4, "5");
    EXPECT_EQ(tab.run(), kInvalidOperation);
}

} // namespace
} // namespace tc
