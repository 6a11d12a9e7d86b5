// SPDX-License-Identifier: GPL-3.0-or-later
// The Triangle tab driven through the main window: the start-up triangle in
// full, the special lines of vertical and horizontal sides, negative
// coordinates, both decimal separators and the failures. No language file is
// read here, so every message entry gives an empty line.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "triangle_test_support.h"
#include "window_test_support.h"

namespace tc {
namespace {

using Lines = std::vector<std::string>;

class TriangleTabTest : public ::testing::Test, public test::StartedWindow {
protected:
    explicit TriangleTabTest(char decimal = '.') : StartedWindow(decimal) {}

    void compute(const std::array<const char*, 6>& vertices) {
        const char* names[] = {"ax", "ay", "bx", "by", "cx", "cy"};
        for (int i = 0; i < 6; ++i)
            window.setText(names[i], vertices[static_cast<size_t>(i)]);
        window.click("CTr_But");
    }
    const Lines& memo() const { return memoOf("TM"); }
    const Grid& rez() const { return grid("REZ5"); }
    Lines row(int r) const {
        Lines cells;
        for (int c = 0; c < 7; ++c)
            cells.push_back(rez().cell(c, r));
        return cells;
    }
    // The memo lines from the first one equal to `first`, `count` of them.
    Lines linesFrom(const std::string& first, size_t count) const {
        for (size_t i = 0; i < memo().size(); ++i)
            if (memo()[i] == first)
                return Lines(memo().begin() + static_cast<long>(i),
                             memo().begin() + static_cast<long>(std::min(i + count, memo().size())));
        return {"no line " + first};
    }
};

class TriangleTabCommaTest : public TriangleTabTest {
protected:
    TriangleTabCommaTest() : TriangleTabTest(',') {}
};

const char* const kFields[] = {"abx",  "aby",  "bcx",  "bcy", "acx", "acy", "AB",   "BC",  "AC", "AB_l",
                               "BC_l", "AC_l", "aMed", "Med", "Ha1", "H1",  "aBis", "Bis", "Ix", "Iy"};

TEST_F(TriangleTabTest, starts_with_the_example_triangle_and_an_empty_result_grid) {
    const char* names[] = {"ax", "ay", "bx", "by", "cx", "cy"};
    const char* texts[] = {"1", "1", "2", "1", "1", "2"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(field(names[i]), texts[i]) << names[i];
    for (const char* name : kFields)
        EXPECT_EQ(field(name), "") << name;
    EXPECT_EQ(row(0), Lines(7, ""));
    EXPECT_EQ(row(1), Lines(7, ""));
    // FormShow's heading lands below the grid's two rows.
    EXPECT_EQ(rez().cols, 7);
    EXPECT_EQ(rez().rows, 2);
    EXPECT_EQ(rez().cell(0, 2), "cos(alpha)");
    EXPECT_TRUE(window.widgets().get("CTr_But").enabled);
    EXPECT_TRUE(memo().empty());
}

TEST_F(TriangleTabTest, solves_the_example_triangle_in_full) {
    window.click("CTr_But");
    EXPECT_TRUE(host.boxes.empty());
    // clang-format off
    const std::pair<const char*, const char*> expected[] = {
        {"abx", "1"}, {"aby", "0"}, {"bcx", "-1"}, {"bcy", "1"}, {"acx", "0"}, {"acy", "1"},
        {"AB", "1"}, {"BC", "1.4142135623731"}, {"AC", "1"},
        {"AB_l", "y=1"}, {"BC_l", "y+1.0000x-3.0000=0"}, {"AC_l", "x=1"},
        {"aMed", "0.7071"}, {"Med", "y-1.0000x=0"}, {"Ha1", "0.7071"}, {"H1", "y-1.0000x=0"},
        {"aBis", "0.7071"}, {"Bis", "y-1.0000x=0"}, {"Ix", "1.3333"}, {"Iy", "1.3333"}};
    // clang-format on
    for (const auto& [name, text] : expected)
        EXPECT_EQ(field(name), text) << name;
    EXPECT_EQ(row(0), (Lines{"Кути", "cos(alpha)", "cos(beta)", "cos(hamma)", "alpha", "beta", "hamma"}));
    EXPECT_EQ(row(1), (Lines{"cos/180", "0.00000", "0.70711", "0.70711", "90.0000", "45.0000", "45.0000"}));

    // Without a language file every message entry is an empty line.
    const Lines lines = test::ExampleTriangleSolution([](int) { return std::string(); });
    EXPECT_EQ(memo(), lines);

    // A second run starts from a cleared memo.
    window.click("CTr_But");
    EXPECT_EQ(memo(), lines);
}

TEST_F(TriangleTabTest, echoes_the_vertices_exactly_as_typed) {
    compute({" 1.50", "+1", "2e0", "1", "1", "2 "});
    EXPECT_EQ(memo()[3], "A( 1.50;+1),    B(2e0;1),    C(1;2 ).");
    EXPECT_EQ(field("abx"), "0.5");
}

TEST_F(TriangleTabTest, writes_negative_second_terms_without_a_plus) {
    compute({"1", "4", "2", "1", "-3", "-2"});
    EXPECT_EQ(linesFrom("Mx=(2-3)/2=-0.5      My=(1-2)/2=-0.5", 1).size(), 1u);
    EXPECT_EQ(linesFrom("     Kx=(2-3*0.4385)/(1+0.4385)=0.4758", 2),
              (Lines{"     Kx=(2-3*0.4385)/(1+0.4385)=0.4758", "     Ky=(1-2*0.4385)/(1+0.4385)=0.0855"}));
    EXPECT_EQ(linesFrom("      Ix=(1+2-3)/3=0.0000", 2),
              (Lines{"      Ix=(1+2-3)/3=0.0000", "      Iy=(4+1-2)/3=1.0000"}));
    // BC = (-5; -3): the divisor of k in parentheses, the positive k bare.
    EXPECT_EQ(linesFrom("              k=-3/(-5)=0.6000", 1).size(), 1u);
    EXPECT_EQ(linesFrom("              k1=-1/0.6000=-1.6667", 2),
              (Lines{"              k1=-1/0.6000=-1.6667", "              y-4=-1.6667(x-1)"}));
    const char* names[] = {"AB_l", "BC_l", "AC_l", "aMed", "Med", "Ha1", "H1", "aBis", "Bis"};
    const char* texts[] = {"y+3.0000x-7.0000=0", "y-0.6000x+0.2000=0",
                           "y-1.5000x-2.5000=0", "4.7434",
                           "y-3.0000x-1.0000=0", "3.0870",
                           "y+1.6667x-5.6667=0", "3.9495",
                           "y-7.4673x+3.4673=0"};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(field(names[i]), texts[i]) << names[i];
    EXPECT_EQ(row(1), (Lines{"cos/180", "0.61394", "-0.21693", "0.90374", "52.1250", "102.5288", "25.3462"}));
}

TEST_F(TriangleTabTest, adds_the_size_of_a_negative_vertex_coordinate_where_it_is_subtracted) {
    compute({"-1", "-2", "2", "1", "1", "3"});
    EXPECT_EQ(linesFrom("              y+2=0.5000(x+1)", 2),
              (Lines{"              y+2=0.5000(x+1)", "        y-0.5000x+1.5000=0"}));
    EXPECT_EQ(
        linesFrom("     |AK|=((1.5593+1)^2+(1.8813+2)^2)^(1/2)=(6.5502+15.0647)^(1/2)=4.6492", 1).size(), 1u);
    EXPECT_EQ(field("Med"), "y-1.6000x+0.4000=0");
    EXPECT_EQ(field("Ha1"), "4.0249");
    EXPECT_EQ(field("Bis"), "y-1.5165x+0.4835=0");
}

TEST_F(TriangleTabTest, draws_the_height_to_a_vertical_or_horizontal_side_without_a_slope) {
    const std::string lastHeading = "   Cy-By=0 -   x=Ax";
    // BC vertical: a horizontal height, its length in the general form.
    compute({"0.5", "2", "3", "1", "3", "5"});
    EXPECT_EQ(linesFrom(lastHeading, 4), (Lines{lastHeading, "", "y=2", ""}));
    EXPECT_EQ(field("H1"), "y=2");
    EXPECT_EQ(field("Ha1"), "2.5");
    for (const std::string& l : memo())
        EXPECT_NE(l.rfind("              k", 0), 0u) << l;

    // BC horizontal: a vertical height.
    compute({"1", "4", "0", "1", "5", "1"});
    EXPECT_EQ(linesFrom(lastHeading, 4), (Lines{lastHeading, "", "x=1", ""}));
    EXPECT_EQ(field("H1"), "x=1");
    EXPECT_EQ(field("Ha1"), "3");
    EXPECT_EQ(field("BC_l"), "y=1");
}

TEST_F(TriangleTabTest, keeps_the_sign_of_a_height_slope_that_rounds_to_zero) {
    // BC = (-0.00001; 1): y + q*x = 0 with q = -0.00001, which shows as
    // 0.0000; its "-" stays, so the equation never reads "y0.0000x".
    compute({"0", "0", "1", "0", "0.99999", "1"});
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(field("H1"), "y-0.0000x=0");
}

TEST_F(TriangleTabTest, writes_axis_lines_for_a_vertical_median_and_a_horizontal_bisector) {
    // M = (1; 3) lies straight above A; the bisector of the right angle at A
    // between AB = (2; 2) and AC = (-2; 2) is vertical too.
    compute({"1", "1", "3", "3", "-1", "3"});
    EXPECT_EQ(field("Med"), "x=1");
    EXPECT_EQ(field("Bis"), "x=1");
    // M = (3; 1) level with A: the median and bisector are horizontal.
    compute({"1", "1", "3", "3", "3", "-1"});
    EXPECT_EQ(field("Med"), "y=1");
    EXPECT_EQ(field("Bis"), "y=1");
    EXPECT_EQ(linesFrom("           y=1", 2), (Lines{"           y=1", ""}));
}

TEST_F(TriangleTabTest, stops_at_the_first_bad_vertex_after_echoing_the_vertices) {
    compute({"1", "1,5", "2", "1", "x", "2"});
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"'1,5' is not a valid floating point value."}));
    EXPECT_EQ(memo(), (Lines{"", "", "", "A(1;1,5),    B(2;1),    C(x;2)."}));
    for (const char* name : kFields)
        EXPECT_EQ(field(name), "") << name;
    EXPECT_EQ(row(1), Lines(7, ""));

