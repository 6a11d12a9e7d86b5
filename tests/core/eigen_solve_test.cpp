// SPDX-License-Identifier: GPL-3.0-or-later
// The eigenvalue task: the characteristic polynomial, its roots with their
// multiplicities, the eigenspaces and the verdict, on a table of matrices a
// textbook works through; then random integer matrices checked by putting
// every answer back.

#include <gtest/gtest.h>

#include <random>

#include "calc/gauss/eigen_solve.h"
#include "calc/gauss/eigen_write.h"
#include "calc/gauss/gauss_solve.h"
#include "gauss_support.h"

namespace tc {
namespace {

using test::Q;

struct EigenRow {
    const char* name;
    std::vector<std::vector<std::string>> a;
    std::string polynomial;          // det(A - λE)
    std::vector<std::string> values; // as EigenvalueText writes them
    std::vector<int> algebraic, geometric; // geometric -1 for a complex one
    bool diagonalizable;
};

class EigenTable : public ::testing::TestWithParam<EigenRow> {};

TEST_P(EigenTable, PolynomialRootsAndEigenspaces) {
    const EigenRow& row = GetParam();
    const EigenResult r = SolveEigen(Q(row.a));
    EXPECT_EQ(PolyText(r.poly.coeffs, "x"), row.polynomial);
    const Numbers nums('.');
    ASSERT_EQ(r.values.size(), row.values.size());
    for (std::size_t k = 0; k < r.values.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(EigenvalueText(r.values[k].value, nums), row.values[k]);
        EXPECT_EQ(r.values[k].algebraic, row.algebraic[k]);
        if (row.geometric[k] >= 0) {
            EXPECT_EQ(r.values[k].geometric, row.geometric[k]);
        }
    }
    EXPECT_EQ(r.diagonalizable, row.diagonalizable);
}

INSTANTIATE_TEST_SUITE_P(
    Textbook, EigenTable,
    ::testing::Values(
        EigenRow{"complex_pair", {{"1", "-2"}, {"1", "3"}}, "x^2-4*x+5", {"2+1*i", "2-1*i"}, {1, 1}, {-1, -1},
                 false},
        EigenRow{"two_irrational", {{"1", "1"}, {"1", "0"}}, "x^2-x-1", {"-0.61803399", "1.618034"}, {1, 1},
                 {1, 1}, true},
        EigenRow{"three_rational",
                 {{"2", "0", "0"}, {"1", "3", "0"}, {"4", "5", "6"}},
                 "-x^3+11*x^2-36*x+36",
                 {"2", "3", "6"},
                 {1, 1, 1},
                 {1, 1, 1},
                 true},
        EigenRow{"double_not_diagonalizable",
                 {{"2", "1", "0"}, {"0", "2", "0"}, {"0", "0", "3"}},
                 "-x^3+7*x^2-16*x+12",
                 {"2", "3"},
                 {2, 1},
                 {1, 1},
                 false},
        EigenRow{"symmetric_double",
                 {{"2", "1", "1"}, {"1", "2", "1"}, {"1", "1", "2"}},
                 "-x^3+6*x^2-9*x+4",
                 {"1", "4"},
                 {2, 1},
                 {2, 1},
                 true},
        EigenRow{"fraction_root", {{"1/2", "0"}, {"3", "-1/3"}}, "x^2-1/6*x-1/6", {"-1/3", "1/2"}, {1, 1},
                 {1, 1}, true},
        EigenRow{"rational_then_cubic",
                 {{"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"2", "0", "0", "0"}, {"0", "0", "0", "1"}},
                 "x^4-x^3-2*x+2",
                 {"1", "1.259921", "-0.62996052+1.0911236*i", "-0.62996052-1.0911236*i"},
                 {1, 1, 1, 1},
                 {1, 1, -1, -1},
                 false},
        EigenRow{"quartic_without_rational_root",
                 {{"0", "1", "0", "0"}, {"0", "0", "1", "0"}, {"0", "0", "0", "1"}, {"2", "0", "0", "0"}},
                 "x^4-2",
                 {"-1.1892071", "1.1892071", "0+1.1892071*i", "0-1.1892071*i"},
                 {1, 1, 1, 1},
                 {1, 1, -1, -1},
                 false},
        EigenRow{"zero_matrix", {{"0", "0"}, {"0", "0"}}, "x^2", {"0"}, {2}, {2}, true},
        EigenRow{"rotation_by_zero_free_term", {{"0", "0", "0"}, {"0", "0", "-1"}, {"0", "1", "0"}},
                 "-x^3-x", {"0", "0+1*i", "0-1*i"}, {1, 1, 1}, {1, -1, -1}, false}),
    [](const ::testing::TestParamInfo<EigenRow>& row) { return std::string(row.param.name); });

// The order-4 expansion goes along the line with the most zeros.
TEST(EigenCharPoly, OrderFourExpandsAlongTheLineWithMostZeros) {
    const CharPoly cp =
        CharacteristicPolynomial(Q({{"1", "0", "3", "4"}, {"0", "1", "0", "5"}, {"6", "0", "2", "7"}, {"8", "0", "0", "3"}}));
    EXPECT_FALSE(cp.byRow);
    EXPECT_EQ(cp.line, 1);
    ASSERT_EQ(cp.terms.size(), 1u); // only the diagonal entry 1-λ of column 2 is not zero
    Poly sum{Rational(0)};
    for (const ExpansionTerm& t : cp.terms) {
        const Poly term = PolyMul(t.entry, t.minor);
        sum = PolyAdd(sum, (t.row + t.col) % 2 == 0 ? term : PolyScale(term, -1));
    }
    EXPECT_EQ(sum, cp.coeffs);
}

// Random integer matrices: A*v = λ*v exactly for every rational eigenvalue,
// the multiplicities add up to n, the coefficient of λ^(n-1) is (-1)^(n-1)
// times the trace and the free term is det A.
TEST(EigenProperty, RandomIntegerMatrices) {
    std::mt19937 gen(34);
    std::uniform_int_distribution<int> entry(-4, 4), order(2, 4), zero(0, 3);
    for (int trial = 0; trial < 300; ++trial) {
        const int n = order(gen);
        QMatrix a(static_cast<std::size_t>(n));
        for (auto& row : a)
            for (int j = 0; j < n; ++j)
                row.push_back(zero(gen) == 0 ? Rational(0) : Rational(entry(gen)));
        SCOPED_TRACE(trial);
        const EigenResult r = SolveEigen(a);
        ASSERT_EQ(static_cast<int>(r.poly.coeffs.size()), n + 1);
        Rational trace = 0;
        for (int i = 0; i < n; ++i)
            trace += a[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)];
        const Rational sign = n % 2 == 0 ? 1 : -1;
        EXPECT_EQ(r.poly.coeffs[0], sign);
        EXPECT_EQ(r.poly.coeffs[1], -sign * trace);
        EXPECT_EQ(r.poly.coeffs.back(), SolveGauss({GaussTask::Determinant, a, {}}).det);
        int total = 0;
        for (const Eigenvalue& e : r.values) {
            total += e.algebraic;
            if (e.value.complex()) continue;
            EXPECT_GE(e.geometric, 1);
            EXPECT_LE(e.geometric, e.algebraic);
            if (!e.value.rational) continue;
            for (std::size_t k = 0; k < e.space.basis.size(); ++k) {
                QMatrix column;
                for (const Rational& x : e.space.basis[k])
                    column.push_back({x});
                const QMatrix product = Multiply(a, column);
                for (std::size_t i = 0; i < column.size(); ++i)
                    EXPECT_EQ(product[i][0], e.value.exact * column[i][0]);
            }
        }
        EXPECT_EQ(total, n);
    }
}

} // namespace
} // namespace tc
