// SPDX-License-Identifier: GPL-3.0-or-later
// The Eq tab: the kinds of equation, the written solution of a quadratic
// equation in each of its three cases, and the ways a computation stops.

#include <gtest/gtest.h>

#include <memory>

#include "app/main_window.h"
#include "calc/equation/equation_tab.h"
#include "context/recording_host.h"
#include "core/numbers_test_support.h"

namespace tc {
namespace {

using test::kSeparators;
using test::SeparatorName;
using test::WithSeparator;

using Lines = std::vector<std::string>;

const std::string k11(11, ' ');

// The window as the user has it, with no language file: every message entry is
// empty, so an entry standing alone gives an empty line.
class EquationWindow {
protected:
    EquationWindow() { restart('.'); }
    void restart(char decimal) {
        host = std::make_unique<RecordingHost>();
        window = std::make_unique<MainWindow>(*host, Settings{decimal, {}});
        window->start();
        // No language file is in reach here: start-up has reported it missing.
        host->boxes.clear();
        window->menu("N5");
    }
    void solve(const std::string& a, const std::string& b, const std::string& c) {
        window->setText("Eq_e1", a);
        window->setText("eq_e2", b);
        window->setText("Eq_e3", c);
        window->click("Eq_Run");
    }
    const WidgetTree& tree() const { return window->widgets(); }
    const Lines& memo() const { return tree().get<Memo>("Eq_M").lines; }
    const std::string& field(const char* name) const { return tree().get<Edit>(name).text; }
    bool shown(const char* name) const { return tree().get(name).visible; }
    bool checked(const char* name) const { return tree().get<RadioButton>(name).checked; }