    host.boxes.clear();
    compute({"1", "1", "2", "1", "1", ""});
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"'' is not a valid floating point value."}));
}

TEST_F(TriangleTabTest, equal_vertices_stop_in_the_angles_with_the_sides_complete) {
    window.click("CTr_But");
    const Lines startUpRow = row(1);

    compute({"2", "1", "2", "1", "1", "2"}); // A = B
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"Invalid floating point operation."}));
    EXPECT_EQ(memo().size(), 30u);
    EXPECT_EQ(memo().back(), "");
    EXPECT_EQ(memo()[memo().size() - 2], "          phi=arccos(cos(phi))/Pi*180");
    EXPECT_EQ(field("abx"), "0");
    EXPECT_EQ(field("AB"), "0");
    EXPECT_EQ(field("AB_l"), "y=1");
    EXPECT_EQ(field("AC"), "1.4142135623731");
    // What the failed run did not reach is empty: no result of the previous
    // triangle stays beside the new one.
    EXPECT_NE(startUpRow, row(1));
    EXPECT_EQ(row(1), (Lines{"cos/180", "", "", "", "", "", ""}));
    for (const char* name : {"Med", "aMed", "H1", "Ha1", "Bis", "aBis", "Ix", "Iy"})
        EXPECT_EQ(field(name), "") << name;

    host.boxes.clear();
    compute({"1", "1", "1", "2", "1", "2"}); // B = C: the first angle is still written
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"Invalid floating point operation."}));
    EXPECT_EQ(memo()[memo().size() - 4], "AB*AC=0*0+1*1=0+1=1");
    EXPECT_EQ(memo().back(), "");
}

