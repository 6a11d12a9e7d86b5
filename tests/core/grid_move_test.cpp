// SPDX-License-Identifier: GPL-3.0-or-later
// Moving a grid's rows and columns by their heading cells.

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "context/recording_host.h"

namespace tc {
namespace {

std::vector<std::string> Column(const Grid& g, int col, int rows) {
    std::vector<std::string> out;
    for (int r = 0; r < rows; ++r)
        out.push_back(g.cell(col, r));
    return out;
}

TEST(GridMove, a_row_moves_with_every_cell_and_the_rows_between_close_up) {
    Grid g("G", "", 2, 5);
    for (int r = 0; r < 5; ++r) {
        g.setCell(0, r, "h" + std::to_string(r));
        g.setCell(7, r, "far" + std::to_string(r)); // outside the size: moves along
    }
    g.moveRow(1, 3);
    EXPECT_EQ(Column(g, 0, 5), (std::vector<std::string>{"h0", "h2", "h3", "h1", "h4"}));
    EXPECT_EQ(Column(g, 7, 5), (std::vector<std::string>{"far0", "far2", "far3", "far1", "far4"}));
    g.moveRow(3, 1);
    EXPECT_EQ(Column(g, 0, 5), (std::vector<std::string>{"h0", "h1", "h2", "h3", "h4"}));
}

TEST(GridMove, a_column_moves_the_same_way) {
    Grid g("G", "", 4, 2);
    for (int c = 0; c < 4; ++c)
        g.setCell(c, 1, std::to_string(c));
    g.moveColumn(3, 1);
    EXPECT_EQ(g.cell(1, 1), "3");
    EXPECT_EQ(g.cell(2, 1), "1");
    EXPECT_EQ(g.cell(3, 1), "2");
}

class VectorRowMove : public ::testing::Test {
protected:
    VectorRowMove() : window(host, Settings{'.', {}}) { window.start(); }
    RecordingHost host;
    MainWindow window;
};

TEST_F(VectorRowMove, swapping_a_and_b_by_dragging_changes_what_is_computed) {
    window.menu("N13"); // subtraction
    window.moveRow("Vec_Table", 2, 1);
    const Grid& table = window.widgets().get<Grid>("Vec_Table");
    EXPECT_EQ(table.cell(0, 1), "B");
    EXPECT_EQ(table.cell(1, 1), "3");
    window.click("CBut1");
    const Grid& result = window.widgets().get<Grid>("V_Rez");
    EXPECT_EQ(result.cell(1, 1), "1"); // 3 - 2
    EXPECT_EQ(result.cell(2, 1), "2"); // 7 - 5
}

TEST_F(VectorRowMove, headings_cells_outside_the_size_and_fixed_grids_cannot_be_moved) {
    EXPECT_THROW(window.moveRow("Vec_Table", 0, 1), UsageError);
    EXPECT_THROW(window.moveRow("Vec_Table", 1, 3), UsageError);
    EXPECT_THROW(window.moveColumn("Vec_Table", 1, 0), UsageError);
    EXPECT_THROW(window.moveRow("V_Rez", 1, 1), UsageError);
    EXPECT_EQ(window.widgets().get<Grid>("Vec_Table").cell(1, 1), "2");
}

} // namespace
} // namespace tc
