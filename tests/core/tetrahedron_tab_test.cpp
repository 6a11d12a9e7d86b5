// SPDX-License-Identifier: GPL-3.0-or-later
// The Tetraedr tab driven as the user drives it: start-up state, the example
// computation, failures and the decimal separators.

#include <gtest/gtest.h>

#include <algorithm>

#include "window_test_support.h"

namespace tc {
namespace {

class TetrahedronTabTest : public ::testing::Test, public test::StartedWindow {
protected:
    explicit TetrahedronTabTest(char decimal = '.') : StartedWindow(decimal) {}

    const std::vector<std::string>& memo() { return memoOf("Tet_M"); }
    const std::string& vol() { return field("Vol"); }
    // Column c of a grid from row `from` on, as a list.
    std::vector<std::string> column(const char* name, int c, int from, int to) {
        std::vector<std::string> cells;
        for (int r = from; r <= to; ++r)
            cells.push_back(grid(name).cell(c, r));
        return cells;
    }
    std::vector<std::string> row(const char* name, int r) {
        std::vector<std::string> cells;
        for (int c = 1; c < grid(name).cols; ++c)
            cells.push_back(grid(name).cell(c, r));
        return cells;
    }
    void setVertex(int col, const char* x, const char* y, const char* z) {
        window.setCell("Piram", col, 1, x);
        window.setCell("Piram", col, 2, y);
        window.setCell("Piram", col, 3, z);
    }
    bool memoHas(const std::string& line) {
        return std::find(memo().begin(), memo().end(), line) != memo().end();
    }
};

using Cells = std::vector<std::string>;

TEST_F(TetrahedronTabTest, starts_with_the_column_widths_an_editable_vertex_grid_and_one_empty_line) {
    const std::pair<const char*, std::vector<int>> widths[] = {
        {"PLine", {30, 55, 55, 55, 70, 175}},
        {"ABC", {40, 145, 59}},
        {"TVec_H", {40, 226, 55}},
        {"Phi", {52, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58, 58}},
        {"THam", std::vector<int>(13, 70)}};
    for (const auto& [name, expected] : widths) {
        std::vector<int> actual;
        for (int c = 0; c < grid(name).cols; ++c)
            actual.push_back(grid(name).colWidth(c));
        EXPECT_EQ(actual, expected) << name;
    }
    EXPECT_EQ(grid("TVec_H").defaultRowHeight, 23);
    EXPECT_TRUE(grid("Piram").editable);
    EXPECT_EQ(memo(), (Cells{""}));
    EXPECT_EQ(vol(), "");
    EXPECT_TRUE(window.widgets().get("CP_But").enabled);
}

TEST_F(TetrahedronTabTest, each_click_starts_the_explanation_afresh) {
    window.click("CP_But");
    const Cells first = memo();
    window.click("CP_But");
    EXPECT_EQ(memo(), first);
}

TEST_F(TetrahedronTabTest, echoes_the_cells_as_typed_and_computes_from_their_values) {
    setVertex(1, " 7", "-2.0", "-3e0");
    window.click("CP_But");
    EXPECT_EQ(memo()[3], "   A( 7;-2.0;-3e0)");
    EXPECT_EQ(vol(), "60");
}

TEST_F(TetrahedronTabTest, a_cell_that_is_no_number_stops_before_any_grid_is_written) {
    window.click("CP_But");
    // A new A changes every result; the last coordinate read is the bad one.
    setVertex(1, "1", "1", "1");
    setVertex(4, "3", "2", "x");
    window.click("CP_But");
    EXPECT_EQ(errors(), (Cells{"'x' is not a valid floating point value."}));
    // With no language file the three heading lines are entry 44, a blank and entry 2.
    EXPECT_EQ(memo(), (Cells{"", "", ""}));
    // No result of the previous tetrahedron stays beside the new data; the
    // headings do.
    EXPECT_EQ(row("PLine", 1), Cells(5, ""));
    EXPECT_EQ(column("ABC", 1, 0, 3), Cells(4, ""));
    EXPECT_EQ(row("Phi", 1), Cells(12, ""));
    EXPECT_EQ(row("THam", 2), Cells(12, ""));
    EXPECT_EQ(column("TVec_H", 1, 0, 3), Cells(4, ""));
    EXPECT_EQ(grid("PLine").cell(0, 1), "AB");
    EXPECT_EQ(grid("Phi").cell(0, 1), "cos(phi)");
    EXPECT_EQ(vol(), "");

    setVertex(4, "3", "2", "");
    window.click("CP_But");
    EXPECT_EQ(errors().back(), "'' is not a valid floating point value.");
}

TEST_F(TetrahedronTabTest, coincident_vertices_stop_at_the_first_angle_leaving_the_edges_and_faces) {
    setVertex(2, "7", "-2", "-3"); // B = A
    window.click("CP_But");
    EXPECT_EQ(errors(), (Cells{"Invalid floating point operation."}));
    EXPECT_EQ(row("PLine", 1), (Cells{"0", "0", "0", "0.0000", "(x-7)/0=(y+2)/0=(z+3)/0"}));
    EXPECT_EQ(grid("ABC").cell(1, 0), "=0");
    EXPECT_EQ(grid("ABC").cell(2, 0), "0.0000");
    EXPECT_EQ(memo().back(), "               ABC");
    EXPECT_EQ(row("Phi", 1), Cells(12, ""));
    EXPECT_EQ(vol(), "");
}

TEST_F(TetrahedronTabTest, collinear_vertices_stop_in_the_angle_stage) {
    setVertex(1, "0", "0", "0");
    setVertex(2, "1", "1", "1");
    setVertex(3, "2", "2", "2");
    setVertex(4, "0", "0", "1");
    window.click("CP_But");
    EXPECT_EQ(errors(), (Cells{"Invalid floating point operation."}));
    EXPECT_TRUE(memoHas("    ABC:  =0"));
    EXPECT_TRUE(memoHas("               ABC"));
    EXPECT_FALSE(memoHas("       H(D):   x/0=y/0=z/0"));
    EXPECT_EQ(column("TVec_H", 1, 0, 3), Cells(4, ""));
    EXPECT_EQ(vol(), "");
}

TEST_F(TetrahedronTabTest, coplanar_vertices_give_a_zero_volume) {
    setVertex(1, "0", "0", "0");
    setVertex(2, "1", "0", "0");
    setVertex(3, "0", "1", "0");
    setVertex(4, "1", "1", "0");
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(vol(), "0");
    EXPECT_EQ(memo().back(), "              V=0");
    // Every edge lies in every face's plane.
    EXPECT_EQ(row("THam", 2), Cells(12, "0.0000"));
}

TEST_F(TetrahedronTabTest, swapping_two_vertices_keeps_the_volume) {
    setVertex(1, "-4", "2", "1");
    setVertex(2, "7", "-2", "-3");
    window.click("CP_But");
    EXPECT_EQ(row("PLine", 1), (Cells{"11", "-4", "-4", "12.3693", "(x+4)/11=(y-2)/(-4)=(z-1)/(-4)"}));
    EXPECT_EQ(vol(), "60");
}

TEST_F(TetrahedronTabTest, an_edge_perpendicular_to_a_face_gives_a_right_angle) {
    setVertex(1, "0", "0", "0");
    setVertex(2, "1", "1", "0");
    setVertex(3, "0", "0", "1");
    setVertex(4, "1", "-1", "0");
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(grid("THam").cell(1, 1), "1.0000");
    EXPECT_EQ(grid("THam").cell(1, 2), "90.0000");
    EXPECT_EQ(vol(), "0.333333333333333");
}

TEST_F(TetrahedronTabTest, edge_face_angles_use_the_normal_as_its_plane_texts_show_it) {
    // Face ABC has the normal (0; -1.00000000000000444; 1), written "-1": its
    // squared length is 2 as read back, 2.00000000000001 as computed.
    setVertex(1, "0", "0", "0");
    setVertex(2, "1", "0", "0");
    setVertex(3, "0", "1", "1.00000000000000444");
    setVertex(4, "0", "0", "1");
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(memoHas("       N*AD=0*0-1*0+1*1=1"));
    EXPECT_TRUE(memoHas("       |N|=(0^2+(-1)^2+1^2)^(1/2)=(2)^(1/2)=1.4142;  |AD|=1.0000"));
    EXPECT_EQ(grid("TVec_H").cell(1, 3), "x/0=y/(-1)=(z-1)/1");
}

TEST_F(TetrahedronTabTest, a_point_separator_refuses_a_comma_cell) {
    setVertex(1, "7,0", "-2", "-3");
    window.click("CP_But");
    EXPECT_EQ(errors(), (Cells{"'7,0' is not a valid floating point value."}));
}

class TetrahedronCommaTest : public TetrahedronTabTest {
protected:
    TetrahedronCommaTest() : TetrahedronTabTest(',') {}
};

TEST_F(TetrahedronCommaTest, reads_and_writes_with_the_comma) {
    setVertex(1, "7,0", "-2", "-3");
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(memo()[3], "   A(7,0;-2;-3)");
    EXPECT_EQ(grid("PLine").cell(4, 1), "12,3693");
    EXPECT_TRUE(memoHas("   |AB|=((-11)^2+4^2+4^2)^(1/2)=(121+16+16)^(1/2)=(153)^(1/2)=12,3693"));
    EXPECT_TRUE(memoHas("       sin(AD^ABC)=360/(92,2009*6,0000)=0,6508 ; (AD^ABC)=40,5984"));
    EXPECT_EQ(vol(), "60");
}

TEST_F(TetrahedronCommaTest, reads_the_fractional_normals_back_with_the_comma) {
    setVertex(1, "0,5", "0", "0");
    setVertex(2, "0", "1,5", "0");
    setVertex(3, "0", "0", "2,5");
    setVertex(4, "0", "0", "0");
    window.click("CP_But");
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(grid("ABC").cell(1, 0), "3,75x+1,25y+0,75z-1,875=0");
    EXPECT_EQ(grid("TVec_H").cell(1, 0), "(x-0,5)/3,75=y/0=z/0");
    EXPECT_EQ(vol(), "0,3125");
}

} // namespace
} // namespace tc
