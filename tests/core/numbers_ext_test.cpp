// SPDX-License-Identifier: GPL-3.0-or-later
// Checked extended-precision arithmetic.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <iomanip>
#include <limits>
#include <ostream>
#include <string>

#include "numbers/ext.h"
#include "numbers_test_support.h"

namespace tc {
// Shows an Ext with all its digits when an assertion fails.
void PrintTo(Ext x, std::ostream* os) {
    const auto flags = os->flags();
    *os << std::setprecision(21) << x.value();
    os->flags(flags);
}
} // namespace tc

namespace tc::test {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();

struct FailingCase {
    const char* name;
    std::function<Ext()> operation;
    const char* message;
};

void PrintTo(const FailingCase& c, std::ostream* os) {
    *os << c.name;
}

const FailingCase kFailingCases[] = {
    {"OneByZero", [] { return Ext(1.0L) / Ext(0.0L); }, kDivisionByZero},
    {"OneByNegativeZero", [] { return Ext(1.0L) / Ext(-0.0L); }, kDivisionByZero},
    {"TinyByZero", [] { return Ext(LDBL_TRUE_MIN) / Ext(0.0L); }, kDivisionByZero},
    {"ZeroByZero", [] { return Ext(0.0L) / Ext(0.0L); }, kInvalidOperation},
    {"RootOfMinusOne", [] { return Sqrt(Ext(-1.0L)); }, kInvalidOperation},
    {"ArcCosJustAboveOne", [] { return ArcCos(Ext(1.0001L)); }, kInvalidOperation},
    {"ArcSinAboveOne", [] { return ArcSin(Ext(1.5L)); }, kInvalidOperation},
    // The square of a huge argument overflows before the root sees it.
    {"ArcCosOfHugeOverflowsInTheSquare", [] { return ArcCos(Ext(1e3000L)); }, kOverflow},
    {"ProductBeyondRange", [] { return Ext(1e4000L) * Ext(1e4000L); }, kOverflow},
    {"SumBeyondRange", [] { return Ext(LDBL_MAX) + Ext(LDBL_MAX); }, kOverflow},
    {"QuotientBeyondRange", [] { return Ext(LDBL_MAX) / Ext(0.5L); }, kOverflow},
    {"InfinityMinusInfinity", [] { return Ext(kInf) - Ext(kInf); }, kInvalidOperation},
    {"ZeroTimesInfinity", [] { return Ext(0.0L) * Ext(kInf); }, kInvalidOperation},
    {"NotANumberOperand", [] { return Ext(std::nanl("")) + Ext(1.0L); }, kInvalidOperation},
};

class FailingOperation : public ::testing::TestWithParam<FailingCase> {};

TEST_P(FailingOperation, ThrowsItsMessage) {
    EXPECT_EQ(FailureOf(GetParam().operation), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Arithmetic, FailingOperation, ::testing::ValuesIn(kFailingCases),
                         [](const auto& run) { return std::string(run.param.name); });

TEST(Ext, KeepsExtendedPrecision) {
    const Ext third = Ext(1.0L) / Ext(3.0L);
    EXPECT_EQ(third.value(), 1.0L / 3.0L);
    EXPECT_NE(third.value(), static_cast<long double>(1.0 / 3.0));
    EXPECT_EQ(Sqrt(Ext(2.0L)).value(), std::sqrt(2.0L));
    EXPECT_NE(Sqrt(Ext(2.0L)).value(), static_cast<long double>(std::sqrt(2.0)));
}

TEST(Ext, UnderflowIsNoFailure) {
    EXPECT_EQ(Ext(1e-4000L) * Ext(1e-4000L), Ext(0.0L));
    EXPECT_EQ(Ext(LDBL_TRUE_MIN) / Ext(4.0L), Ext(0.0L));
    EXPECT_EQ(Ext(LDBL_MIN) / Ext(2.0L), Ext(LDBL_MIN / 2.0L)); // a denormal
    EXPECT_TRUE(std::signbit(Sqrt(Ext(-0.0L)).value()));
}

TEST(Ext, FailedCompoundAssignmentLeavesTheValue) {
    Ext x = 2.0L;
    x *= 3.0L;
    EXPECT_EQ(FailureOf([&] { x /= 0.0L; }), kDivisionByZero);
    EXPECT_EQ(x, Ext(6.0L));
    x = LDBL_MAX / 2.0L;
    x += x; // exactly the largest finite value, not yet an overflow
    EXPECT_EQ(x, Ext(LDBL_MAX));
    EXPECT_EQ(FailureOf([&] { x += 1e4920L; }), kOverflow);
    EXPECT_EQ(x, Ext(LDBL_MAX));
}

// A cosine or sine past 1 by rounding is 1; the angle follows from that.
struct WithinOneCase {
    const char* name;
    long double x;
    long double within; // WithinOne(x)
};

void PrintTo(const WithinOneCase& c, std::ostream* os) {
    *os << c.name;
}

const WithinOneCase kWithinOneCases[] = {
    {"JustAboveOneIsOne", 1.0L + LDBL_EPSILON, 1.0L},
    {"JustBelowMinusOneIsMinusOne", -1.0L - LDBL_EPSILON, -1.0L},
    {"InsideStaysAsItIs", -0.3L, -0.3L},
};

class WithinOneRule : public ::testing::TestWithParam<WithinOneCase> {};

TEST_P(WithinOneRule, TakesAValuePastOneAsOne) {
    const WithinOneCase& c = GetParam();
    EXPECT_EQ(WithinOne(c.x), Ext(c.within));
    EXPECT_NO_THROW(ArcCos(WithinOne(c.x)));
    EXPECT_NO_THROW(ArcSin(WithinOne(c.x)));
}

INSTANTIATE_TEST_SUITE_P(Values, WithinOneRule, ::testing::ValuesIn(kWithinOneCases),
                         [](const ::testing::TestParamInfo<WithinOneCase>& run) {
                             return std::string(run.param.name);
                         });

TEST(Ext, AnglesAtTheirLimits) {
    EXPECT_EQ(Pi().value(), std::acos(-1.0L));
    EXPECT_EQ(ArcCos(-1.0L), Pi());
    EXPECT_EQ(ArcCos(1.0L), Ext(0.0L));
    EXPECT_EQ(ArcCos(0.0L), Pi() / 2.0L);
    EXPECT_LE(std::fabs((ArcCos(0.5L) - Pi() / 3.0L).value()), 4 * LDBL_EPSILON);
    EXPECT_EQ(ArcSin(1.0L), Pi() / 2.0L);
    EXPECT_EQ(ArcSin(-1.0L), -Pi() / 2.0L);
    EXPECT_EQ(ArcTan2(0.0L, 0.0L), Ext(0.0L));
    EXPECT_EQ(ArcTan2(0.0L, -1.0L), Pi());
    EXPECT_EQ(ArcTan2(1.0L, -1.0L), Pi() * 3.0L / 4.0L);
}

} // namespace
} // namespace tc::test
