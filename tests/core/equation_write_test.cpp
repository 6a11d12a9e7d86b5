// SPDX-License-Identifier: GPL-3.0-or-later
// The equation solver and writer together, from typed coefficients to the
// memo lines, the root fields and the message of a zero A: where each message
// entry stands in each case, the check by Vieta's formulas, and the fallbacks
// of a language file without the cubic and biquadratic lines.

#include <gtest/gtest.h>

#include <utility>

#include "calc/equation/double_value.h"
#include "calc/equation/equation_write.h"
#include "widgets/names.h"

namespace tc {
namespace {

using Lines = std::vector<std::string>;

const std::string k11(11, ' ');

struct EquationCase {
    const char* name;
    EquationKind kind;
    Lines coefficients; // as typed
    bool check;
    size_t size;                                 // memo lines
    std::vector<std::pair<int, std::string>> at; // memo line (from the end when negative) and its text
    Lines roots;                                 // the root fields, in order
    const char* message = nullptr;               // the message box, if one is shown
};

const EquationCase kCases[] = {
    {"quadratic_worked_example",
     EquationKind::Quadratic,
     {"1", "5", "6"},
     false,
     13,
     {{0, "***    entry 68   ***"},
      {1, "1*x^2+5*x+6=0"},
      {2, k11},
      {3, "entry 69"},
      {4, "              D=b*b-4*a*c"},
      {5, k11},
      {6, "D=5*5-4*1*6=1"},
      {7, k11},
      {8, "entry 70"},
      {9, "entry 71"},
      {10, ""},
      {11, "X[1]=(-b+sqrt(D))/(2*a)=(-5+1)/(2*1)=-2"},
      {12, "X[2]=(-b-sqrt(D))/(2*a)=(-5-1)/(2*1)=-3"}},
     {"-2", "-3"}},
    // A double root puts a line of spaces, not a blank line, before its roots.
    {"quadratic_double_root", EquationKind::Quadratic, {"1", "-4", "4"}, false, 13,
     {{6, "D=(-4)*(-4)-4*1*4=0"},
      {8, "entry 72"},
      {9, "entry 73"},
      {10, k11},
      {11, "X[1]=(-b)/(2*a)=(4+0)/(2*1)=2"},
      {12, "X[2]=(-b)/(2*a)=(4-0)/(2*1)=2"}},
     {"2", "2"}},
    {"quadratic_complex_pair", EquationKind::Quadratic, {"1", "2", "5"}, false, 13,
     {{6, "D=2*2-4*1*5=-16"},
      {8, "entry 74"},
      {9, "entry 75"},
      {10, k11},
      {11, "X[1]=(-b+sqrt(-D)*i)/(2*a)=(-2+4*i)/(2*1)=-1+2*i"},
      {12, "X[2]=(-b-sqrt(-D)*i)/(2*a)=(-2-4*i)/(2*1)=-1-2*i"}},
     {"-1+2*i", "-1-2*i"}},
    {"quadratic_checked_by_vieta",
     EquationKind::Quadratic,
     {"1", "-5", "6"},
     true,
     18,
     {{12, "X[2]=(-b-sqrt(D))/(2*a)=(5-1)/(2*1)=2"},
      {13, k11},
      {14, "Check:"},
      {15, "The roots put into Vieta's formulas x1+x2=-B/A, x1*x2=C/A:"},
      {16, "X[1]+X[2]=3+2=5, -B/A=5, residual 0"},
      {17, "X[1]*X[2]=3*2=6, C/A=6, residual 0"}},
     {"3", "2"}},
    {"quadratic_unchecked", EquationKind::Quadratic, {"1", "-5", "6"}, false, 13,
     {{-1, "X[2]=(-b-sqrt(D))/(2*a)=(5-1)/(2*1)=2"}}, {"3", "2"}},
    // The cubic's and biquadratic's own texts are lines from 214 on, which
    // this table lacks: the English texts stand in.
    {"cubic_three_real_roots",
     EquationKind::Cubic,
     {"1", "-6", "11", "-6"},
     false,
     0,
     {{0, "***    entry 77   ***"},
      {3, "The substitution x=t-B/(3*A) gives the reduced equation t^3+p*t+q=0, where"},
      {11, "We compute the discriminant of the reduced equation:"},
      {16, "The discriminant is negative (Q<0),"}},
     {"3", "1", "2"}},
    {"biquadratic_without_real_roots",
     EquationKind::Biquadratic,
     {"1", "0", "4"},
     false,
     0,
     {{0, "***    entry 78   ***"},
      {3, "The substitution t=x^2 gives a quadratic equation in t:"},
      {6, "entry 69"},
      {-7, "Each root t gives two roots x=+-sqrt(t):"},
      {-1, "entry 79"}},
     {"1+1*i", "-1-1*i", "1-1*i", "-1+1*i"}},
    // A zero A answers with the message alone; a value too small for a double
    // is kept as 0 and counts as one.
    {"quadratic_zero_a", EquationKind::Quadratic, {"0", "5", "6"}, true, 0, {}, {}, "entry 67"},
    {"quadratic_a_below_the_double_range", EquationKind::Quadratic, {"1e-400", "5", "6"}, false, 0, {}, {},
     "entry 67"},
    {"cubic_zero_a", EquationKind::Cubic, {"0", "1", "1", "1"}, false, 0, {}, {}, "entry 67"},
    {"biquadratic_zero_a", EquationKind::Biquadratic, {"-0", "1", "1"}, false, 0, {}, {}, "entry 67"},
};

void PrintTo(const EquationCase& c, std::ostream* os) {
    *os << c.name;
}

EquationInputs Typed(EquationKind kind, const Lines& coefficients, bool check) {
    EquationInputs in;
    in.kind = kind;
    in.check = check;
    for (const std::string& text : coefficients)
        in.k.push_back({text, StoreDouble(Numbers('.').read(text))});
    return in;
}

MessageTable Entries() {
    MessageTable m;
    for (int k = 67; k <= 79; ++k)
        m.set(k, "entry " + std::to_string(k));
    return m;
}

TabOutput Written(const EquationInputs& in, const MessageTable& m) {
    const Partial<EquationResult> r = SolveEquation(in);
    EXPECT_FALSE(r.failure.has_value());
    const Numbers nums('.');
    return WriteEquation(in, r.result, Wording{nums, m});
}

class EquationWriteTest : public ::testing::TestWithParam<EquationCase> {};

TEST_P(EquationWriteTest, writes_each_entry_where_it_belongs_and_the_roots) {
    const EquationCase& c = GetParam();
    const TabOutput out = Written(Typed(c.kind, c.coefficients, c.check), Entries());
    if (c.size > 0) {
        EXPECT_EQ(out.lines.size(), c.size);
    }
    if (!c.message) {
        EXPECT_FALSE(out.lines.empty());
    }
    for (const auto& [index, text] : c.at) {
        const auto at = index < 0 ? static_cast<int>(out.lines.size()) + index : index;
        ASSERT_LT(at, static_cast<int>(out.lines.size())) << index;
        EXPECT_EQ(out.lines[static_cast<size_t>(at)], text) << index;
    }
    const char* const fields[] = {names::Eq_X1, names::Eq_X2, names::Eq_X3, names::Eq_X4};
    std::vector<std::pair<std::string, std::string>> roots;
    for (size_t k = 0; k < c.roots.size(); ++k)
        roots.emplace_back(fields[k], c.roots[k]);
    EXPECT_EQ(out.fields, roots);
    EXPECT_EQ(out.message, c.message ? std::optional<std::string>(c.message) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Cases, EquationWriteTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<EquationCase>& row) {
                             return std::string(row.param.name);
                         });

// A file that has the cubic's and the biquadratic's lines names the kind in
// the message of a zero A; the quadratic's is the message entry either way.
TEST(EquationLeadingZeroTest, each_kind_names_itself_where_the_file_has_its_line) {
    MessageTable m = Entries();
    std::vector<std::string> extended;
    for (int k = kFirstExtendedLine; k <= LineIndex(Line::eq_biquadratic_a_is_zero) ||
                                     k <= LineIndex(Line::eq_cubic_a_is_zero);
         ++k)
        extended.push_back("line " + std::to_string(k));
    m.setExtended(extended);
    const std::pair<EquationKind, std::string> kinds[] = {
        {EquationKind::Quadratic, "entry 67"},
        {EquationKind::Cubic, "line " + std::to_string(LineIndex(Line::eq_cubic_a_is_zero))},
        {EquationKind::Biquadratic, "line " + std::to_string(LineIndex(Line::eq_biquadratic_a_is_zero))}};
    for (const auto& [kind, message] : kinds) {
        const TabOutput out = Written(Typed(kind, {"0", "1", "1", "1"}, false), m);
        EXPECT_EQ(out.message, message);
        EXPECT_TRUE(out.lines.empty());
        EXPECT_TRUE(out.fields.empty());
    }
}

} // namespace
} // namespace tc
