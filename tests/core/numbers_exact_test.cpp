// SPDX-License-Identifier: GPL-3.0-or-later
// Exact values of typed numbers and the extended values nearest to exact ones.

#include <gtest/gtest.h>

#include <cmath>

#include "calc/common/determinants.h"
#include "numbers/exact.h"

namespace tc {
namespace {

TEST(ReadExactTest, reads_typed_decimals_digit_by_digit) {
    EXPECT_EQ(ReadExact("0.1", '.'), Rational(1, 10));
    // Leading zeros are decimal digits, not an octal prefix.
    EXPECT_EQ(ReadExact("0.00012345", '.'), Rational(2469, 20000000));
    EXPECT_EQ(ReadExact(" -012,5e-2 ", ','), Rational(-1, 8));
    EXPECT_EQ(ReadExact("8E6", '.'), Rational(8000000));
    EXPECT_EQ(ReadExact(",5", ','), Rational(1, 2));
    EXPECT_THROW(ReadExact("1/3", '.'), Failure);
    EXPECT_THROW(ReadExact("0,1", '.'), Failure);
}

TEST(ReadExactTest, reads_fractions_where_they_may_be_typed) {
    EXPECT_EQ(ReadExact("1/3", '.', true), Rational(1, 3));
    EXPECT_EQ(ReadExact("-2.5/ 10", '.', true), Rational(-1, 4));
    EXPECT_EQ(ReadExact("0.1", '.', true), Rational(1, 10));
    EXPECT_THROW(ReadExact("1/0", '.', true), Failure);
    EXPECT_THROW(ReadExact("1/2/3", '.', true), Failure);
    EXPECT_THROW(ReadExact("/3", '.', true), Failure);
}

// Numbers typed in exact fractions: computed with all their digits, so each
// decimal is held to 300 significant digits and 5000 decimal places, and
// refused beyond, never read as a nearby value.
struct ExactLimitCase {
    const char* name;
    std::string text;
    bool refused;
    Rational value; // when not refused
};

std::string Digits(int count) {
    std::string d;
    for (int i = 0; i < count; ++i)
        d += static_cast<char>('1' + i % 9);
    return d;
}

Rational TenToThe(int e) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(e < 0 ? -e : e));
    return e < 0 ? Rational(1 / Rational(p)) : Rational(p);
}

const ExactLimitCase kExactLimitCases[] = {
    {"PlacesAtTheLimit", "1e-5000", false, TenToThe(-5000)},
    {"ZerosAfterTheLastDigitAreNoPlaces", "1.000000e-5000", false, TenToThe(-5000)},
    {"OnePlaceBeyond", "1e-5001", true, 0},
    {"FarBelowTheExtendedRange", "1e-20001", true, 0},
    {"PlacesFromTheDigitsAndTheExponent", "0.00001e-19996", true, 0},
    {"AnExponentOfNineDigits", "1e-999999999", true, 0},
    {"ZeroWithAnyExponentIsZero", "0.000e-999999", false, 0},
    {"TheLargestTypedPower", "1e4932/0.5", false, 2 * TenToThe(4932)},
    {"SignificantDigitsAtTheLimit", Digits(300), false, Rational(mpz_class(Digits(300)))},
    {"LeadingAndTrailingZerosAreNotSignificant", "000" + Digits(300) + "000", false,
     Rational(mpz_class(Digits(300) + "000"))},
    {"OneSignificantDigitTooMany", Digits(301), true, 0},
    {"TooLongInTheDenominator", "1/0." + Digits(301), true, 0},
};

void PrintTo(const ExactLimitCase& c, std::ostream* os) {
    *os << c.name;
}

class ExactLimit : public ::testing::TestWithParam<ExactLimitCase> {};

