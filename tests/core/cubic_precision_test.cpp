// SPDX-License-Identifier: GPL-3.0-or-later
// Cubics built exactly from chosen decimal roots, a*(x-r1)(x-r2)(x-r3) or
// a*(x-r)(x^2-2m*x+m^2+n^2), over spreads of 1E12 to 1E60 between the
// roots, pure imaginary pairs, multiple roots and tiny or huge leading
// coefficients: every root (every part of a complex one) must be the
// extended value nearest to the true one, so its shown digits are right.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calc/equation/cubic_solve.h"
#include "calc/equation/exact_cubic.h"
#include "calc/equation/exact_number.h"
#include "numbers/convert.h"

namespace tc {
namespace {

mpq_class Q(const char* text) {
    return ExactDecimal(text, '.');
}

CubicInputs FromCoefficients(const std::array<mpq_class, 4>& k) {
    CubicInputs in;
    in.exact = k;
    for (size_t i = 0; i < 4; ++i)
        in.kept[i] = NearestExt(k[i]);
    return in;
}

struct RealRootsRow {
    const char* r1;
    const char* r2;
    const char* r3;
};

// Distinct, double and triple real roots.
const RealRootsRow kRealRoots[] = {
    {"1", "-2", "-1e20"},       {"1e-12", "1", "3"},
    {"-7e-30", "2.5", "1e30"},  {"1e-60", "-1", "1"},
    {"0.1", "0.2", "1e60"},     {"1e-40", "1e-20", "1"},
    {"123.456", "123.457", "-9e50"}, {"1", "1.000000000000000000000000000001", "2"},
    {"-5e-61", "5e-61", "3"},   {"0", "1e-45", "-2e15"},
    {"0.3", "0.3", "-0.7"},     {"1.1", "1.1", "1.1"},
    {"-17.5", "-17.5", "-17.5"}, {"1e-20", "1e-20", "5"},
    {"4e30", "-1e-30", "-1e-30"},       {"0.999999999999999999999999999999", "1", "1.000000000000000000000000000001"},
};

struct PairRow {
    const char* r; // the real root
    const char* m; // the pair m +- n*i
    const char* n;
};

const PairRow kPairs[] = {
    {"-1e40", "5e-81", "1e-20"}, {"-0.1", "0", "1"},      {"2.5", "0", "3e-10"},
    {"1e20", "0", "1e-20"},      {"1e-30", "0", "1e30"},  {"1", "1e-20", "1e20"},
    {"-3e25", "7", "2"},         {"0.001", "-1e12", "1e-12"}, {"1e-60", "1", "1"},
    {"7", "7", "1e-25"},         {"0", "-2.5", "0.5"},     {"-1e-50", "3e10", "4e10"},
};

const char* const kLeading[] = {"1", "-3", "1e-60", "2e40", "0.7"};

std::string Name(const mpq_class& a, const std::vector<mpq_class>& roots) {
    std::string s = "a=" + a.get_str();
    for (const mpq_class& r : roots)
        s += " " + r.get_str();
    return s;
}

// The shown digits and the value itself.
void ExpectRounded(Ext got, const mpq_class& exact, const std::string& what) {
    const Ext want = NearestExt(exact);
    EXPECT_EQ(Numbers().text(got), Numbers().text(want)) << what;
    EXPECT_EQ(got.value(), want.value()) << what;
}

class CubicRealRootsTest : public ::testing::TestWithParam<std::tuple<RealRootsRow, const char*>> {};

TEST_P(CubicRealRootsTest, each_root_is_the_nearest_extended_value) {
    const auto& [row, lead] = GetParam();
    const mpq_class a = Q(lead), r1 = Q(row.r1), r2 = Q(row.r2), r3 = Q(row.r3);
    const CubicSolution s =
        SolveCubic(FromCoefficients({a, -a * (r1 + r2 + r3), a * (r1 * r2 + r1 * r3 + r2 * r3), -a * r1 * r2 * r3}));
    std::vector<mpq_class> want = {r1, r2, r3};
    std::sort(want.begin(), want.end());
    std::vector<Ext> got;
    for (const Root& x : s.x) {
        EXPECT_FALSE(x.complex);
        got.push_back(x.re);
    }
    std::sort(got.begin(), got.end());
    for (size_t i = 0; i < 3; ++i)
        ExpectRounded(got[i], want[i], Name(a, want) + ", root " + std::to_string(i));
}

INSTANTIATE_TEST_SUITE_P(Families, CubicRealRootsTest,
                         ::testing::Combine(::testing::ValuesIn(kRealRoots), ::testing::ValuesIn(kLeading)));

class CubicPairTest : public ::testing::TestWithParam<std::tuple<PairRow, const char*>> {};

TEST_P(CubicPairTest, the_real_root_and_both_parts_of_the_pair_are_the_nearest_values) {
    const auto& [row, lead] = GetParam();
    const mpq_class a = Q(lead), r = Q(row.r), m = Q(row.m), n = Q(row.n);
    // a*(x-r)*(x^2+q1*x+q0)
    const mpq_class q1 = -2 * m, q0 = m * m + n * n;
    const CubicSolution s = SolveCubic(FromCoefficients({a, a * (q1 - r), a * (q0 - r * q1), -a * r * q0}));
    const std::string what = Name(a, {r, m, n});
    ASSERT_EQ(s.kind, CubicCase::OneReal) << what;
    ExpectRounded(s.x[0].re, r, what + ", real root");
    ExpectRounded(s.x[1].re, m, what + ", real part");
    ExpectRounded(s.x[1].im, n, what + ", imaginary part");
    EXPECT_EQ(s.x[2].re.value(), s.x[1].re.value()) << what;
    EXPECT_EQ(s.x[2].im.value(), -s.x[1].im.value()) << what;
}

INSTANTIATE_TEST_SUITE_P(Families, CubicPairTest,
                         ::testing::Combine(::testing::ValuesIn(kPairs), ::testing::ValuesIn(kLeading)));

// (x-c)^3 = s^3 just beside a triple root: x = c+s and c-s/2 +- s*sqrt(3)/2*i,
// all three within |s| of c. The start values cannot tell them apart.
struct NearTripleRow {
    const char* c;
    const char* s;
};

const NearTripleRow kNearTriple[] = {
    {"1", "1e-15"}, {"1", "-1e-16"}, {"-2.5", "3e-30"}, {"1e20", "1e5"}, {"0.1", "1e-40"}, {"7", "0.001"},
};

class CubicNearTripleTest : public ::testing::TestWithParam<std::tuple<NearTripleRow, const char*>> {};

TEST_P(CubicNearTripleTest, the_three_roots_around_the_cluster_are_the_nearest_values) {
    const auto& [row, lead] = GetParam();
    const mpq_class a = Q(lead), c = Q(row.c), sc = Q(row.s);
    // a*((x-c)^3 - s^3)
    const CubicSolution s =
        SolveCubic(FromCoefficients({a, -3 * a * c, 3 * a * c * c, -a * (c * c * c + sc * sc * sc)}));
    const std::string what = Name(a, {c, sc});
    ASSERT_EQ(s.kind, CubicCase::OneReal) << what;
    ExpectRounded(s.x[0].re, c + sc, what + ", real root");
    ExpectRounded(s.x[1].re, c - sc / 2, what + ", real part");
    const Ext im = NearestSqrt(3 * sc * sc / 4);
    EXPECT_EQ(s.x[1].im.value(), im.value()) << what << ", imaginary part";
}

INSTANTIATE_TEST_SUITE_P(Families, CubicNearTripleTest,
                         ::testing::Combine(::testing::ValuesIn(kNearTriple), ::testing::ValuesIn(kLeading)));

// The square root of an extended value is rounded once by the FPU too.
TEST(NearestSqrtTest, rounds_once_as_the_fpu_does) {
    for (long double v : {2.0L, 3.0L, 10.0L, 0.1L, 3 * 0x1p-16000L, 1e4000L, 7e-4000L, 0x1p-16440L, 4.0L})
        EXPECT_EQ(NearestSqrt(ExactOf(v)).value(), std::sqrt(v)) << v;
    EXPECT_EQ(NearestSqrt(0).value(), 0.0L);
}

} // namespace
} // namespace tc
