// SPDX-License-Identifier: GPL-3.0-or-later
// The vector solver and writer together, from typed components to the memo
// lines and the result texts: the worked example of each task with both
// separators, and the sign rules of the operands.

#include <gtest/gtest.h>

#include "calc/vector/vector_solve.h"
#include "calc/vector/vector_write.h"
#include "numbers_test_support.h"
#include "widgets/names.h"

namespace tc::test {
namespace {

using Lines = std::vector<std::string>;

// The message entries say which they are, so that each is seen where it stands.
MessageTable Entries() {
    MessageTable m;
    for (int k = 1; k <= 80; ++k)
        m.set(k, "entry " + std::to_string(k));
    return m;
}

// The typed components of A and B, read as the tab reads them.
VectorInput Typed(int task, const Lines& a, const Lines& b, const Numbers& nums) {
    VectorInput in;
    in.task = static_cast<vec::Task>(task);
    in.n = static_cast<int>(a.size());
    in.taskName = "the task";
    in.textA = a;
    in.textB = b.empty() ? Lines(a.size()) : b;
    for (const std::string& x : a)
        in.a.push_back(nums.read(x));
    for (const std::string& x : b)
        in.b.push_back(nums.read(x));
    return in;
}

std::string FieldText(const TabOutput& out, const char* name) {
    for (const auto& [field, text] : out.fields)
        if (field == name) return text;
    return "";
}

// V_Rez row 1 from column 1 on, as written.
Lines ResultRow(const TabOutput& out) {
    Lines row;
    for (const CellOutput& c : out.cells)
        if (c.grid == names::V_Rez && c.row == 1) {
            if (row.size() < static_cast<size_t>(c.col)) row.resize(static_cast<size_t>(c.col));
            row[static_cast<size_t>(c.col) - 1] = c.text;
        }
    return row;
}

TabOutput Solved(const VectorInput& in, const Numbers& nums, const MessageTable& m) {
    const Partial<VectorResult> r = SolveVector<Ext>({in, std::nullopt});
    EXPECT_FALSE(r.failure.has_value());
    return WriteVector(in, r.result, Wording{nums, m});
}

struct WorkedExample {
    const char* name;
    int task;
    // The memo after the task's heading lines; "MSG k" stands for message entry k.
    // A and B are (2; 5) and (3; 7).
    Lines body;
    const char* value; // Vec_R
    const char* phi;   // phi1
    Lines result;      // V_Rez row 1, as far as computed
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
    {"norm", 4, {"    AB(2;5)", "", "|AB|=(2^2+5^2)^(1/2)=(4+25)^(1/2)=5.385165"}, "5.3852", "", {}},
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

class WorkedExampleTest : public ::testing::TestWithParam<std::tuple<WorkedExample, char>> {};

TEST_P(WorkedExampleTest, writes_the_whole_solution_and_the_results) {
    const auto& [c, decimal] = GetParam();
    const Numbers nums(decimal);
    const MessageTable m = Entries();
    const auto typed = [&](const char* x) { return WithSeparator(x, decimal); };
    const bool norm = c.task == vec::kNorm;
    const TabOutput out = Solved(
        Typed(c.task, {"2", "5"}, norm ? Lines{} : Lines{"3", "7"}, nums), nums, m);
    Lines want = {m(1), "", "the task", "", m(2)};
    for (const std::string& line : c.body)
        want.push_back(line.rfind("MSG ", 0) == 0 ? m(std::stoi(line.substr(4))) : typed(line.c_str()));
    EXPECT_EQ(out.lines, want);
    EXPECT_EQ(FieldText(out, names::Vec_R), typed(c.value));
    EXPECT_EQ(FieldText(out, names::phi1), typed(c.phi));
    EXPECT_EQ(ResultRow(out), c.result);
}

INSTANTIATE_TEST_SUITE_P(EveryTask, WorkedExampleTest,
                         ::testing::Combine(::testing::ValuesIn(kWorkedExamples),
                                            ::testing::ValuesIn(kSeparators)),
                         NameAndSeparator());

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

class SignRuleTest : public ::testing::TestWithParam<SignCase> {};

TEST_P(SignRuleTest, wraps_negative_operands_as_the_task_writes_them) {
    const SignCase& c = GetParam();
    const Numbers nums('.');
    const TabOutput out = Solved(Typed(c.task, c.a, c.b, nums), nums, MessageTable());
    Lines found;
    for (const std::string& line : out.lines)
        if (line.find('=') != std::string::npos && line.rfind(" ", 0) != 0) found.push_back(line);
    EXPECT_EQ(found, c.lines);
    EXPECT_EQ(FieldText(out, names::Vec_R), c.value);
    EXPECT_EQ(FieldText(out, names::phi1), c.phi);
}

INSTANTIATE_TEST_SUITE_P(EveryTask, SignRuleTest, ::testing::ValuesIn(kSignCases),
                         [](const ::testing::TestParamInfo<SignCase>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace tc::test
