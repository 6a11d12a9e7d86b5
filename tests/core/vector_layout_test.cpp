// SPDX-License-Identifier: GPL-3.0-or-later
// The Vector tab's start-up state and how the task and size selectors
// reconfigure it.

#include "vector_test_support.h"

namespace tc::test {
namespace {

TEST_F(VectorTabTest, starts_with_the_example_vectors_in_the_addition_layout) {
    const Combo& task = window.widgets().get<Combo>("TVec");
    EXPECT_EQ(task.index, -1);
    EXPECT_EQ(task.text, "Додавання ");
    EXPECT_EQ(task.items, (Lines{"Додавання ", "Віднімання ", "Скалярний добуток", "Довжина ", "Норма ",
                                 "Кут між векторами", "Проекція одного на інший"}));
    const Combo& size = window.widgets().get<Combo>("V_N");
    EXPECT_EQ(size.index, -1);
    EXPECT_EQ(size.text, "2");
    EXPECT_EQ(size.items, (Lines{"2", "3", "4", "5"}));

    const Grid& table = grid("Vec_Table");
    EXPECT_EQ(table.cols, 3);
    EXPECT_EQ(table.rows, 3);
    EXPECT_EQ(table.colWidth(0), 30);
    EXPECT_EQ(table.colWidth(1), 55);
    EXPECT_TRUE(table.editable);
    EXPECT_EQ(table.look.color, 0x0000FFu);
    EXPECT_EQ(table.cell(0, 1), "A");
    EXPECT_EQ(table.cell(0, 2), "B");
    // Headings of columns beyond the current size are ready for when the grid grows.
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(table.cell(i, 0), std::to_string(i));
    EXPECT_EQ((Lines{table.cell(1, 1), table.cell(2, 1), table.cell(1, 2), table.cell(2, 2)}),
              (Lines{"2", "5", "3", "7"}));

    const Grid& result = grid("V_Rez");
    EXPECT_EQ(result.cols, 3);
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(result.colWidth(0), 40);
    EXPECT_FALSE(result.editable);
    EXPECT_TRUE(result.visible);
    EXPECT_EQ(result.cell(0, 1), "A+B");
    EXPECT_EQ(resultRow(2), (Lines{"", ""}));
    // The result's columns are headed as the data's are, beyond the current size too.
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(result.cell(i, 0), std::to_string(i));

    EXPECT_EQ(widget("Vec_lab").caption, "|A+B|");
    for (const char* bold : {"Vec_lab", "phi_l", "Vec_N"})
        EXPECT_TRUE(widget(bold).look.bold) << bold;
    EXPECT_FALSE(widget("phi_l").visible);
    EXPECT_FALSE(widget("phi1").visible);
    EXPECT_EQ(field("Vec_R"), "");
    EXPECT_TRUE(memo().empty());
    EXPECT_TRUE(widget("CBut1").enabled);
    EXPECT_TRUE(host.boxes.empty());
}

struct TaskLayout {
    const char* command;
    int index;
    bool resultShown;
    const char* resultHeading;
    const char* label;
    bool angleShown;
};

void PrintTo(const TaskLayout& c, std::ostream* os) {
    *os << c.command;
}

class VectorTaskLayoutTest : public VectorTabTest, public ::testing::WithParamInterface<TaskLayout> {};

TEST_P(VectorTaskLayoutTest, menu_command_selects_the_task_and_shows_its_layout) {
    const TaskLayout& c = GetParam();
    window.select("V_N", 1);
    window.menu("N10");
    window.menu(c.command);
    EXPECT_EQ(window.tab(), 0);
    EXPECT_EQ(window.widgets().get<Combo>("TVec").index, c.index);
    EXPECT_EQ(widget("V_Rez").visible, c.resultShown);
    EXPECT_EQ(grid("V_Rez").cell(0, 1), c.resultHeading);
    EXPECT_EQ(widget("Vec_lab").caption, c.label);
    EXPECT_EQ(widget("phi1").visible, c.angleShown);
    EXPECT_EQ(widget("phi_l").visible, c.angleShown);
    // The menu only prepares the task: nothing is computed.
    EXPECT_TRUE(memo().empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryTask, VectorTaskLayoutTest,
    ::testing::Values(TaskLayout{"N12", 0, true, "A+B", "|A+B|", false},
                      TaskLayout{"N13", 1, true, "A-B", "|A-B|", false},
                      // Tasks that show no result vector keep the heading of the last one.
                      TaskLayout{"N15", 2, false, "A+B", "A*B", false},
                      TaskLayout{"N14", 3, true, "AB", "|AB|", false},
                      TaskLayout{"N16", 4, false, "|AB|", "|AB|", false},
                      TaskLayout{"N17", 5, false, "A+B", "cos(phi)", true},
                      TaskLayout{"N30", 6, false, "A+B", "Pr[A/B]", false}),
    [](const ::testing::TestParamInfo<TaskLayout>& row) { return std::string(row.param.command); });

TEST_F(VectorTabTest, norm_hides_row_b_and_the_next_task_brings_it_back_as_typed) {
    setVectors({"1", "2"}, {"-8", "9,5x"});
    window.select("TVec", 4);
    EXPECT_EQ(grid("Vec_Table").rows, 2);
    EXPECT_EQ(grid("Vec_Table").geometry.h, 56);
    EXPECT_EQ(grid("Vec_Table").cell(0, 1), "AB");
    EXPECT_EQ(grid("V_Rez").cols, 2);
    EXPECT_EQ(grid("V_Rez").geometry.w, 110);

    window.select("TVec", 1);
    const Grid& table = grid("Vec_Table");
    EXPECT_EQ(table.rows, 3);
    EXPECT_EQ(table.geometry.h, 81);
    EXPECT_EQ((Lines{table.cell(0, 1), table.cell(0, 2), table.cell(1, 2), table.cell(2, 2)}),
              (Lines{"A", "B", "-8", "9,5x"}));
    EXPECT_EQ(grid("V_Rez").cols, 3);
    EXPECT_TRUE(widget("V_Rez").visible);
}

TEST_F(VectorTabTest, size_selector_resizes_both_grids_and_keeps_hidden_cells) {
    window.select("V_N", 3);
    EXPECT_EQ(grid("Vec_Table").cols, 6);
    EXPECT_EQ(grid("Vec_Table").geometry.w, 5 * 57 + 33);
    EXPECT_EQ(grid("V_Rez").cols, 6);
    EXPECT_EQ(grid("V_Rez").geometry.w, 5 * 57 + 43);
    window.setCell("Vec_Table", 5, 2, "-4.5");

    window.select("V_N", 0);
    EXPECT_EQ(grid("Vec_Table").cols, 3);
    EXPECT_EQ(grid("Vec_Table").geometry.w, 2 * 57 + 33);
    window.select("V_N", 3);
    EXPECT_EQ(grid("Vec_Table").cell(5, 2), "-4.5");

    // The norm shows a single result column whatever the size.
    window.select("TVec", 4);
    window.select("V_N", 2);
    EXPECT_EQ(grid("Vec_Table").cols, 5);
    EXPECT_EQ(grid("V_Rez").cols, 2);
    EXPECT_EQ(grid("V_Rez").geometry.w, 110);
}

TEST_F(VectorTabTest, task_change_sizes_the_result_grid_by_the_selected_size) {
    window.select("V_N", 2);
    window.select("TVec", 3);
    EXPECT_EQ(grid("V_Rez").cols, 5);
    EXPECT_EQ(grid("V_Rez").geometry.w, 4 * 57 + 43);
}

// A typed size selects no list position, and a computation then reads two
// components: the grids show those two.
TEST_F(VectorTabTest, typed_size_shows_and_computes_two_components) {
    window.select("V_N", 2);
    setVectors({"1", "2", "3", "4"}, {"1", "1", "1", "1"});
    window.type("V_N", "4");
    EXPECT_EQ(grid("Vec_Table").cols, 3);
    EXPECT_EQ(grid("Vec_Table").geometry.w, 2 * 57 + 33);
    EXPECT_EQ(grid("V_Rez").cols, 3);
    EXPECT_EQ(grid("V_Rez").geometry.w, 2 * 57 + 43);
    window.click("CBut1");
    EXPECT_EQ(memoFrom(5), (Lines{"     A(1;2)", "     B(1;1)", "", "A+B=(1+1;2+1)=(2;3)",
                                  "|A+B|=(4+9)^(1/2)=(13)^(1/2)=3.605551"}));

    window.select("TVec", 4);
    window.type("V_N", "");
    EXPECT_EQ(grid("Vec_Table").cols, 3);
    EXPECT_EQ(grid("V_Rez").cols, 2);
}

// A typed task selects no list position, and a computation then adds: the
// labels must not go on naming the task shown before.
TEST_F(VectorTabTest, typed_task_shows_and_computes_the_addition) {
    window.select("TVec", 5);
    window.type("TVec", "Кут");
    EXPECT_EQ(widget("Vec_lab").caption, "|A+B|");
    EXPECT_TRUE(widget("V_Rez").visible);
    EXPECT_EQ(grid("V_Rez").cell(0, 1), "A+B");
    EXPECT_FALSE(widget("phi1").visible);

    window.select("TVec", 4);
    window.type("TVec", "x");
    EXPECT_EQ(grid("Vec_Table").rows, 3);
    EXPECT_EQ(grid("Vec_Table").cell(0, 1), "A");
    EXPECT_EQ(grid("V_Rez").cols, 3);
    window.click("CBut1");
    EXPECT_EQ(memo().at(2), window.widgets().get<Combo>("TVec").items.at(0));
    EXPECT_EQ(field("Vec_R"), "13.0000");
}

} // namespace
} // namespace tc::test
