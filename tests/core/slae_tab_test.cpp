// SPDX-License-Identifier: GPL-3.0-or-later
// The SLAE tab's layout: its start-up state, the grid shape for 2, 3 and 4
// equations, which result fields show, and that typed cells survive a change of
// the number of equations.

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "slae_test_support.h"

namespace tc {
namespace {

using test::SlaeHarness;

const char* const kThird[] = {"Dx3l", "DDx3", "x3l", "x3"};
const char* const kFourth[] = {"Dx4l", "DDx4", "x4l", "x4"};
const char* const kResults[] = {"DD", "DDx1", "DDx2", "DDx3", "DDx4", "x1", "x2", "x3", "x4"};

TEST(SlaeStartUp, shows_the_example_system_of_two_equations) {
    RecordingHost host;
    MainWindow window(host, Settings{'.', {}});
    window.start();
    const WidgetTree& tree = window.widgets();

    const Grid& g = tree.get<Grid>("SLAE");
    EXPECT_EQ(g.cols, 4);
    EXPECT_EQ(g.rows, 3);
    EXPECT_TRUE(g.editable);
    EXPECT_EQ(g.colWidth(0), 20);
    EXPECT_EQ(g.colWidth(1), 55);
    EXPECT_EQ(g.defaultRowHeight, 24);
    EXPECT_EQ(g.geometry.h, 78);
    const std::vector<std::vector<std::string>> cells = {
        {"", "x1", "x2", "B"}, {"1", "2", "5", "-1"}, {"2", "3", "7", "-2"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.cell(c, r), cells[r][c]) << c << "," << r;
    // Row numbers wait outside the grid for larger systems.
    for (int r = 3; r <= 5; ++r)
        EXPECT_EQ(g.cell(0, r), std::to_string(r));

    const Combo& sl1 = tree.get<Combo>("Sl1");
    EXPECT_EQ(sl1.index, -1);
    EXPECT_EQ(sl1.text, "2");
    EXPECT_EQ(sl1.items, (std::vector<std::string>{"2", "3", "4"}));
    EXPECT_TRUE(sl1.editable);

    for (const char* name : kThird)
        EXPECT_FALSE(tree.get(name).visible) << name;
    for (const char* name : kFourth)
        EXPECT_FALSE(tree.get(name).visible) << name;
    for (const char* name : {"DDl", "DD", "Dx1l", "DDx1", "Dx2l", "DDx2", "x1l", "x1", "x2l", "x2"})
        EXPECT_TRUE(tree.get(name).visible) << name;
    for (const char* name : kResults)
        EXPECT_EQ(tree.get<Edit>(name).text, "") << name;
    EXPECT_TRUE(tree.get<Memo>("SLA").lines.empty());
    EXPECT_TRUE(tree.get("CRun").enabled);

    const std::pair<const char*, const char*> captions[] = {
        {"CSLA_N", "Кількість рівнянь"},
        {"CSLA_Sys", "Введіть коефіціенти при невідомих "},
        {"CSLA_Det", "Визначники"},
        {"CRez_SLA", "Шукані значення"},
        {"CRun", "Обчислити"},
        {"CS_Save", "Зберегти"},
        {"CS_Close", "Вихід"},
        {"DDl", "D"},
        {"Dx1l", "Dx1"},
        {"Dx4l", "Dx4"},
        {"x1l", "x1"},
        {"x4l", "x4"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(tree.get(name).caption, caption) << name;
}

struct Shape {
    int position, cols, rows, width, height;
    std::vector<std::string> headings;
};

class SlaeShapeTest : public ::testing::TestWithParam<Shape> {};

TEST_P(SlaeShapeTest, number_of_equations_sets_grid_headings_and_result_fields) {
    const Shape& s = GetParam();
    SlaeHarness tab('.');
    tab.select(s.position);
    Grid& g = tab.grid();
    EXPECT_EQ(g.cols, s.cols);
    EXPECT_EQ(g.rows, s.rows);
    EXPECT_EQ(g.geometry.w, s.width);
    EXPECT_EQ(g.geometry.h, s.height);
    for (int c = 1; c < s.cols; ++c)
        EXPECT_EQ(g.cell(c, 0), s.headings[static_cast<std::size_t>(c - 1)]);
    const int n = s.position + 2;
    for (const char* name : kThird)
        EXPECT_EQ(tab.shown(name), n >= 3) << name;
    for (const char* name : kFourth)
        EXPECT_EQ(tab.shown(name), n >= 4) << name;
    for (const char* name : {"DD", "DDx1", "DDx2", "x1", "x2", "DDl", "x2l"})
        EXPECT_TRUE(tab.shown(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(Equations, SlaeShapeTest,
                         ::testing::Values(Shape{0, 4, 3, 194, 76, {"x1", "x2", "B"}},
                                           Shape{1, 5, 4, 251, 102, {"x1", "x2", "x3", "B"}},
                                           Shape{2, 6, 5, 308, 128, {"x1", "x2", "x3", "x4", "B"}}),
                         [](const ::testing::TestParamInfo<Shape>& run) {
                             return std::to_string(run.param.position + 2) + "_equations";
                         });

TEST(SlaeSwitching, four_then_two_then_three_equations_keep_every_cell_and_field_text) {
    SlaeHarness tab('.');
    tab.select(2);
    tab.enter({{"1", "0", "0", "0", "1"},
               {"0", "2", "0", "0", "2"},
               {"0", "0", "4", "0", "3"},
               {"0", "0", "0", "8", "4"}});
    ASSERT_EQ(tab.run(), "<no failure>");
    EXPECT_EQ(tab.field("x4"), "0.5000");

    tab.select(0);
    EXPECT_EQ(tab.grid().cols, 4);
    for (const char* name : {"DDx3", "DDx4", "x3", "x4"})
        EXPECT_FALSE(tab.shown(name)) << name;
    EXPECT_EQ(tab.field("DDx4"), "32.0000");
    EXPECT_EQ(tab.field("x4"), "0.5000");
    // Hidden cells keep their texts; the old x3 column now sits under "B".
    EXPECT_EQ(tab.grid().cell(3, 0), "B");
    EXPECT_EQ(tab.grid().cell(3, 3), "4");
    EXPECT_EQ(tab.grid().cell(5, 4), "4");

    tab.select(1);
    EXPECT_EQ(tab.grid().cols, 5);
    // Row numbers, the cells of rows 1-3 and the old right-hand sides in column 4.
    const std::vector<std::vector<std::string>> cells = {{"", "x1", "x2", "x3", "B"},
                                                         {"1", "1", "0", "0", "0"},
                                                         {"2", "0", "2", "0", "0"},
                                                         {"3", "0", "0", "4", "0"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(tab.grid().cell(c, r), cells[r][c]) << c << "," << r;
    EXPECT_TRUE(tab.shown("x3"));
    EXPECT_FALSE(tab.shown("x4"));
    EXPECT_EQ(tab.field("x3"), "0.7500");

    // Back to four: the right-hand sides are still there.
    tab.select(2);
    EXPECT_EQ(tab.grid().cell(5, 0), "B");
    EXPECT_EQ(tab.grid().cell(4, 0), "x4");
    EXPECT_EQ(tab.grid().cell(5, 1), "1");
    EXPECT_EQ(tab.run(), "<no failure>");
}

TEST(SlaeSwitching, typed_text_gives_the_two_equation_layout_that_is_computed) {
    SlaeHarness tab('.');
    tab.select(2);
    tab.type("3");
    EXPECT_EQ(tab.grid().cols, 4);
    EXPECT_EQ(tab.grid().rows, 3);
    EXPECT_EQ(tab.grid().geometry.w, 194);
    EXPECT_EQ(tab.grid().cell(3, 0), "B");
    EXPECT_FALSE(tab.shown("x3"));
    // "3" typed is no list choice: two equations are solved.
    EXPECT_EQ(tab.run(), "<no failure>");
    EXPECT_EQ(tab.memo()[3], "<64>  2");
    EXPECT_EQ(tab.field("x1"), "-3");
}

// Every widget of the tab lies inside its parent, clear of its parent's
// caption, and no two visible siblings overlap, with the largest grid shown.
TEST(SlaeLayout, widgets_fit_their_parents_without_overlapping) {
    SlaeHarness tab('.');
    tab.select(2);
    std::vector<const Widget*> mine;
    auto belongs = [&](const Widget& w) {
        for (const Widget* p : mine)
            if (p->name() == w.parent()) return true;
        return w.parent() == "TabSheet5";
    };
    for (const Widget* w : tab.tree.all())
        if (belongs(*w)) mine.push_back(w);
    ASSERT_GT(mine.size(), 20u);

    for (const Widget* w : mine) {
        const Widget& parent = tab.tree.get(w->parent());
        const Rect r = w->geometry;
        const Rect p =
            parent.kind() == WidgetKind::Page ? Rect{0, 0, kPageWidth, kPageHeight} : parent.geometry;
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= p.w && r.y + r.h <= p.h)
            << w->name() << " in " << parent.name();
        if (parent.kind() == WidgetKind::GroupBox) {
            EXPECT_GE(r.y, 18) << w->name() << " under the caption";
        }
        for (const Widget* o : mine) {
            if (o == w || o->parent() != w->parent() || !o->visible || !w->visible) continue;
            const Rect q = o->geometry;
            const bool apart = r.x + r.w <= q.x || q.x + q.w <= r.x || r.y + r.h <= q.y || q.y + q.h <= r.y;
            EXPECT_TRUE(apart) << w->name() << " overlaps " << o->name();
        }
    }
}

} // namespace
} // namespace tc
