// SPDX-License-Identifier: GPL-3.0-or-later
// The written steps of the quadratic formula and the 64-bit storage of the
// equation's values.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/equation/biquadratic_solve.h"
#include "calc/equation/double_value.h"
#include "calc/equation/exact_number.h"
#include "calc/equation/quadratic_solve.h"
#include "calc/equation/quadratic_write.h"
#include "core/numbers_test_support.h"

namespace tc {
namespace {

using test::FailureOf;
using test::kSeparators;
using test::NameAndSeparator;
using test::WithSeparator;

struct TextCase {
    const char* name;
    char sign; // unused by the discriminant
    long double a, b, c;
    const char* expected; // "." stands for the separator under test
};

enum class Text { Discriminant, RealRoot, ComplexRoot };

std::string Build(Text which, const Numbers& n, const TextCase& t) {
    switch (which) {
    case Text::Discriminant: return DiscriminantText(n, t.a, t.b, t.c, Discriminant(t.a, t.b, t.c));
    case Text::RealRoot:
        return RealRootText(n, t.sign, t.a, t.b, RealRoots(t.a, t.b, t.c, Discriminant(t.a, t.b, t.c)));
    case Text::ComplexRoot:
        return ComplexRootText(n, t.sign, t.a, t.b, ComplexRoots(t.a, t.b, Discriminant(t.a, t.b, t.c)));
    }
    return {};
}

class TextTest : public ::testing::TestWithParam<std::tuple<TextCase, char>> {
protected:
    void check(Text which) {
        const auto& [t, decimal] = GetParam();
        EXPECT_EQ(Build(which, Numbers(decimal), t), WithSeparator(t.expected, decimal));
    }
};

// Every coefficient is bracketed on its own sign: b twice, then a, then c.
const TextCase kDiscriminants[] = {
    {"all_positive", 0, 1, 5, 6, "D=5*5-4*1*6=1"},
    {"b_and_c_negative", 0, 1, -5, -6, "D=(-5)*(-5)-4*1*(-6)=49"},
    {"a_and_c_negative", 0, -1, 2, -5, "D=2*2-4*(-1)*(-5)=-16"},
    {"fractions", 0, 2.5L, -0.5L, 0.25L, "D=(-0.5)*(-0.5)-4*2.5*0.25=-2.25"},
    // A negative zero is no number below zero: bare, and without its sign.
    {"negative_zero_b", 0, 1, -0.0L, -4, "D=0*0-4*1*(-4)=16"},
    {"large_values_in_scientific_form", 0, 1, 1e20L, 1, "D=1E20*1E20-4*1*1=1E40"},
};

using DiscriminantTextTest = TextTest;
TEST_P(DiscriminantTextTest, writes_the_coefficients_and_the_value) {
    check(Text::Discriminant);
}
INSTANTIATE_TEST_SUITE_P(Cases, DiscriminantTextTest,
                         ::testing::Combine(::testing::ValuesIn(kDiscriminants),
                                            ::testing::ValuesIn(kSeparators)),
                         NameAndSeparator());

// -b is written bare whatever its sign; only a is bracketed, in the divisor.
const TextCase kRealRoots[] = {
    {"first_root_of_the_example", '+', 1, 5, 6, "(-5+1)/(2*1)=-2"},
    {"second_root_of_the_example", '-', 1, 5, 6, "(-5-1)/(2*1)=-3"},
    {"double_root_shows_a_zero_root", '+', 2, 4, 2, "(-4+0)/(2*2)=-1"},
    {"negative_a_bracketed_in_the_divisor", '-', -1, 1, 2, "(-1-3)/(2*(-1))=2"},
    {"a_third_in_fifteen_digits", '-', 3, -4, 1, "(4-2)/(2*3)=0.333333333333333"},
    {"zero_b_gives_no_minus_zero", '+', 1, 0, -4, "(0+4)/(2*1)=2"},
};

using RealRootTextTest = TextTest;
TEST_P(RealRootTextTest, writes_the_expansion_and_the_root) {
    check(Text::RealRoot);
}
INSTANTIATE_TEST_SUITE_P(Cases, RealRootTextTest,
                         ::testing::Combine(::testing::ValuesIn(kRealRoots),
                                            ::testing::ValuesIn(kSeparators)),
                         NameAndSeparator());

const TextCase kComplexRoots[] = {
    {"first_root", '+', 1, 2, 5, "(-2+4*i)/(2*1)=-1+2*i"},
    // The negative imaginary part follows the sign unchanged.
    {"negative_a_first_root", '+', -1, 2, -5, "(-2+4*i)/(2*(-1))=1-2*i"},
    {"negative_a_second_root", '-', -1, 2, -5, "(-2-4*i)/(2*(-1))=1+2*i"},
    {"zero_real_part_has_no_sign", '+', 1, 0, 1, "(0+2*i)/(2*1)=1*i"},
    {"irrational_parts", '-', 2, 1, 1, "(-1-2.64575131106459*i)/(2*2)=-0.25-0.661437827766148*i"},
};

using ComplexRootTextTest = TextTest;
TEST_P(ComplexRootTextTest, writes_the_expansion_and_the_root) {
    check(Text::ComplexRoot);
}
INSTANTIATE_TEST_SUITE_P(Cases, ComplexRootTextTest,
                         ::testing::Combine(::testing::ValuesIn(kComplexRoots),
                                            ::testing::ValuesIn(kSeparators)),
                         NameAndSeparator());

TEST(RootTextTest, a_square_root_of_a_negative_number_is_an_invalid_operation) {
    EXPECT_EQ(FailureOf([] { RealRoots(1, 2, 5, -16); }), kInvalidOperation);
    EXPECT_EQ(FailureOf([] { ComplexRoots(1, 5, 1); }), kInvalidOperation);
}

TEST(RootTextTest, the_discriminant_is_computed_in_extended_precision) {
    // b = 1 + 2^-30 and c = (1 + 2^-29) / 4 are doubles; b*b = 1 + 2^-29 + 2^-60
    // needs 61 bits, so only an extended product keeps D = 2^-60, which a
    // double evaluation would lose to 0.
    const Ext b = 1.0L + 0x1p-30L, c = (1.0L + 0x1p-29L) / 4.0L;
    EXPECT_EQ(Discriminant(1, b, c).value(), 0x1p-60L);
    const Numbers n;
    EXPECT_EQ(DiscriminantText(n, 1, b, c, Discriminant(1, b, c)),
              "D=1.00000000093132*1.00000000093132-4*1*0.250000000465661=8.67361737988404E-19");
    EXPECT_EQ(RealRootText(n, '+', 1, b, RealRoots(1, b, c, Discriminant(1, b, c))),
              "(-1.00000000093132+9.31322574615479E-10)/(2*1)=-0.5");
}

// The root whose formula subtracts nearly equal numbers comes from the product
// of the roots, c/(a*x_other); the other root and well-separated ones keep
// the textbook value.
TEST(RealRootsTest, the_root_that_would_cancel_keeps_its_digits) {
    const RealRootPair plus = RealRoots(1, 1e10L, 1, Discriminant(1, 1e10L, 1));
    EXPECT_NEAR(static_cast<double>(plus.x1.value() / -1e-10L), 1.0, 1e-18);
    EXPECT_EQ(plus.x2.value(), -1e10L);
    const RealRootPair minus = RealRoots(1, -1e10L, 1, Discriminant(1, -1e10L, 1));
    EXPECT_NEAR(static_cast<double>(minus.x2.value() / 1e-10L), 1.0, 1e-18);
    EXPECT_EQ(minus.x1.value(), 1e10L);
    // |b| = 5 is more than twice r = 1: both textbook values stand.
    const RealRootPair apart = RealRoots(1, 5, 6, Discriminant(1, 5, 6));
    EXPECT_EQ(apart.x1.value(), -2.0L);
    EXPECT_EQ(apart.x2.value(), -3.0L);
    // c = 0: the root 0 stays an unsigned 0.
    EXPECT_FALSE(std::signbit(RealRoots(1, 3, 0, Discriminant(1, 3, 0)).x1.value()));
}

// The discriminant of the typed decimals is exact; the value written, the case
// and the roots follow it, where the binary values of the decimals gave a
// trace of rounding.
struct ExactDiscCase {
    const char *a, *b, *c;
    QuadraticCase kind;
    const char *d, *x1, *x2; // x1 and x2 as the memo writes them
};

const ExactDiscCase kExactDiscs[] = {
    {"1", "-0.6", "0.09", QuadraticCase::Double, "0", "0.3", "0.3"},
    {"1", "-0.2", "0.01", QuadraticCase::Double, "0", "0.1", "0.1"},
    {"-1.8", "-1.9", "-0.4", QuadraticCase::TwoReal, "0.73", "-0.765111215147709", "-0.290444340407846"},
    {"0.01", "0.2", "1.01", QuadraticCase::Complex, "-0.0004", "-10", "1"}, // -10 +- 1*i
    {"1", "-1.4", "0.49", QuadraticCase::Double, "0", "0.7", "0.7"},
};

class ExactDiscriminantTest : public ::testing::TestWithParam<ExactDiscCase> {};

TEST_P(ExactDiscriminantTest, decides_the_case_and_the_roots) {
    const ExactDiscCase& t = GetParam();
    const Numbers n;
    const Ext a = StoreDouble(NearestExt(ExactDecimal(t.a, '.'))), b = StoreDouble(NearestExt(ExactDecimal(t.b, '.'))),
              c = StoreDouble(NearestExt(ExactDecimal(t.c, '.')));
    const Rational disc = ExactDiscriminant(ExactDecimal(t.a, '.'), ExactDecimal(t.b, '.'), ExactDecimal(t.c, '.'));
    const QuadraticSolution s = SolveQuadratic(a, b, c, disc);
    EXPECT_EQ(s.kind, t.kind);
    EXPECT_EQ(n.text(s.d), t.d);
    if (s.real) {
        EXPECT_EQ(n.text(s.real->x1), t.x1);
        EXPECT_EQ(n.text(s.real->x2), t.x2);
    } else {
        EXPECT_EQ(n.text(s.complex->re), t.x1);
        EXPECT_EQ(n.text(s.complex->im), t.x2);
    }
    // The biquadratic's equation in t follows the same rule.
    const BiquadraticSolution bi = SolveBiquadratic(a, b, c, disc);
    EXPECT_EQ(bi.t.kind, t.kind);
    EXPECT_EQ(bi.t.d.value(), s.d.value());
}

INSTANTIATE_TEST_SUITE_P(TypedDecimals, ExactDiscriminantTest, ::testing::ValuesIn(kExactDiscs));

TEST(StoreDoubleTest, rounds_to_the_nearest_double) {
    EXPECT_EQ(StoreDouble(0.1L), 0.1);
    EXPECT_NE(static_cast<long double>(StoreDouble(0.1L)), 0.1L);
    EXPECT_EQ(StoreDouble(-2.5L), -2.5);
    EXPECT_EQ(StoreDouble(std::numeric_limits<double>::max()), std::numeric_limits<double>::max());
}

TEST(StoreDoubleTest, a_value_beyond_the_double_range_is_an_overflow) {
    EXPECT_EQ(FailureOf([] { StoreDouble(1e309L); }), kOverflow);
    EXPECT_EQ(FailureOf([] { StoreDouble(-1e4000L); }), kOverflow);
    // Halfway between the largest double and 2^1024 rounds up, beyond the range.
    EXPECT_EQ(FailureOf([] { StoreDouble((2.0L - 0x1p-53L) * 0x1p1023L); }), kOverflow);
    // Worded in the student's language like every other arithmetic failure.
    try {
        StoreDouble(1e309L);
    } catch (const Failure& f) {
        EXPECT_EQ(f.line(), Line::fail_overflow);
    }
}

TEST(StoreDoubleTest, a_value_just_above_the_largest_double_rounds_down_to_it) {
    const long double above = std::nextafter(static_cast<long double>(std::numeric_limits<double>::max()),
                                             std::numeric_limits<long double>::infinity());
    EXPECT_EQ(StoreDouble(above), std::numeric_limits<double>::max());
    EXPECT_EQ(StoreDouble(-above), -std::numeric_limits<double>::max());
}

TEST(StoreDoubleTest, an_underflowing_value_becomes_a_denormal_or_zero) {
    EXPECT_EQ(StoreDouble(1e-400L), 0.0);
    EXPECT_EQ(StoreDouble(5e-324L), std::numeric_limits<double>::denorm_min());
}

} // namespace
} // namespace tc
