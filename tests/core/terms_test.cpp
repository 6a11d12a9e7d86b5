// SPDX-License-Identifier: GPL-3.0-or-later
// The rules by which a number goes into a formula: a negative one in
// brackets, a later term with its sign, a typed fraction with its sign in
// front, and the entries of a determinant's row apart.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calc/common/terms.h"

namespace tc {
namespace {

// A typed text in exact fractions, the value it reads as, and how it goes
// into a formula as a later term (Signed) and as a factor (Bracketed).
struct TypedTermCase {
    const char* name;
    const char* text;
    Rational value;
    const char* signedTerm;
    const char* factor;
};

void PrintTo(const TypedTermCase& c, std::ostream* os) {
    *os << c.name;
}

const TypedTermCase kTypedTermCases[] = {
    {"MinusInTheDenominator", "1/-2", Rational(-1, 2), "-1/2", "(-1/2)"},
    {"MinusInFrontStays", "-1/2", Rational(-1, 2), "-1/2", "(-1/2)"},
    {"TwoMinusesMakeAPositiveFraction", "-3/-4", Rational(3, 4), "+3/4", "3/4"},
    {"PlusSignsAndSpacesGo", " +3 / -4 ", Rational(-3, 4), "-3/4", "(-3/4)"},
    {"DecimalPartsKeepTheirDigits", "0,50/-2", Rational(-1, 4), "-0,50/2", "(-0,50/2)"},
    {"ZeroOverANegative", "0/-5", Rational(0), "+0/5", "0/5"},
};

class TypedTerm : public ::testing::TestWithParam<TypedTermCase> {};

TEST_P(TypedTerm, WritesTheSignInFront) {
    const TypedTermCase& c = GetParam();
    EXPECT_EQ(Signed(std::string(c.text), c.value), c.signedTerm);
    EXPECT_EQ(Bracketed(std::string(c.text), c.value), c.factor);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedTerm, ::testing::ValuesIn(kTypedTermCases),
                         [](const ::testing::TestParamInfo<TypedTermCase>& run) {
                             return std::string(run.param.name);
                         });

TEST(EntrySeparator, is_a_semicolon_only_after_a_decimal_comma) {
    EXPECT_STREQ(EntrySeparator(Numbers('.')), ",");
    EXPECT_STREQ(EntrySeparator(Numbers(',')), ";");
    EXPECT_STREQ(EntrySeparator(Fractions()), ",");
}

} // namespace
} // namespace tc
