// SPDX-License-Identifier: GPL-3.0-or-later
// The written solutions of the seven vector tasks: the worked examples with
// both decimal separators, the sign rules, the number of components, and the
// failures that stop a computation part way.

#include "numbers_test_support.h"
#include "vector_test_support.h"

namespace tc::test {
namespace {

struct WorkedExample {
    const char* name;
    int task;
    // The memo after the task's heading lines; "MSG k" stands for message entry k.
    Lines body;
    const char* value; // Vec_R
    const char* phi;   // phi1
    Lines result;      // V_Rez row 1
};

const WorkedExample kWorkedExamples[] = {
    {"addition",
     0,
     {"     A(2;5)", "     B(3;7)", "", "A+B=(2+3;5+7)=(5;12)", "|A+B|=(25+144)^(1/2)=(169)^(1/2)=13.000000"},
     "13.0000",
     "",
     {"5", "12"}},
    {"subtraction",
     1,
     {"    A(2;5)", "    B(3;7)", "", "A-B=(2-3;5-7)=(-1;-2)", "|A-B|=(1+4)^(1/2)=(5)^(1/2)=2.236068"},
     "2.2361",
     "",
     {"-1", "-2"}},
    {"scalar_product", 2, {"    A(2;5)", "    B(3;7)", "", "A*B=2*3+5*7=6+35=41"}, "41", "", {"6", "35"}},
    {"length",
     3,
     {"    A(2;5)", "    B(3;7)", "", "AB=(3-2;7-5)=(1;2)", "|AB|=(1+4)^(1/2)=(5)^(1/2)=2.236068"},
     "2.2361",
     "",
     {"1", "2"}},
    {"norm", 4, {"    AB(2;5)", "", "|AB|=(2^2+5^2)^(1/2)=(4+25)^(1/2)=5.385165"}, "5.3852", "", {"", ""}},
    {"angle",
     5,
     {"    A(2;5)", "    B(3;7)", "", "MSG 3", "    cos(phi)=A*B/(|A|*|B|) ", "MSG 4", "", "MSG 5",
      "A*B=2*3+5*7=6+35=41", "", "", "MSG 6", "|A|=(2^2+5^2)^(1/2)=(4+25)^(1/2)=5.3852", "",
      "|B|=(3^2+7^2)^(1/2)=(9+49)^(1/2)=7.6158", "", "MSG 7", "cos(phi)=41/(5.385*7.616)=0.9997",
      "phi=arccos(0.9997)/Pi*180=1.397181"},
     "0.9997",
     "1.397",
     {"6", "35"}},
    {"projection",
     6,
     {"    A(2;5)", "    B(3;7)", "", "MSG 8", "    Pr[A/B]=A*B/|B| ", "MSG 4", "", "MSG 5",
      "A*B=2*3+5*7=6+35=41", "", "MSG 9", "|B|=(3^2+7^2)^(1/2)=(9+49)^(1/2)=7.6158", "", "MSG 10",
      "Pr[A/B]==41/7.616=5.383564"},
     "5.384",
     "",
     {"6", "35"}},
};

void PrintTo(const WorkedExample& c, std::ostream* os) {
    *os << c.name;
}

// Listed first so that the parameter is there when the window is built.
class WorkedExampleTest : public ::testing::WithParamInterface<std::tuple<WorkedExample, char>>,
                          public VectorTabTest {
protected:
    WorkedExampleTest() : VectorTabTest(std::get<1>(GetParam())) {}
    std::string expected(const std::string& text) const {
        if (text.rfind("MSG ", 0) == 0) return msg(std::stoi(text.substr(4)));
        return WithSeparator(text, std::get<1>(GetParam()));
    }
};

TEST_P(WorkedExampleTest, writes_the_whole_solution_and_the_results) {
    const WorkedExample& c = std::get<0>(GetParam());
    compute(c.task);
    const Combo& task = window.widgets().get<Combo>("TVec");
    Lines want = {msg(1), "", task.items.at(static_cast<size_t>(c.task)), "", msg(2)};
    for (const std::string& line : c.body)
        want.push_back(expected(line));
    EXPECT_EQ(memo(), want);
    EXPECT_EQ(field("Vec_R"), expected(c.value));
    EXPECT_EQ(field("phi1"), expected(c.phi));
    EXPECT_EQ(resultRow(2), c.result);
    EXPECT_TRUE(host.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryTask, WorkedExampleTest,
                         ::testing::Combine(::testing::ValuesIn(kWorkedExamples),
                                            ::testing::ValuesIn(kSeparators)),
                         NameAndSeparator());

// The sign rules: a negative operand is wrapped where its own minus sign
// would run into the operator before it.
struct SignCase {
    const char* name;
    int task;
    Lines a, b;
    Lines lines; // the task's lines containing the operands, in memo order
    const char* value;
    const char* phi = "";
};

const SignCase kSignCases[] = {
    {"addition_drops_the_plus",
     0,
     {"1", "2"},
     {"-3", "4"},
     {"A+B=(1-3;2+4)=(-2;6)", "|A+B|=(4+36)^(1/2)=(40)^(1/2)=6.324555"},
     "6.3246"},
    // Zero is tested exactly: a typed -0 is no negative number.
    {"addition_keeps_the_plus_before_zero",
     0,
     {"1", "2"},
     {"0", "-0"},
     {"A+B=(1+0;2+-0)=(1;2)", "|A+B|=(1+4)^(1/2)=(5)^(1/2)=2.236068"},
     "2.2361"},
    {"subtraction_wraps_b",
     1,
     {"1", "2"},
     {"-3", "4"},
     {"A-B=(1-(-3);2-4)=(4;-2)", "|A-B|=(16+4)^(1/2)=(20)^(1/2)=4.472136"},
     "4.4721"},
    {"scalar_product_wraps_b_only", 2, {"-1", "2"}, {"-3", "4"}, {"A*B=-1*(-3)+2*4=3+8=11"}, "11"},
    {"scalar_product_writes_negative_terms_after_plus",
     2,
     {"1", "-2"},
     {"3", "4"},
     {"A*B=1*3+-2*4=3+-8=-5"},
     "-5"},
    {"length_wraps_a",
     3,
     {"-1", "2"},
     {"3", "-4"},
     {"AB=(3-(-1);-4-2)=(4;-6)", "|AB|=(16+36)^(1/2)=(52)^(1/2)=7.211103"},
     "7.2111"},
    {"norm_wraps_the_squared_component",
     4,
     {"-3", "4"},
     {},
     {"|AB|=((-3)^2+4^2)^(1/2)=(9+16)^(1/2)=5.000000"},
     "5.0000"},
    {"angle_of_opposite_vectors",
     5,
     {"1", "0"},
     {"-1", "0"},
     {"A*B=1*(-1)+0*0=-1+0=-1", "|A|=(1^2+0^2)^(1/2)=(1+0)^(1/2)=1.0000",
      "|B|=((-1)^2+0^2)^(1/2)=(1+0)^(1/2)=1.0000", "cos(phi)=-1/(1.000*1.000)=-1.0000",
      "phi=arccos(-1.0000)/Pi*180=180.000000"},
     "-1.0000",
     "180.000"},
    // The angle comes from the full cosine: 45 degrees, not the 45.000549 of
    // the cosine's four decimals.
    {"angle_from_the_full_cosine",
     5,
     {"1", "0"},
     {"1", "1"},
     {"A*B=1*1+0*1=1+0=1", "|A|=(1^2+0^2)^(1/2)=(1+0)^(1/2)=1.0000", "|B|=(1^2+1^2)^(1/2)=(1+1)^(1/2)=1.4142",
      "cos(phi)=1/(1.000*1.414)=0.7071", "phi=arccos(0.7071)/Pi*180=45.000000"},
     "0.7071",
     "45.000"},
    // A cosine that rounding carries past 1 is 1.
    {"angle_of_parallel_vectors",
     5,
     {"1", "1"},
     {"3", "3"},
     {"A*B=1*3+1*3=3+3=6", "|A|=(1^2+1^2)^(1/2)=(1+1)^(1/2)=1.4142", "|B|=(3^2+3^2)^(1/2)=(9+9)^(1/2)=4.2426",
      "cos(phi)=6/(1.414*4.243)=1.0000", "phi=arccos(1.0000)/Pi*180=0.000000"},
     "1.0000",
     "0.000"},
    {"projection_on_a_negative_b",
     6,
     {"2", "5"},
     {"-3", "0"},
     {"A*B=2*(-3)+5*0=-6+0=-6", "|B|=((-3)^2+0^2)^(1/2)=(9+0)^(1/2)=3.0000", "Pr[A/B]==-6/3.000=-2.000000"},
     "-2.000"},
};

void PrintTo(const SignCase& c, std::ostream* os) {
    *os << c.name;
}

class SignRuleTest : public VectorTabTest, public ::testing::WithParamInterface<SignCase> {};

TEST_P(SignRuleTest, wraps_negative_operands_as_the_task_writes_them) {
    const SignCase& c = GetParam();
    setVectors(c.a, c.b);
    compute(c.task);
    Lines found;
    for (const std::string& line : memo())
        if (line.find('=') != std::string::npos && line.rfind(" ", 0) != 0) found.push_back(line);
    EXPECT_EQ(found, c.lines);
    EXPECT_EQ(field("Vec_R"), c.value);
    EXPECT_EQ(field("phi1"), c.phi);
}

INSTANTIATE_TEST_SUITE_P(EveryTask, SignRuleTest, ::testing::ValuesIn(kSignCases),
                         [](const ::testing::TestParamInfo<SignCase>& row) {
                             return std::string(row.param.name);
                         });

TEST_F(VectorTabTest, exact_fractions_go_into_formulas_with_their_sign_in_front) {
    window.menu("NExact");
    setVectors({"-3/-4", "1/-2"}, {"1", "-1/-2"});
    EXPECT_EQ(compute(4).back(), "|AB|=((3/4)^2+(-1/2)^2)^(1/2)=(9/16+1/4)^(1/2)=0.901388");
    EXPECT_EQ(compute(1).at(8), "A-B=(-3/-4-1;1/-2-1/2)=(-1/4;-1)");
    // A later negative product keeps its "+" as in the decimal mode ("3+-8").
    EXPECT_EQ(compute(2).at(8), "A*B=-3/-4*1+1/-2*1/2=3/4+-1/4=1/2");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(VectorTabTest, five_components_are_read_and_columns_beyond_are_not) {
    window.select("V_N", 3);
    setVectors({"1", "2", "3", "4", "5", "x"}, {"5", "4", "3", "2", "1", "x"});
    compute(0, 5);
    EXPECT_EQ(memoFrom(5),
              (Lines{"     A(1;2;3;4;5)", "     B(5;4;3;2;1)", "", "A+B=(1+5;2+4;3+3;4+2;5+1)=(6;6;6;6;6)",
                     "|A+B|=(36+36+36+36+36)^(1/2)=(180)^(1/2)=13.416408"}));
    EXPECT_EQ(resultRow(5), (Lines{"6", "6", "6", "6", "6"}));
    EXPECT_EQ(field("Vec_R"), "13.4164");

    // Shrunk to three, the grid keeps columns 4 and 5; they are not read.
    setVectors({"1", "2", "3", "x", ""}, {"1", "1", "1", "", "y"});
    compute(2, 3);
    EXPECT_EQ(memoFrom(5), (Lines{"    A(1;2;3)", "    B(1;1;1)", "", "A*B=1*1+2*1+3*1=1+2+3=6"}));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(VectorTabTest, cells_are_written_as_typed_and_read_as_numbers) {
    setVectors({" 2.50", "5"}, {"3", "7 "});
    compute(0);
    EXPECT_EQ(memoFrom(5), (Lines{"     A( 2.50;5)", "     B(3;7 )", "", "A+B=( 2.50+3;5+7 )=(5.5;12)",
                                  "|A+B|=(30.25+144)^(1/2)=(174.25)^(1/2)=13.200379"}));
    EXPECT_EQ(field("Vec_R"), "13.2004");
}

TEST_F(VectorTabTest, with_no_task_chosen_the_compute_button_adds) {
    window.click("CBut1");
    EXPECT_EQ(memoFrom(5).at(3), "A+B=(2+3;5+7)=(5;12)");
    EXPECT_EQ(field("Vec_R"), "13.0000");
}

TEST_F(VectorTabTest, norm_reads_no_component_of_b) {
    setVectors({"3", "4"}, {"x", ""});
    compute(4);
    EXPECT_EQ(field("Vec_R"), "5.0000");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(VectorTabTest, bad_cell_stops_where_it_is_read_and_keeps_what_came_before) {
    compute(0);
    setVectors({"4", "5"}, {"3", "x"});
    compute(0);
    EXPECT_EQ(memoFrom(5), (Lines{"     A(4;5)", "     B(3;x)", ""}));
    // Component 1 was computed before component 2 was read; the results of
    // the computation before are gone.
    EXPECT_EQ(resultRow(2), (Lines{"7", ""}));
    EXPECT_EQ(field("Vec_R"), "");
    EXPECT_EQ(errors(), (Lines{"'x' is not a valid floating point value."}));
}

TEST_F(VectorTabTest, empty_cell_in_the_angle_task_stops_before_the_scalar_product_line) {
    setVectors({"1", ""}, {"2", "3"});
    compute(5);
    EXPECT_EQ(memoFrom(5), (Lines{"    A(1;)", "    B(2;3)", "", msg(3), "    cos(phi)=A*B/(|A|*|B|) ",
                                  msg(4), "", msg(5)}));
    EXPECT_EQ(grid("V_Rez").cell(1, 1), "2");
    EXPECT_EQ(errors(), (Lines{"'' is not a valid floating point value."}));
}

TEST_F(VectorTabTest, zero_vector_in_the_angle_task_fails_after_the_length_of_b) {
    compute(5);
    setVectors({"0", "0"}, {"3", "7"});
    compute(5);
    const Lines lines = memo();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ((Lines(lines.end() - 4, lines.end())), (Lines{"|A|=(0^2+0^2)^(1/2)=(0+0)^(1/2)=0.0000", "",
                                                            "|B|=(3^2+7^2)^(1/2)=(9+49)^(1/2)=7.6158", ""}));
    EXPECT_EQ(errors(), (Lines{"Invalid floating point operation."}));
    // The products were computed; no cosine and no angle of the computation before stay.
    EXPECT_EQ(resultRow(2), (Lines{"0", "0"}));
    EXPECT_EQ(field("Vec_R"), "");
    EXPECT_EQ(field("phi1"), "");
}

TEST_F(VectorTabTest, zero_vector_b_in_the_projection_fails_before_the_result_line) {
    compute(6);
    setVectors({"2", "5"}, {"0", "0"});
    compute(6);
    const Lines lines = memo();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ((Lines(lines.end() - 3, lines.end())),
              (Lines{msg(9), "|B|=(0^2+0^2)^(1/2)=(0+0)^(1/2)=0.0000", ""}));
    EXPECT_EQ(errors(), (Lines{"Invalid floating point operation."}));
    EXPECT_EQ(field("Vec_R"), "");
}

TEST_F(VectorTabTest, overflowing_square_stops_after_the_sum_line) {
    setVectors({"1E3000", "1"}, {"1", "1"});
    compute(0);
    EXPECT_EQ(memo().back(), "A+B=(1E3000+1;1+1)=(1E3000;2)");
    EXPECT_EQ(resultRow(2), (Lines{"1E3000", "2"}));
    EXPECT_EQ(errors(), (Lines{"Floating point overflow."}));
}

TEST_F(CommaVectorTabTest, reads_and_writes_numbers_with_a_comma) {
    setVectors({"2,5", "1"}, {"0,5", "-1,5"});
    compute(0);
    EXPECT_EQ(memoFrom(8),
              (Lines{"A+B=(2,5+0,5;1-1,5)=(3;-0,5)", "|A+B|=(9+0,25)^(1/2)=(9,25)^(1/2)=3,041381"}));
    EXPECT_EQ(resultRow(2), (Lines{"3", "-0,5"}));
    EXPECT_EQ(field("Vec_R"), "3,0414");

    window.setCell("Vec_Table", 1, 1, "2.5");
    compute(0);
    EXPECT_EQ(errors(), (Lines{"'2.5' is not a valid floating point value."}));
}

// Choosing another task empties every result place, so that no value stands
// under a label that now means something else; the memo keeps the solution.
class VectorTaskChangeTest : public VectorTabTest, public ::testing::WithParamInterface<int> {};

TEST_P(VectorTaskChangeTest, empties_the_results_of_every_task_and_keeps_the_memo) {
    const int to = GetParam();
    for (int from = 0; from < 7; ++from) {
        const Lines solution = compute(from);
        ASSERT_NE(field("Vec_R"), "") << "task " << from << " wrote no result";
        window.select("TVec", to);
        SCOPED_TRACE(::testing::Message() << "from task " << from << " to task " << to);
        EXPECT_EQ(resultRow(2), Lines(2, ""));
        EXPECT_EQ(field("Vec_R"), "");
        EXPECT_EQ(field("phi1"), "");
        EXPECT_EQ(memo(), solution);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTask, VectorTaskChangeTest, ::testing::Range(0, 7));

} // namespace
} // namespace tc::test