TEST_P(ExactLimit, ReadsOrRefusesByTheSizeOfTheNumber) {
    const ExactLimitCase& c = GetParam();
    if (!c.refused) {
        EXPECT_EQ(ReadExact(c.text, '.', true), c.value);
        return;
    }
    try {
        ReadExact(c.text, '.', true);
        ADD_FAILURE() << "no failure";
    } catch (const Failure& f) {
        EXPECT_EQ(f.line(), Line::fail_exact_too_long);
        // The failure names the whole typed text, fraction and all.
        EXPECT_EQ(f.args(), (std::vector<std::string>{c.text, "300", "5000"}));
        EXPECT_EQ(f.message(), "\"" + c.text +
                                   "\" has too many digits for exact fractions: a number may have at most 300 "
                                   "significant digits and 5000 decimal places");
    }
}

INSTANTIATE_TEST_SUITE_P(Values, ExactLimit, ::testing::ValuesIn(kExactLimitCases),
                         [](const ::testing::TestParamInfo<ExactLimitCase>& run) {
                             return std::string(run.param.name);
                         });

TEST(ReadExactTest, typed_decimals_of_the_determinants_keep_their_old_reading) {
    // Beyond what an extended value tells apart, a decimal of the decimal
    // mode is its extended value, as its computation reads it.
    EXPECT_EQ(ReadExact("1e-20001", '.'), 0);
    EXPECT_EQ(ReadExact(Digits(301), '.'), Rational(mpz_class(Digits(301))));
}

TEST(NearestExtTest, rounds_to_nearest_with_ties_to_even) {
    EXPECT_EQ(NearestExt(Rational(1, 10)).value(), 0.1L);
    EXPECT_EQ(NearestExt(Rational(-9, 2)).value(), -4.5L);
    // 2^64 + 1 lies halfway between 2^64 and 2^64 + 2: the even one, 2^64.
    const mpz_class two64 = mpz_class(1) << 64;
    EXPECT_EQ(NearestExt(Rational(two64 + 1)).value(), std::ldexp(1.0L, 64));
    EXPECT_EQ(NearestExt(Rational(two64 + 3)).value(), std::ldexp(1.0L, 64) + 4.0L);
    // Just above the halfway point rounds up.
    EXPECT_EQ(NearestExt(Rational(two64 + 1) + Rational(1, 7)).value(), std::ldexp(1.0L, 64) + 2.0L);
    EXPECT_EQ(NearestExt(ExactOf(Ext(1.0L / 3.0L))).value(), 1.0L / 3.0L);
}

TEST(NearestExtTest, reaches_the_subnormal_values_and_fails_beyond_the_largest) {
    const Rational tiny = Rational(1) / Rational(mpz_class(1) << 16445);
    EXPECT_EQ(NearestExt(tiny).value(), std::ldexp(1.0L, -16445));
    EXPECT_EQ(NearestExt(tiny / 3).value(), 0.0L);
    EXPECT_THROW(NearestExt(Rational(mpz_class(1) << 16384)), Failure);
    // A drawing takes a value beyond the range as infinite, without failing.
    EXPECT_EQ(NearestOrInfinite(Rational(mpz_class(1) << 16384)).value(), HUGE_VALL);
    EXPECT_EQ(NearestOrInfinite(-Rational(mpz_class(1) << 16384)).value(), -HUGE_VALL);
    EXPECT_EQ(NearestOrInfinite(Rational(1, 4)).value(), 0.25L);
}

TEST(ExactDeterminantTest, is_zero_for_a_matrix_singular_as_typed) {
    std::vector<Rational> a;
    for (const char* t : {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1", "1.1", "1.2",
                          "1.3", "1.4", "1.5", "1.7"})
        a.push_back(ReadExact(t, '.'));
    EXPECT_EQ(ExactDeterminant(a, 4), 0);
    // A zero first pivot swaps rows and changes the sign.
    EXPECT_EQ(ExactDeterminant({0, 1, 1, 0}, 2), -1);
    EXPECT_EQ(ExactDeterminant({2, 0, 0, 0, 3, 0, 0, 0, Rational(1, 6)}, 3), 1);
}

} // namespace
} // namespace tc
