// SPDX-License-Identifier: GPL-3.0-or-later
// The number forms of results and written solutions.

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <tuple>

#include "numbers/convert.h"
#include "numbers_test_support.h"

namespace tc::test {
namespace {

// FloatToStr, and FormatGeneral with a chosen number of digits.
struct GeneralCase {
    const char* name;
    long double value;
    int digits;
    const char* text; // "." stands for the separator under test
};

void PrintTo(const GeneralCase& c, std::ostream* os) {
    *os << c.name;
}

const GeneralCase kGeneralCases[] = {
    {"Two", 2.0L, 15, "2"},
    {"TwoAndAHalf", 2.5L, 15, "2.5"},
    {"NegativeWithFraction", -123.45L, 15, "-123.45"},
    {"WholeNumberKeepsItsZeros", 1200.0L, 15, "1200"},
    {"OneThird", 1.0L / 3.0L, 15, "0.333333333333333"},
    {"TenthPlusTwoTenths", 0.1L + 0.2L, 15, "0.3"},
    {"ExponentMinusThreeIsFixed", 0.0001L, 15, "0.0001"},
    {"ExponentMinusThreeWithDigits", 0.00012345L, 15, "0.00012345"},
    {"ExponentMinusFourIsScientific", 0.00005L, 15, "5E-5"},
    {"ScientificWithFraction", 1.5e-7L, 15, "1.5E-7"},
    {"TenToThe14HasFifteenDigits", 1e14L, 15, "100000000000000"},
    {"FifteenDigitInteger", 123456789012345.0L, 15, "123456789012345"},
    {"TenToThe15IsScientific", 1e15L, 15, "1E15"},
    {"SixteenDigitInteger", 1234567890123456.0L, 15, "1.23456789012346E15"},
    {"TenToThe20", 1e20L, 15, "1E20"},
    {"Zero", 0.0L, 15, "0"},
    {"NegativeZeroHasNoSign", -0.0L, 15, "0"},
    {"CarryAddsAnIntegerDigit", 9.999999999999999L, 15, "10"},
    {"CarryPushesIntoScientific", 999999999999999.9L, 15, "1E15"},
    {"CarryPullsIntoFixed", 0.00009999999999999999L, 15, "0.0001"},
    // Rounded once, from the exact binary value: digits just below a tie
    // round down, however many nines or a rounding to 18 digits would make
    // of them.
    {"JustBelowATieRoundsDown", 1.000000000000004999L, 15, "1"},
    {"FurtherBelowATieRoundsDown", 1.000000000000004994L, 15, "1"},
    {"BelowATieAfterManyDigits", 2.1424285285628549994L, 15, "2.14242852856285"},
    {"JustAboveATieRoundsUp", 2.1424285285628550006L, 15, "2.14242852856286"},
    {"AnExactTieRoundsUp", 1.25L, 2, "1.3"},
    {"EighteenDigitsOfAValueJustBelowATie", 2.1424285285628549994L, 18, "2.142428528562855"},
    {"LargestFinite", LDBL_MAX, 15, "1.18973149535723E4932"},
    {"SmallestDenormal", LDBL_TRUE_MIN, 15, "3.64519953188247E-4951"},
    // Rounded up, these would exceed the largest value and read back as an
    // overflow; they are cut instead, and read back.
    {"LargestFiniteAtEighteen", LDBL_MAX, 18, "1.18973149535723176E4932"},
    {"LargestFiniteAtTwo", -LDBL_MAX, 2, "-1.1E4932"},
    {"EightDigitsOfTwoThirds", 2.0L / 3.0L, 8, "0.66666667"},
    {"EightDigitInteger", 12345678.0L, 8, "12345678"},
    {"NineDigitsAtEight", 123456789.0L, 8, "1.2345679E8"},
    {"TenToTheEighthAtEight", 1e8L, 8, "1E8"},
    {"FiveDigitsOfPi", 3.14159265358979323846L, 5, "3.1416"},
    {"OneDigitActsAsTwo", 3.14159265358979323846L, 1, "3.1"},
    {"EighteenDigitsOfTwoThirds", 2.0L / 3.0L, 18, "0.666666666666666667"},
    {"TwentyFiveDigitsActAsEighteen", 1.0L / 3.0L, 25, "0.333333333333333333"},
    {"EighteenDigitsOfTheTenth", 0.1L, 18, "0.1"},
    {"NotANumber", std::numeric_limits<long double>::quiet_NaN(), 15, "NAN"},
    {"NegativeInfinity", -std::numeric_limits<long double>::infinity(), 15, "-INF"},
};

class GeneralForm : public ::testing::TestWithParam<std::tuple<GeneralCase, char>> {};

TEST_P(GeneralForm, Writes) {
    const auto [c, decimal] = GetParam();
    const std::string expected = WithSeparator(c.text, decimal);
    EXPECT_EQ(FormatGeneral(c.value, c.digits, decimal), expected);
    // What the program writes, it can read again.
    if (std::isfinite(c.value)) {
        EXPECT_NO_THROW(StrToFloat(expected, decimal));
    }
    if (c.digits == 15) {
        EXPECT_EQ(FloatToStr(c.value, decimal), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, GeneralForm,
                         ::testing::Combine(::testing::ValuesIn(kGeneralCases),
                                            ::testing::ValuesIn(kSeparators)),
                         NameAndSeparator());

struct FixedCase {
    const char* name;
    long double value;
    int decimals;
    int precision;
    const char* text; // "." stands for the separator under test
};

void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << c.name;
}

const FixedCase kFixedCases[] = {
    {"TwoWithSixDecimals", 2.0L, 6, 15, "2.000000"},
    {"NegativeHalfWithThree", -0.5L, 3, 15, "-0.500"},
    {"TwoThirdsWithFour", 2.0L / 3.0L, 4, 15, "0.6667"},
    {"FiveWithThree", 5.0L, 3, 15, "5.000"},
    {"RootOf29WithSix", std::sqrt(29.0L), 6, 15, "5.385165"},
    {"NegativeRoundingToZeroHasNoSign", -0.00001L, 4, 15, "0.0000"},
    {"NegativeZeroHasNoSign", -0.0L, 4, 15, "0.0000"},
    {"HalfUpNotToEven", 0.125L, 2, 15, "0.13"},
    {"BelowATieAtFourteenDecimals", 2.1424285285628549994L, 14, 15, "2.14242852856285"},
    {"HalfOfTheLastDecimalRoundsUp", 0.00005L, 4, 15, "0.0001"},
    {"NegativeHalfOfTheLastDecimal", -0.00005L, 4, 15, "-0.0001"},
    {"BelowHalfOfTheLastDecimal", 0.00004999L, 4, 15, "0.0000"},
    {"FarBelowTheLastDecimal", 0.000009L, 4, 15, "0.0000"},
    {"CarryIntoTheIntegerPart", 9.99995L, 4, 15, "10.0000"},
    {"NoDecimalsNoSeparator", 2.5L, 0, 15, "3"},
    // The 15th significant digit comes before the 9th decimal.
    {"FifteenDigitsBeforeTheDecimals", 123456789.123456789L, 9, 15, "123456789.123457000"},
    {"FifteenDigitIntegerPart", 123456789012345.0L, 2, 15, "123456789012345.00"},
    {"SixteenDigitIntegerPartIsGeneral", 1234567890123456.0L, 2, 15, "1.23456789012346E15"},
    {"CarryToSixteenDigitsIsGeneral", 999999999999999.9L, 2, 15, "1E15"},
    {"HugeIsGeneral", 1e20L, 4, 15, "1E20"},
    // A stated precision also holds in the general fallback.
    {"FallbackKeepsEighteenDigits", 7.914000000000009e22L, 4, 18, "7.914000000000009E22"},
    {"FallbackAtFifteenDigits", 7.914000000000009e22L, 4, 15, "7.91400000000001E22"},
    {"PrecisionTwentyActsAsEighteen", 1.0L / 3.0L, 20, 20, "0.33333333333333333300"},
    {"PrecisionOneActsAsTwo", 1.0L / 3.0L, 4, 1, "0.3300"},
    {"SeventeenDigitIntegerAtEighteen", 12345678901234567.0L, 1, 18, "12345678901234567.0"},
};

class FixedForm : public ::testing::TestWithParam<std::tuple<FixedCase, char>> {};

TEST_P(FixedForm, Writes) {
    const auto [c, decimal] = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.decimals, decimal, c.precision), WithSeparator(c.text, decimal));
}

INSTANTIATE_TEST_SUITE_P(Values, FixedForm,
                         ::testing::Combine(::testing::ValuesIn(kFixedCases),
                                            ::testing::ValuesIn(kSeparators)),
                         NameAndSeparator());

TEST(FormatFixed, DefaultPrecisionIsFifteen) {
    EXPECT_EQ(FormatFixed(1.0L / 3.0L, 17, '.'), "0.33333333333333300");
}

TEST(IntToStr, WritesDigitsWithMinusOnlyWhenNegative) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(12), "12");
    EXPECT_EQ(IntToStr(-5), "-5");
    EXPECT_EQ(IntToStr(LLONG_MIN), "-9223372036854775808");
}

} // namespace
} // namespace tc::test
