// SPDX-License-Identifier: GPL-3.0-or-later
// Reading numbers typed into cells and fields.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <ostream>
#include <string>
#include <tuple>

#include "numbers/convert.h"
#include "numbers_test_support.h"

namespace tc::test {
namespace {

struct ReadCase {
    const char* name;
    const char* text; // "." stands for the separator under test
    long double value;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

const ReadCase kReadCases[] = {
    {"TwoAndAHalf", "2.5", 2.5L},
    {"BlanksAroundNegative", " -3 ", -3.0L},
    {"ExplicitPlus", "+7", 7.0L},
    {"LowerCaseExponent", "1e3", 1000.0L},
    {"UpperCaseExponentWithPlus", "1E+3", 1000.0L},
    {"NegativeExponent", "25e-1", 2.5L},
    {"FractionWithoutIntegerDigits", ".5", 0.5L},
    {"SeparatorWithoutFraction", "5.", 5.0L},
    {"LoneSeparatorIsZero", ".", 0.0L},
    {"LoneSeparatorWithExponent", ".e7", 0.0L},
    // Exact equality with the long double literal: a double anywhere in the
    // reading would lose the last eleven bits.
    {"TenthInExtendedPrecision", "0.1", 0.1L},
    {"PiToAllDigits", "3.14159265358979323846264338327950288", 3.14159265358979323846264338327950288L},
    {"LargestFinite", "1.18973149535723176502e4932", LDBL_MAX},
    {"UnderflowToDenormal", "1e-4940", 1e-4940L},
    {"UnderflowToZero", "1e-5000", 0.0L},
    {"ZeroWithHugeExponent", "0e99999999999", 0.0L},
};

class ReadsNumber : public ::testing::TestWithParam<std::tuple<ReadCase, char>> {};

TEST_P(ReadsNumber, WithSeparator) {
    const auto [c, decimal] = GetParam();
    const std::string text = WithSeparator(c.text, decimal);
    EXPECT_EQ(StrToFloat(text, decimal), c.value) << "text '" << text << "'";
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadsNumber,
                         ::testing::Combine(::testing::ValuesIn(kReadCases),
                                            ::testing::ValuesIn(kSeparators)),
                         NameAndSeparator());

struct RejectCase {
    const char* name;
    const char* text; // "." stands for the separator under test
};

void PrintTo(const RejectCase& c, std::ostream* os) {
    *os << c.name;
}

const RejectCase kRejectCases[] = {
    {"EmptyCell", ""},
    {"OnlyBlanks", "   "},
    {"LeadingTab", "\t5"},
    {"Letters", "abc"},
    {"TrailingLetter", "12a"},
    {"BlankInsideDigits", "1 000"},
    {"BlankAfterSign", "- 5"},
    {"SignOnly", "-"},
    {"TwoSigns", "+-5"},
    {"TwoSeparators", "1.2.3"},
    {"ExponentWithoutMantissa", "e5"},
    {"ExponentWithoutDigits", "1e"},
    {"FractionalExponent", "1e2.5"},
    {"HexNumber", "0x10"},
    {"Infinity", "inf"},
    {"NonBreakingSpace", "\xC2\xA0"
                         "5"},
    {"OverflowingExponent", "1e5000"},
    {"JustAboveLargestFinite", "1.2e4932"},
};

class RejectsText : public ::testing::TestWithParam<std::tuple<RejectCase, char>> {};

TEST_P(RejectsText, WithTheWholeTextInTheMessage) {
    // Not a structured binding: a lambda may not capture one before C++20.
    const RejectCase c = std::get<0>(GetParam());
    const char decimal = std::get<1>(GetParam());
    const std::string text = WithSeparator(c.text, decimal);
    EXPECT_EQ(FailureOf([&] { StrToFloat(text, decimal); }),
              "'" + text + "' is not a valid floating point value");
}

INSTANTIATE_TEST_SUITE_P(Texts, RejectsText,
                         ::testing::Combine(::testing::ValuesIn(kRejectCases),
                                            ::testing::ValuesIn(kSeparators)),
                         NameAndSeparator());

TEST(StrToFloat, ReadsOnlyTheSeparatorItIsGiven) {
    EXPECT_EQ(StrToFloat("2,5", ','), 2.5L);
    EXPECT_EQ(FailureOf([] { StrToFloat("2.5", ','); }), "'2.5' is not a valid floating point value");
    EXPECT_EQ(StrToFloat("2.5", '.'), 2.5L);
    EXPECT_EQ(FailureOf([] { StrToFloat("2,5", '.'); }), "'2,5' is not a valid floating point value");
}

TEST(StrToFloat, KeepsTheSignOfNegativeZero) {
    EXPECT_TRUE(std::signbit(StrToFloat("-0", '.')));
    EXPECT_TRUE(std::signbit(StrToFloat("-.", '.')));
}

struct IntCase {
    const char* text;
    std::int32_t value;
};

TEST(StrToInt, ReadsSignedDecimalDigitsOfThe32BitRange) {
    const IntCase cases[] = {{"0", 0},
                             {"42", 42},
                             {"+5", 5},
                             {"-17", -17},
                             {"007", 7},
                             {"2147483647", 2147483647},
                             {"-2147483648", -2147483647 - 1}};
    for (const auto& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.value) << "text '" << c.text << "'";
}

TEST(StrToInt, RejectsAnythingElse) {
    const char* const texts[] = {"",    "-",   " 5",         "5 ",          "1.0",
                                 "1e3", "abc", "2147483648", "-2147483649", "99999999999999999999"};
    for (const char* text : texts)
        EXPECT_EQ(FailureOf([&] { StrToInt(text); }),
                  "'" + std::string(text) + "' is not a valid integer value");
}

} // namespace
} // namespace tc::test