    std::unique_ptr<RecordingHost> host;
    std::unique_ptr<MainWindow> window;
};

template <class Param>
class EquationWindowTest : public ::testing::TestWithParam<Param>, public EquationWindow {};

using EquationTest = EquationWindowTest<char>;

// The three lines that end each written solution: the blank after the case's
// two entries and the two root lines.
Lines Tail(const Lines& memo) {
    return memo.size() < 3 ? memo : Lines(memo.end() - 3, memo.end());
}

TEST_F(EquationTest, a_double_root_puts_a_line_of_spaces_before_the_roots) {
    solve("1", "-4", "4");
    EXPECT_EQ(memo().at(6), "D=(-4)*(-4)-4*1*4=0");
    EXPECT_EQ(Tail(memo()), (Lines{k11, "X[1]=(-b)/(2*a)=(4+0)/(2*1)=2", "X[2]=(-b)/(2*a)=(4-0)/(2*1)=2"}));
    EXPECT_EQ(field("Eq_X1"), "2");
    EXPECT_EQ(field("Eq_X2"), "2");
}

TEST_F(EquationTest, complex_roots_are_written_with_i) {
    solve("1", "2", "5");
    EXPECT_EQ(memo().at(6), "D=2*2-4*1*5=-16");
    EXPECT_EQ(Tail(memo()), (Lines{k11, "X[1]=(-b+sqrt(-D)*i)/(2*a)=(-2+4*i)/(2*1)=-1+2*i",
                                   "X[2]=(-b-sqrt(-D)*i)/(2*a)=(-2-4*i)/(2*1)=-1-2*i"}));
    EXPECT_EQ(field("Eq_X1"), "-1+2*i");
    EXPECT_EQ(field("Eq_X2"), "-1-2*i");
}

TEST_F(EquationTest, the_equation_line_echoes_the_texts_as_typed) {
    solve(" 1.0", "-5", "6 ");
    EXPECT_EQ(memo().at(1), " 1.0*x^2-5*x+6 =0");
    EXPECT_EQ(memo().at(6), "D=(-5)*(-5)-4*1*6=1");
}

TEST_F(EquationTest, a_discriminant_beyond_the_double_range_still_decides_its_case) {
    // b*b = 1E400 fits the extended range but no double; only its sign matters.
    solve("1", "1e200", "1");
    EXPECT_TRUE(host->boxes.empty());
    EXPECT_EQ(memo().at(6), "D=1E200*1E200-4*1*1=1E400");
    EXPECT_EQ(memo().at(10), "");
    EXPECT_EQ(field("Eq_X2"), "-1E200");
}

// A discriminant nearer to 0 than any double is still negative or positive:
// 1e-170*x^2+1e-170=0 has the roots +-i, and with the minus sign +-1. Taking
// such a discriminant for 0 would fail on the square root of a negative number
// or show 0 for two roots of different sign.
TEST_F(EquationTest, a_discriminant_too_small_for_a_double_keeps_its_case) {
    solve("1e-170", "0", "1e-170");
    EXPECT_TRUE(host->boxes.empty());
    EXPECT_EQ(memo().at(6), "D=0*0-4*1E-170*1E-170=-4E-340");
    EXPECT_EQ(Tail(memo()), (Lines{k11, "X[1]=(-b+sqrt(-D)*i)/(2*a)=(0+2E-170*i)/(2*1E-170)=1*i",
                                   "X[2]=(-b-sqrt(-D)*i)/(2*a)=(0-2E-170*i)/(2*1E-170)=-1*i"}));
    EXPECT_EQ(field("Eq_X1"), "0+1*i");
    EXPECT_EQ(field("Eq_X2"), "0-1*i");

    solve("1e-170", "0", "-1e-170");
    EXPECT_TRUE(host->boxes.empty());
    EXPECT_EQ(Tail(memo()), (Lines{"", "X[1]=(-b+sqrt(D))/(2*a)=(0+2E-170)/(2*1E-170)=1",
                                   "X[2]=(-b-sqrt(D))/(2*a)=(0-2E-170)/(2*1E-170)=-1"}));
    EXPECT_EQ(field("Eq_X1"), "1");
    EXPECT_EQ(field("Eq_X2"), "-1");
}

// The result fields take 8 significant digits for two real roots and 5 for a
// double or complex root; the explanation keeps 15 throughout.
TEST_P(EquationTest, result_fields_round_by_case_with_the_users_separator) {
    const char d = GetParam();
    restart(d);
    solve("3", "-4", "1");
    EXPECT_EQ(field("Eq_X1"), "1");
    EXPECT_EQ(field("Eq_X2"), WithSeparator("0.33333333", d));
    EXPECT_EQ(memo().back(), WithSeparator("X[2]=(-b-sqrt(D))/(2*a)=(4-2)/(2*3)=0.333333333333333", d));

    solve("9", "-6", "1");
    EXPECT_EQ(field("Eq_X1"), WithSeparator("0.33333", d));
    EXPECT_EQ(field("Eq_X2"), WithSeparator("0.33333", d));
    EXPECT_EQ(memo().back(), WithSeparator("X[2]=(-b)/(2*a)=(6-0)/(2*9)=0.333333333333333", d));

    solve("3", "1", "1");
    EXPECT_EQ(field("Eq_X1"), WithSeparator("-0.16667+0.55277*i", d));
    EXPECT_EQ(field("Eq_X2"), WithSeparator("-0.16667-0.55277*i", d));

    solve(WithSeparator("0.5", d), WithSeparator("-1.5", d), "1");
    EXPECT_EQ(memo().at(6), WithSeparator("D=(-1.5)*(-1.5)-4*0.5*1=0.25", d));
    EXPECT_EQ(field("Eq_X1"), "2");
    EXPECT_EQ(field("Eq_X2"), "1");
}

INSTANTIATE_TEST_SUITE_P(BothSeparators, EquationTest, ::testing::ValuesIn(kSeparators),
                         [](const auto& run) { return SeparatorName(run.param); });

TEST_F(EquationTest, a_coefficient_that_is_no_number_stops_with_empty_outputs) {
    window->click("Eq_Run");
    solve("1", "x", "6");
    EXPECT_TRUE(memo().empty());
    EXPECT_EQ(field("Eq_X1"), "");
    EXPECT_EQ(field("Eq_X2"), "");
    ASSERT_EQ(host->boxes.size(), 1u);
    EXPECT_EQ(host->boxes[0].kind, Box::Kind::Error);
    EXPECT_EQ(host->boxes[0].text, "'x' is not a valid floating point value.");
}

TEST_F(EquationTest, a_zero_leading_coefficient_is_answered_after_all_three_are_read) {
    solve("0", "5", "");
    ASSERT_EQ(host->boxes.size(), 1u);
    EXPECT_EQ(host->boxes[0].kind, Box::Kind::Error);
    EXPECT_EQ(host->boxes[0].text, "'' is not a valid floating point value.");

    solve("0", "5", "6");
    ASSERT_EQ(host->boxes.size(), 2u);
    EXPECT_EQ(host->boxes[1].kind, Box::Kind::Message);
    EXPECT_TRUE(memo().empty());
    EXPECT_EQ(field("Eq_X1"), "");
}

TEST_F(EquationTest, a_leading_coefficient_too_small_for_a_double_counts_as_zero) {
    solve("1e-400", "5", "6");
    ASSERT_EQ(host->boxes.size(), 1u);
    EXPECT_EQ(host->boxes[0].kind, Box::Kind::Message);
    EXPECT_TRUE(memo().empty());
}

TEST_F(EquationTest, a_coefficient_too_large_for_a_double_is_an_overflow) {
    solve("1", "5", "-1e400");
    ASSERT_EQ(host->boxes.size(), 1u);
    EXPECT_EQ(host->boxes[0].kind, Box::Kind::Error);
    EXPECT_EQ(host->boxes[0].text, "Floating point overflow.");
    EXPECT_TRUE(memo().empty());
}

// Each kind shows its own inputs and root fields; the coefficients typed stay
// when another kind is chosen (D, the cubic's own, waits for the cubic), and
// the roots of the kind left are cleared; the memo keeps the last solution.
struct KindLayout {
    const char* kind;
    const char* form;
    size_t coefficients;
    size_t roots;
};

using KindTest = EquationWindowTest<KindLayout>;

TEST_P(KindTest, shows_its_inputs_and_root_fields_and_keeps_each_kinds_texts) {
    const KindLayout& k = GetParam();
    const char* const inputs[] = {"Eq_e1", "eq_e2", "Eq_e3", "Eq_e4"};
    const char* const labels[] = {"Eq_l1", "Eq_l2", "Eq_l3", "Eq_l4"};
    const char* const roots[] = {"Eq_X1", "Eq_X2", "Eq_X3", "Eq_X4"};
    const char* const rootLabels[] = {"le1", "le2", "le3", "le4"};
    solve("2", "-3", "1"); // quadratic roots, to be cleared by a change of kind
    const std::vector<std::string> solution = memo();
    window->setText("Eq_e1", "7");
    window->click(k.kind);
    EXPECT_TRUE(checked(k.kind));
    EXPECT_TRUE(host->boxes.empty());
    EXPECT_EQ(tree().get("Eq_Variant").caption, k.form);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(shown(inputs[i]), i < k.coefficients) << inputs[i];
        EXPECT_EQ(shown(labels[i]), i < k.coefficients) << labels[i];
        EXPECT_EQ(shown(roots[i]), i < k.roots) << roots[i];
        EXPECT_EQ(shown(rootLabels[i]), i < k.roots) << rootLabels[i];
    }
    const std::string d = std::string(k.kind) == "eq2" ? "-6" : "";
    EXPECT_EQ(field("Eq_e1"), "7");
    EXPECT_EQ(field("eq_e2"), "-3");
    EXPECT_EQ(field("Eq_e3"), "1");
    EXPECT_EQ(field("Eq_e4"), d);
    if (std::string(k.kind) != "eq1") {
        // The memo keeps the last solution; only the roots go.
        EXPECT_EQ(memo(), solution);
        for (const char* root : roots)
            EXPECT_EQ(field(root), "") << root;
        window->setText("Eq_e1", "3");
        if (!d.empty()) window->setText("Eq_e4", "-2");
        window->click("eq1");
        EXPECT_EQ(field("Eq_e1"), "3");
        EXPECT_EQ(field("eq_e2"), "-3");
        EXPECT_EQ(field("Eq_e4"), "");
        EXPECT_FALSE(shown("Eq_X3"));
        EXPECT_FALSE(shown("Eq_e4"));
        window->click(k.kind);
        EXPECT_EQ(field("Eq_e1"), "3");
        EXPECT_EQ(field("Eq_e4"), d.empty() ? "" : "-2");
    }
    window->click("Eq_Run");
    EXPECT_TRUE(host->boxes.empty());
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(field(roots[i]).empty(), i >= k.roots) << roots[i];
}

INSTANTIATE_TEST_SUITE_P(Kinds, KindTest,
                         ::testing::Values(KindLayout{"eq1", "A*x^2+B*x+C=0", 3, 2},
                                           KindLayout{"eq2", "A*x^3+B*x^2+C*x+D=0", 4, 3},
                                           KindLayout{"eq3", "A*x^4+B*x^2+C=0", 3, 4}),
                         [](const auto& run) { return std::string(run.param.kind); });

TEST_F(EquationTest, a_zero_leading_coefficient_stops_every_kind_with_its_message) {
    for (const char* kind : {"eq2", "eq3"}) {
        window->click(kind);
        window->setText("Eq_e1", "1"); // the 0 typed for the kind before stays
        window->click("Eq_Run");
        window->setText("Eq_e1", "0");
        window->click("Eq_Run");
        EXPECT_TRUE(memo().empty()) << kind;
        EXPECT_EQ(field("Eq_X1"), "") << kind;
        EXPECT_EQ(field("Eq_X3"), "") << kind;
    }
    ASSERT_EQ(host->boxes.size(), 2u);
    for (const Box& b : host->boxes)
        EXPECT_EQ(b.kind, Box::Kind::Message);
}

// Every widget of the tab lies inside its parent, and no two shown siblings
// overlap; the radio buttons lie inside the frame drawn round them.
TEST_F(EquationTest, widgets_fit_their_parents_and_do_not_overlap) {
    auto inside = [](const Rect& r, const Rect& outer) {
        return r.x >= outer.x && r.y >= outer.y && r.x + r.w <= outer.x + outer.w &&
               r.y + r.h <= outer.y + outer.h;
    };
    auto overlap = [](const Rect& p, const Rect& q) {
        return p.x < q.x + q.w && q.x < p.x + p.w && p.y < q.y + q.h && q.y < p.y + p.h;
    };
    std::vector<const Widget*> tab;
    for (const Widget* w : tree().all()) {
        const Widget* up = w;
        while (!up->parent().empty() && up->name() != "Eq")
            up = &tree().get(up->parent());
        if (up->name() == "Eq" && w->name() != "Eq") tab.push_back(w);
    }
    ASSERT_GT(tab.size(), 20u);
    for (const Widget* w : tab) {
        const Rect& p = tree().get(w->parent()).geometry;
        EXPECT_TRUE(inside(w->geometry, {0, 0, p.w, p.h})) << w->name() << " sticks out of " << w->parent();
        EXPECT_GT(w->geometry.w, 0) << w->name();
        EXPECT_GT(w->geometry.h, 0) << w->name();
    }
    for (const char* radio : {"eq1", "eq2", "eq3"})
        EXPECT_TRUE(inside(tree().get(radio).geometry, tree().get("EQG").geometry)) << radio;
    for (const Widget* w : tab)
        for (const Widget* v : tab) {
            if (w >= v || w->parent() != v->parent() || !w->visible || !v->visible) continue;
            if (w->name() == "EQG" || v->name() == "EQG") continue;
            EXPECT_FALSE(overlap(w->geometry, v->geometry)) << w->name() << " overlaps " << v->name();
        }
}

// With the message entries filled in, each stands where it belongs.
class EquationMessagesTest : public ::testing::Test {
protected:
    EquationMessagesTest() {
        for (int k = 67; k <= 79; ++k)
            env.messages.set(k, "entry " + std::to_string(k));
    }
    void click(const char* name) { (*tree.clickHandler(name))(); }
    const Lines& memo() const { return tree.get<Memo>("Eq_M").lines; }
    void solve(const char* a, const char* b, const char* c) {
        tree.get<Edit>("Eq_e1").text = a;
        tree.get<Edit>("eq_e2").text = b;
        tree.get<Edit>("Eq_e3").text = c;
        click("Eq_Run");
    }