TEST_F(TriangleTabTest, collinear_vertices_fail_only_where_rounding_passes_one) {
    // The cosine of AB and AC comes out a little above 1: the first angle
    // text fails as a whole, so the memo ends with the angle headings.
    compute({"0", "0", "1", "1", "2", "2"});
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"Invalid floating point operation."}));
    EXPECT_EQ(memo().size(), 31u);
    EXPECT_EQ(memo()[memo().size() - 2], "          phi=arccos(cos(phi))/Pi*180");

    host.boxes.clear();
    compute({"0", "0", "1", "2", "3", "6"});
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(row(1), (Lines{"cos/180", "1.00000", "-1.00000", "1.00000", "0.0000", "180.0000", "0.0000"}));
}

TEST_F(TriangleTabCommaTest, reads_and_writes_numbers_with_a_comma) {
    window.click("CTr_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(field("BC"), "1,4142135623731");
    EXPECT_EQ(field("BC_l"), "y+1,0000x-3,0000=0");
    EXPECT_EQ(field("aMed"), "0,7071");
    EXPECT_EQ(field("Ix"), "1,3333");
    EXPECT_EQ(row(1), (Lines{"cos/180", "0,00000", "0,70711", "0,70711", "90,0000", "45,0000", "45,0000"}));
    // "3,14" is text and stays as it is.
    EXPECT_EQ(linesFrom("<(BA^BC)=arccos(0,7071)/Pi*180=45,0000", 1).size(), 1u);
    EXPECT_EQ(linesFrom("Mx=(2+1)/2=1,5      My=(1+2)/2=1,5", 1).size(), 1u);
    EXPECT_EQ(linesFrom("     |AK|=((1,5000-1)^2+(1,5000-1)^2)^(1/2)=(0,2500+0,2500)^(1/2)=0,7071", 1).size(),
              1u);

    compute({"0,5", "2", "3", "1", "3", "5"});
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(field("Ha1"), "2,5");

    compute({"0.5", "2", "3", "1", "3", "5"});
    EXPECT_EQ(boxTexts(), (std::vector<std::string>{"'0.5' is not a valid floating point value."}));
}

} // namespace
} // namespace tc
