// SPDX-License-Identifier: GPL-3.0-or-later
// The cubic and biquadratic solvers over many coefficient sets: every root
// satisfies its equation, roots known from the factors come out to the last
// digit with their multiplicity, and the case follows the roots' kind.

#include <gtest/gtest.h>

#include <algorithm>
#include <complex>
#include <string>
#include <vector>

#include "calc/equation/biquadratic_solve.h"
#include "calc/equation/cubic_solve.h"
#include "calc/equation/exact_number.h"
#include "core/numbers_test_support.h"
#include "numbers/convert.h"

namespace tc {
namespace {

using test::FailureOf;
using Complex = std::complex<long double>;

Complex AsComplex(const Root& r) {
    return {r.re.value(), r.im.value()};
}

// |P(x)| against the size of its terms, sum |k_i|*|x|^i: a root rounded to
// 64 bits leaves a few units of 2^-64 of that, a wrong digit far more.
long double RelativeResidual(const std::vector<long double>& k, Complex x) {
    Complex p = 0;
    long double size = 0;
    for (long double c : k) {
        p = p * x + c;
        size = size * std::abs(x) + std::fabs(c);
    }
    return size == 0 ? std::abs(p) : std::abs(p) / size; // x = 0 with no constant term
}

// b*b-4*a*c of coefficients that are integers (or exact binary values).
mpq_class ExactDisc(long double a, long double b, long double c) {
    return ExactDiscriminant(ExactOf(a), ExactOf(b), ExactOf(c));
}

CubicInputs Cubic(long double a, long double b, long double c, long double d) {
    CubicInputs in;
    const long double k[] = {a, b, c, d};
    for (size_t i = 0; i < 4; ++i) {
        in.exact[i] = ExactDecimal(Numbers().text(k[i]), '.');
        in.kept[i] = k[i];
    }
    return in;
}

// The roots in a fixed order, to compare as multisets.
std::vector<Complex> Sorted(std::vector<Complex> v) {
    std::sort(v.begin(), v.end(), [](Complex p, Complex q) {
        return p.real() != q.real() ? p.real() < q.real() : p.imag() < q.imag();
    });
    return v;
}

void ExpectSameRoots(const std::vector<Complex>& got, const std::vector<Complex>& want,
                     const std::string& what) {
    const auto g = Sorted(got), w = Sorted(want);
    for (size_t i = 0; i < w.size(); ++i)
        EXPECT_LE(std::abs(g[i] - w[i]), 1e-17L * std::max(1.0L, std::abs(w[i])))
            << what << ": root " << i << " is " << g[i] << ", not " << w[i];
}

TEST(CubicSolverTest, integer_roots_come_out_exactly_with_their_multiplicity) {
    int cases = 0;
    for (int a : {1, -2, 3})
        for (int r1 = -3; r1 <= 3; ++r1)
            for (int r2 = r1; r2 <= 3; ++r2)
                for (int r3 = r2; r3 <= 3; ++r3) {
                    // a*(x-r1)(x-r2)(x-r3)
                    const long double b = -a * (r1 + r2 + r3), c = a * (r1 * r2 + r1 * r3 + r2 * r3),
                                      d = -a * r1 * r2 * r3;
                    const CubicSolution s = SolveCubic(Cubic(a, b, c, d));
                    const std::string what = std::to_string(a) + " " + std::to_string(r1) + " " +
                                             std::to_string(r2) + " " + std::to_string(r3);
                    const CubicCase kind = r1 == r3               ? CubicCase::Triple
                                           : r1 == r2 || r2 == r3 ? CubicCase::Double
                                                                  : CubicCase::ThreeReal;
                    EXPECT_EQ(s.kind, kind) << what;
                    std::vector<Complex> got;
                    for (const Root& x : s.x) {
                        EXPECT_FALSE(x.complex) << what;
                        got.push_back(AsComplex(x));
                    }
                    ExpectSameRoots(got, {Complex(r1), Complex(r2), Complex(r3)}, what);
                    ++cases;
                }
    EXPECT_EQ(cases, 252);
}

TEST(CubicSolverTest, a_real_root_and_a_complex_pair_from_their_factors) {
    // a*(x-r)*(x^2-2*m*x+m^2+n^2): the pair m+-n*i.
    for (int a : {1, -4})
        for (int r = -2; r <= 2; ++r)
            for (int m = -2; m <= 2; ++m)
                for (int n = 1; n <= 3; ++n) {
                    const long double q1 = -2 * m, q0 = m * m + n * n;
                    const CubicSolution s =
                        SolveCubic(Cubic(a, a * (q1 - r), a * (q0 - r * q1), -a * r * q0));
                    const std::string what =
                        std::to_string(r) + " " + std::to_string(m) + "+-" + std::to_string(n);
                    EXPECT_EQ(s.kind, CubicCase::OneReal) << what;
                    EXPECT_FALSE(s.x[0].complex);
                    EXPECT_TRUE(s.x[1].complex && s.x[2].complex);
                    EXPECT_GT(s.x[1].im, 0.0L);
                    ExpectSameRoots({AsComplex(s.x[0]), AsComplex(s.x[1]), AsComplex(s.x[2])},
                                    {Complex(r), Complex(m, n), Complex(m, -n)}, what);
                }
}

TEST(CubicSolverTest, every_root_satisfies_its_equation) {
    // A fixed sequence of integer and two-decimal coefficients of every size.
    unsigned long seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 6364136223846793005UL + 1442695040888963407UL;
        return static_cast<int>((seed >> 33) % static_cast<unsigned long>(2 * range + 1)) - range;
    };
    for (int i = 0; i < 400; ++i) {
        const long double scale = i % 2 ? 1.0L : 100.0L;
        std::vector<long double> k;
        for (int j = 0; j < 4; ++j)
            k.push_back(next(40) / scale);
        if (k[0] == 0) k[0] = 1;
        const CubicSolution s = SolveCubic(Cubic(k[0], k[1], k[2], k[3]));
        for (const Root& x : s.x)
            EXPECT_LE(RelativeResidual(k, AsComplex(x)), 1e-17L)
                << k[0] << " " << k[1] << " " << k[2] << " " << k[3] << ": " << AsComplex(x);
    }
}

TEST(CubicSolverTest, a_root_that_cancels_against_the_shift_keeps_its_digits) {
    // (x-1e-10)(x-1)(x-2): x = t - B/(3A) subtracts numbers near 1 for 1e-10.
    const CubicSolution s = SolveCubic(Cubic(1, -3.0000000001L, 2.0000000003L, -2e-10L));
    std::vector<Complex> got;
    for (const Root& x : s.x)
        got.push_back(AsComplex(x));
    ExpectSameRoots(got, {Complex(1e-10L), Complex(1), Complex(2)}, "1e-10, 1, 2");
    EXPECT_NEAR(static_cast<double>(Sorted(got)[0].real() / 1e-10L), 1.0, 1e-15);
}

TEST(BiquadraticSolverTest, roots_are_the_square_roots_of_each_t) {
    // a*(x^2-t1)(x^2-t2) with real t of each sign, zero and double.
    for (int a : {1, -3})
        for (int t1 = -4; t1 <= 4; ++t1)
            for (int t2 = t1; t2 <= 4; ++t2) {
                const std::vector<long double> k = {static_cast<long double>(a), 0,
                                                    static_cast<long double>(-a * (t1 + t2)), 0,
                                                    static_cast<long double>(a * t1 * t2)};
                const BiquadraticSolution s = SolveBiquadratic(k[0], k[2], k[4], ExactDisc(k[0], k[2], k[4]));
                std::vector<Complex> got, want;
                for (int t : {t1, t2}) {
                    const Complex w = std::sqrt(Complex(t));
                    want.push_back(w);
                    want.push_back(-w);
                }
                for (const Root& x : s.x) {
                    got.push_back(AsComplex(x));
                    EXPECT_LE(RelativeResidual(k, AsComplex(x)), 1e-17L);
                }
                ExpectSameRoots(got, want, std::to_string(t1) + " " + std::to_string(t2));
            }
}

TEST(BiquadraticSolverTest, complex_t_gives_four_complex_roots_that_satisfy_the_equation) {
    for (int b = -3; b <= 3; ++b)
        for (int c = 1; c <= 9; c += 2) {
            if (b * b >= 4 * c) continue;
            const std::vector<long double> k = {2, 0, 2.0L * b, 0, 2.0L * c};
            const BiquadraticSolution s = SolveBiquadratic(k[0], k[2], k[4], ExactDisc(k[0], k[2], k[4]));
            ASSERT_TRUE(s.t.complex.has_value());
            for (const Root& x : s.x) {
                EXPECT_TRUE(x.complex);
                EXPECT_LE(RelativeResidual(k, AsComplex(x)), 1e-17L) << b << " " << c << ": " << AsComplex(x);
            }
            // X[2] = -X[1], X[3] = conj(X[1]).
            EXPECT_EQ(AsComplex(s.x[1]), -AsComplex(s.x[0]));
            EXPECT_EQ(AsComplex(s.x[2]), std::conj(AsComplex(s.x[0])));
        }
}

TEST(ExactNumberTest, typed_decimals_are_exact_and_convert_to_the_nearest_value) {
    EXPECT_EQ(ExactDecimal("0.1", '.'), mpq_class(1, 10));
    EXPECT_EQ(ExactDecimal(" -1,5e-3 ", ','), mpq_class(-3, 2000));
    EXPECT_EQ(ExactDecimal("25E+2", '.'), mpq_class(2500));
    EXPECT_EQ(ExactDecimal("-0.000", '.'), mpq_class(0));
    EXPECT_EQ(NearestExt(mpq_class(1, 10)).value(), 0.1L);
    EXPECT_EQ(NearestExt(mpq_class(-1, 3)).value(), -1.0L / 3.0L);
    // 1 + 2^-64 lies halfway between 1 and the next value: ties go to even.
    mpq_class half(1);
    half += mpq_class(1, mpz_class(1) << 64);
    EXPECT_EQ(NearestExt(half).value(), 1.0L);
    EXPECT_EQ(FailureOf([] { NearestExt(mpq_class(mpz_class(1) << 20000)); }), kOverflow);
    for (long double v : {0.1L, -3e300L, 1e-4000L, 12345.678L})
        EXPECT_EQ(NearestExt(ToMpf(v, 128)).value(), v);
}

} // namespace
} // namespace tc