    RecordingHost host;
    WidgetTree tree;
    Env env{Numbers('.'), {}, host};
    EquationTab tab{tree, env};
};

TEST_F(EquationMessagesTest, the_worked_solution_has_its_entries_in_order) {
    click("Eq_Run");
    const Lines expected = {"***    entry 68   ***",
                            "1*x^2+5*x+6=0",
                            k11,
                            "entry 69",
                            "              D=b*b-4*a*c",
                            k11,
                            "D=5*5-4*1*6=1",
                            k11,
                            "entry 70",
                            "entry 71",
                            "",
                            "X[1]=(-b+sqrt(D))/(2*a)=(-5+1)/(2*1)=-2",
                            "X[2]=(-b-sqrt(D))/(2*a)=(-5-1)/(2*1)=-3"};
    EXPECT_EQ(memo(), expected);
}

TEST_F(EquationMessagesTest, each_case_has_its_own_two_entries) {
    solve("1", "-4", "4");
    EXPECT_EQ(Lines(memo().begin() + 8, memo().begin() + 11), (Lines{"entry 72", "entry 73", k11}));
    solve("1", "2", "5");
    EXPECT_EQ(Lines(memo().begin() + 8, memo().begin() + 11), (Lines{"entry 74", "entry 75", k11}));
    EXPECT_EQ(memo().size(), 13u);
    EXPECT_TRUE(host.boxes.empty());
}

// The cubic and biquadratic titles are message entries; their other texts are
// lines from 214 on, which this table lacks: the English texts stand in.
TEST_F(EquationMessagesTest, cubic_and_biquadratic_solutions_fall_back_to_english_lines) {
    click("eq2");
    tree.get<Edit>("eq_e2").text = "-6"; // (x-1)(x-2)(x-3)
    tree.get<Edit>("Eq_e3").text = "11";
    click("Eq_Run");
    EXPECT_EQ(memo().at(0), "***    entry 77   ***");
    EXPECT_EQ(memo().at(3), "The substitution x=t-B/(3*A) gives the reduced equation t^3+p*t+q=0, where");
    EXPECT_EQ(memo().at(11), "We compute the discriminant of the reduced equation:");
    EXPECT_EQ(memo().at(16), "The discriminant is negative (Q<0),");
    click("eq3");
    solve("1", "0", "4");
    EXPECT_EQ(memo().at(0), "***    entry 78   ***");
    EXPECT_EQ(memo().at(3), "The substitution t=x^2 gives a quadratic equation in t:");
    EXPECT_EQ(memo().at(6), "entry 69");
    EXPECT_EQ(memo().at(memo().size() - 7), "Each root t gives two roots x=+-sqrt(t):");
    EXPECT_EQ(memo().back(), "entry 79"); // no real root
}

TEST_F(EquationMessagesTest, message_boxes_show_their_entries) {
    solve("0", "1", "1");
    click("eq2");
    EXPECT_EQ(host.boxes.size(), 1u); // the cubic kind is solved, not refused
    tree.get<Edit>("Eq_e1").text = "0";
    click("Eq_Run");
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(host.boxes[0].text, "entry 67");
    EXPECT_EQ(host.boxes[1].text, "entry 67");
    for (const Box& b : host.boxes)
        EXPECT_EQ(b.kind, Box::Kind::Message);
}

} // namespace
} // namespace tc
