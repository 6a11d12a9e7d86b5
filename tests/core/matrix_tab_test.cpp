// SPDX-License-Identifier: GPL-3.0-or-later
// The Matrix tab's widgets, its start-up contents, and what the task and size
// selectors do to the grids, the hidden state and each other.

#include "matrix_test_support.h"

namespace tc::test {
namespace {

// Entry columns and rows of a grid, and its pixel size.
struct Shape {
    int cols, rows, w, h;
    bool operator==(const Shape& o) const { return cols == o.cols && rows == o.rows && w == o.w && h == o.h; }
};

void PrintTo(const Shape& s, std::ostream* os) {
    *os << s.cols << "x" << s.rows << " entries, " << s.w << "x" << s.h << " px";
}

class MatrixLayoutTest : public ::testing::Test, public MatrixWindow {
protected:
    MatrixLayoutTest() : MatrixWindow('.') {}

    Shape shape(const char* name) const {
        const Grid& g = grid(name);
        return {g.cols - 1, g.rows - 1, g.geometry.w, g.geometry.h};
    }
    static Shape sized(int c, int r) { return {c, r, 57 * c + 25, 25 * r + 27}; }
    bool shown(const char* name) const { return widget(name).visible; }
    std::string state() const { return field("M_M") + "x" + field("N_N") + " task " + field("I0"); }
};

TEST_F(MatrixLayoutTest, starts_with_the_example_matrices_numbered_headings_and_no_task_chosen) {
    EXPECT_EQ(block("Mat1", 2, 2), (Rows{{"2", "5"}, {"3", "7"}}));
    EXPECT_EQ(block("Mat2", 2, 2), (Rows{{"9", "5"}, {"4", "11"}}));
    const std::pair<const char*, const char*> corners[] = {{"Mat1", "A"}, {"Mat2", "B"}, {"Mat_R", "C"}};
    for (const auto& [name, corner] : corners) {
        const Grid& g = grid(name);
        EXPECT_EQ(g.cell(0, 0), corner);
        // Headings up to 4 are written although the grid shows only 2 of them.
        for (int i = 1; i <= 4; ++i) {
            EXPECT_EQ(g.cell(0, i), std::to_string(i)) << name;
            EXPECT_EQ(g.cell(i, 0), std::to_string(i)) << name;
        }
        EXPECT_EQ(shape(name), sized(2, 2)) << name;
        EXPECT_EQ(g.colWidth(0), 20);
        EXPECT_EQ(g.colWidth(3), 55);
        EXPECT_TRUE(g.editable);
    }
    EXPECT_EQ(grid("Mat_R").cell(1, 1), "");
    EXPECT_EQ(state(), "2x2 task 2");
    EXPECT_EQ(combo("TMat_task").index, -1);
    EXPECT_EQ(combo("TMat_task").text, "Додавання");
    EXPECT_EQ(memo(), Lines{""});
    EXPECT_EQ(field("DET_A"), "");
    for (const char* hidden : {"M_B", "M_N1", "M_D", "DET_A", "M_M", "N_N", "I0"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    EXPECT_TRUE(widget("Mat_But").enabled);
}

TEST_F(MatrixLayoutTest, size_lists_mix_latin_and_cyrillic_letters_as_the_window_always_had_them) {
    const std::string ha = "\xD1\x85"; // U+0445
    const Combo& sizes = combo("M_N");
    ASSERT_EQ(sizes.items.size(), 9u);
    EXPECT_EQ(sizes.items[0], "2x2");
    EXPECT_EQ(sizes.items[1], "2" + ha + "3");
    EXPECT_EQ(sizes.items[8], "4" + ha + "4");
    EXPECT_EQ(sizes.text, "2" + ha + "2");
    EXPECT_EQ(combo("M_N1").items, (Lines{"", "", ""}));
    EXPECT_EQ(combo("M_N1").text, "2x2");
    for (const char* c : {"TMat_task", "M_N", "M_N1"})
        EXPECT_TRUE(combo(c).editable) << c;
}

TEST_F(MatrixLayoutTest, every_widget_sits_inside_the_page_and_the_largest_grids_fit_their_boxes) {
    for (const char* name : {"Mat1", "Mat2", "Mat_R"}) {
        EXPECT_EQ(widget(name).geometry.x, 8);
        EXPECT_EQ(widget(name).geometry.y, 16);
    }
    // At 4 x 4 the grids reach 253 x 127 pixels; each must stay inside its box
    // and Mat_R above the determinant field below it.
    EXPECT_LE(8 + 253, widget(widget("Mat1").parent().c_str()).geometry.w);
    EXPECT_LE(8 + 253, widget(widget("Mat_R").parent().c_str()).geometry.w);
    EXPECT_LT(16 + 127, widget("DET_A").geometry.y);
    const Widget& memoBox = widget("CMat_Memo");
    const Rect m = widget("MAT_M").geometry;
    EXPECT_EQ(m.x, memoBox.geometry.x + 8);
    EXPECT_EQ(m.y, memoBox.geometry.y + 16);
    EXPECT_LE(m.y + m.h, 585);
}

TEST_F(MatrixLayoutTest, the_menu_commands_choose_each_task_and_reconfigure_the_tab) {
    task(kMultiply);
    EXPECT_EQ(combo("TMat_task").index, 2);
    EXPECT_EQ(field("I0"), "4");
    EXPECT_TRUE(shown("M_N1") && shown("M_B") && shown("Mat2") && shown("Mat_R"));
    EXPECT_EQ(widget("M_N1").geometry.x, 116);

    task(kDet);
    EXPECT_EQ(field("I0"), "5");
    EXPECT_TRUE(shown("Mat1") && shown("M_N1") && shown("M_A") && shown("M_D") && shown("DET_A"));
    EXPECT_FALSE(shown("M_N") || shown("M_B") || shown("Mat2") || shown("Mat_R"));
    // The order takes the place of the size of A.
    EXPECT_EQ(widget("M_N1").geometry.x, 21);
    EXPECT_EQ(combo("M_N1").items, (Lines{"2x2", "3x3", "4x4"}));
    EXPECT_EQ(combo("M_N1").index, -1);
    EXPECT_EQ(combo("M_N1").text, "2x2");

    task(kInverse);
    EXPECT_EQ(field("I0"), "6");
    EXPECT_TRUE(shown("Mat2") && shown("Mat_R") && shown("DET_A"));
    EXPECT_FALSE(shown("M_N"));

    task(kSubtract);
    EXPECT_EQ(field("I0"), "3");
    EXPECT_TRUE(shown("M_N") && shown("Mat2") && shown("Mat_R"));
    EXPECT_FALSE(shown("M_N1") || shown("M_B") || shown("M_D") || shown("DET_A"));
    EXPECT_EQ(widget("M_N1").geometry.x, 116);

    task(kAdd);
    EXPECT_EQ(field("I0"), "2");
}

TEST_F(MatrixLayoutTest, changing_the_task_shows_the_sizes_it_computes_and_keeps_contents_and_the_memo) {
    size(3, 4);
    compute();
    const Lines before = memo();
    // The inverse starts at order 2: every grid it uses shows order 2.
    task(kInverse);
    EXPECT_EQ(shape("Mat1"), sized(2, 2));
    EXPECT_EQ(shape("Mat2"), sized(2, 2));
    EXPECT_EQ(shape("Mat_R"), sized(2, 2));
    EXPECT_EQ(memo(), before);
    EXPECT_EQ(grid("Mat1").cell(2, 2), "7");

    // Back to the sum: A of 3 rows and 4 columns, as the size selector says.
    task(kAdd);
    for (const char* g : {"Mat1", "Mat2", "Mat_R"})
        EXPECT_EQ(shape(g), sized(4, 3)) << g;

    // The product after the determinant offers B's columns again, starting at two.
    task(kDet);
    EXPECT_EQ(shape("Mat1"), sized(2, 2));
    task(kMultiply);
    EXPECT_EQ(combo("M_N1").items, (Lines{"4x2", "4x3", "4x4"}));
    EXPECT_EQ(shape("Mat1"), sized(4, 3));
    EXPECT_EQ(shape("Mat2"), sized(2, 4));
    EXPECT_EQ(shape("Mat_R"), sized(2, 3));
}

TEST_F(MatrixLayoutTest, typing_a_task_name_counts_as_the_first_task) {
    task(kInverse);
    window.type("TMat_task", "Обернена");
    EXPECT_EQ(field("I0"), "2");
    EXPECT_TRUE(shown("M_N"));
    EXPECT_FALSE(shown("DET_A"));
}

TEST_F(MatrixLayoutTest, the_size_of_a_reshapes_a_and_b_and_for_sums_also_c) {
    size(3, 4);
    EXPECT_EQ(state(), "3x4 task 2");
    EXPECT_EQ(shape("Mat1"), sized(4, 3));
    EXPECT_EQ(shape("Mat2"), sized(4, 3));
    EXPECT_EQ(shape("Mat_R"), sized(4, 3));
    // B's column count is offered with its row count fixed to A's column count.
    EXPECT_EQ(combo("M_N1").items, (Lines{"4x2", "4x3", "4x4"}));
    EXPECT_EQ(combo("M_N1").text, "4x2");
    EXPECT_EQ(combo("M_N1").index, -1);
}

TEST_F(MatrixLayoutTest, for_a_product_the_size_of_a_gives_b_two_columns_and_as_many_rows_as_a_has_columns) {
    task(kMultiply);
    size(2, 3);
    EXPECT_EQ(state(), "2x3 task 4");
    EXPECT_EQ(shape("Mat1"), sized(3, 2));
    EXPECT_EQ(shape("Mat2"), sized(2, 3));
    EXPECT_EQ(shape("Mat_R"), sized(2, 2));
    second(4);
    EXPECT_EQ(shape("Mat1"), sized(3, 2));
    EXPECT_EQ(shape("Mat2"), sized(4, 3));
    EXPECT_EQ(shape("Mat_R"), sized(4, 2));
}

TEST_F(MatrixLayoutTest, the_order_reshapes_a_alone_for_the_determinant_and_all_three_for_the_inverse) {
    task(kDet);
    second(3);
    EXPECT_EQ(shape("Mat1"), sized(3, 3));
    // The hidden grids take B's and C's shapes of a product (k columns).
    EXPECT_EQ(shape("Mat2"), sized(3, 2));
    task(kInverse);
    second(4);
    for (const char* g : {"Mat1", "Mat2", "Mat_R"})
        EXPECT_EQ(shape(g), sized(4, 4)) << g;
    // The order leaves the size of A as the hidden fields hold it.
    EXPECT_EQ(state(), "2x2 task 6");
}

TEST_F(MatrixLayoutTest, typed_text_in_the_order_shows_the_grids_at_the_size_computed_with) {
    task(kInverse);
    second(4);
    window.type("M_N1", "3x3");
    for (const char* g : {"Mat1", "Mat2", "Mat_R"})
        EXPECT_EQ(shape(g), sized(2, 2)) << g;
    // And the computation indeed works on order 2.
    compute();
    EXPECT_EQ(memoFrom(4), (Lines{"A=(2;5)",
                                  "     (3;7)",
                                  "",
                                  "C=A^-1=1/Det(A)*B^T,  B=A[dop]",
                                  "",
                                  msg(12),
                                  "Det(A)=2*7-3*5=14-15=-1",
                                  msg(13),
                                  "B=(7;-3)",
                                  "    (-5;2)",
                                  msg(14),
                                  "B^T=(7;-5)",
                                  "         (-3;2)",
                                  msg(15),
                                  "C=-1*",
                                  "(7;-5)",
                                  "(-3;2)",
                                  "",
                                  "C=(-7.0000;5.0000)",
                                  "   (3.0000;-2.0000)"}));
}

TEST_F(MatrixLayoutTest, typed_text_in_the_column_count_of_b_shows_two_columns) {
    task(kMultiply);
    second(4);
    window.type("M_N1", "2x3");
    EXPECT_EQ(shape("Mat2"), sized(2, 2));
    EXPECT_EQ(shape("Mat_R"), sized(2, 2));
}

TEST_F(MatrixLayoutTest, cells_outside_a_shrunk_grid_keep_their_text_and_show_again) {
    size(3, 3);
    window.setCell("Mat1", 3, 3, "8");
    size(2, 2);
    EXPECT_EQ(grid("Mat1").cols, 3);
    EXPECT_EQ(grid("Mat1").cell(3, 3), "8");
    size(4, 4);
    EXPECT_EQ(grid("Mat1").cell(3, 3), "8");
    EXPECT_EQ(grid("Mat1").cell(4, 0), "4");
}

} // namespace
} // namespace tc::test

namespace tc::test {

// The size fields are hidden in the window, but a scenario can write anything
// into them: a size beyond the grids must fail at once instead of asking for a
// listing of any length, and leave the grids as they were.
// No result of another task or another click stays: a computation empties
// every result place of the tab first (Det(A) and C whatever the task, B too
// in the inverse, which writes its cofactors there), and so does a change of
// task, which also empties B on the way into the inverse and out of it. The
// memo keeps the last solution.
class MatrixStaleTest : public ::testing::TestWithParam<int>, public MatrixWindow {
protected:
    MatrixStaleTest() : MatrixWindow('.') {}
    void choose(int item) {
        task(item);
        if (item == kDet || item == kInverse) second(2);
    }
    // Old texts in the result places of task `item`: Det(A), C, and in the
    // inverse B (elsewhere B is typed input).
    void fillStale(int item) {
        window.setText("DET_A", "stale");
        setBlock("Mat_R", same("stale"));
        if (inverse(item)) setBlock("Mat2", same("stale"));
    }
    static bool inverse(int item) { return item == kInverse; }
    static Rows same(const std::string& text) { return {{text, text}, {text, text}}; }
};

TEST_P(MatrixStaleTest, a_computation_leaves_no_result_of_an_earlier_one) {
    const int item = GetParam();
    choose(item);
    fillStale(item);
    compute();
    ASSERT_TRUE(host.boxes.empty()) << host.boxes[0].text;
    EXPECT_EQ(field("DET_A"), item == kDet || item == kInverse ? "-1" : "");
    const Rows results = block("Mat_R", 2, 2);
    EXPECT_EQ(results == same(""), item == kDet) << results[0][0];
    EXPECT_NE(results[0][0], "stale");
    EXPECT_NE(block("Mat2", 2, 2)[0][0], "stale");
}

TEST_P(MatrixStaleTest, a_task_change_empties_the_results_and_keeps_the_memo) {
    const int from = GetParam();
    for (int to = kAdd; to <= kInverse; ++to) {
        if (to == from) continue;
        task(kAdd);
        setBlock("Mat2", {{"9", "5"}, {"4", "11"}});
        choose(from);
        compute();
        const Lines solution = memo();
        const Rows b = block("Mat2", 2, 2);
        task(to);
        SCOPED_TRACE(::testing::Message() << "from task " << from << " to task " << to);
        EXPECT_EQ(field("DET_A"), "");
        EXPECT_EQ(block("Mat_R", 2, 2), same(""));
        EXPECT_EQ(block("Mat2", 2, 2), inverse(from) || inverse(to) ? same("") : b);
        EXPECT_EQ(memo(), solution);
    }
}

const char* const kTaskNames[] = {"sum", "difference", "product", "determinant", "inverse"};

INSTANTIATE_TEST_SUITE_P(Tasks, MatrixStaleTest, ::testing::Values(kAdd, kSubtract, kMultiply, kDet, kInverse),
                         [](const auto& run) { return std::string(kTaskNames[run.param]); });

TEST(MatrixHiddenSizes, text_put_into_the_hidden_state_fields_changes_nothing_the_tab_computes) {
    for (const char* size : {"100000", "2000000000", "-5", "0", "5"}) {
        MatrixWindow w('.');
        w.window.setText("M_M", size);
        w.window.setText("N_N", size);
        w.window.setText("I0", size);
        w.compute();
        EXPECT_TRUE(w.errors().empty()) << size;
        // The start-up sum of the 2x2 examples, from the size and task the tab holds.
        EXPECT_EQ(w.block("Mat_R", 2, 2), (Rows{{"11", "10"}, {"7", "18"}})) << size;
        w.window.select("M_N1", 1);
        EXPECT_TRUE(w.errors().empty()) << size;
        EXPECT_EQ(w.grid("Mat1").cols, 3) << size;
        EXPECT_EQ(w.grid("Mat_R").rows, 3) << size;
        // The next change of the task shows the state again.
        w.window.select("TMat_task", 0);
        EXPECT_EQ(w.field("M_M") + "x" + w.field("N_N") + " task " + w.field("I0"), "2x2 task 2") << size;
    }
}

} // namespace tc::test
