// SPDX-License-Identifier: GPL-3.0-or-later
// Every task of the Gauss tab on random exact matrices of every shape from
// 1x1 to 10x10: the answers are checked by putting them back, and the ranks
// and determinants against methods of their own.

#include <gtest/gtest.h>

#include <random>

#include "calc/common/determinants.h"
#include "calc/gauss/gauss_solve.h"
#include "gauss_support.h"

namespace tc {
namespace {

using test::BareissRank;

struct Shape {
    int rows, cols;
};

std::vector<Shape> AllShapes() {
    std::vector<Shape> shapes;
    for (int m = 1; m <= kGaussMaxSize; ++m)
        for (int n = 1; n <= kGaussMaxSize; ++n)
            shapes.push_back({m, n});
    return shapes;
}

class Random {
public:
    explicit Random(unsigned seed) : gen_(seed) {}
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(gen_); }
    // Small whole numbers, now and then a fraction or a three-decimal number.
    Rational entry() {
        const int kind = below(10);
        Rational q(below(19) - 9);
        if (kind == 0) q /= below(5) + 2;
        if (kind == 1) q = Rational(below(20001) - 10000, 1000);
        q.canonicalize();
        return q;
    }
    QMatrix matrix(int m, int n) {
        QMatrix a(static_cast<std::size_t>(m));
        for (auto& row : a)
            for (int j = 0; j < n; ++j)
                row.push_back(entry());
        return a;
    }
    // A matrix of rank at most r: the product of m x r and r x n ones.
    QMatrix ofRank(int m, int n, int r) { return r == 0 ? Multiply(matrix(m, 1), Zero(1, n)) : Multiply(matrix(m, r), matrix(r, n)); }
    static QMatrix Zero(int m, int n) {
        return QMatrix(static_cast<std::size_t>(m), std::vector<Rational>(static_cast<std::size_t>(n), Rational(0)));
    }

private:
    std::mt19937 gen_;
};

QMatrix Identity(int n) {
    QMatrix e = Random::Zero(n, n);
    for (int i = 0; i < n; ++i)
        e[static_cast<std::size_t>(i)][static_cast<std::size_t>(i)] = 1;
    return e;
}

QMatrix Beside(QMatrix a, const QMatrix& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i].insert(a[i].end(), b[i].begin(), b[i].end());
    return a;
}

// The solution and the basis of an equation answered: A*X0 = B, A*Xi = 0,
// as many Xi as free unknowns times columns of B, and independent.
void ExpectSolves(const GaussResult& r, const QMatrix& a, const QMatrix& b, bool left) {
    const auto product = [&](const QMatrix& x) { return left ? Multiply(x, a) : Multiply(a, x); };
    const int n = left ? static_cast<int>(a.size()) : static_cast<int>(a.front().size());
    const int k = left ? static_cast<int>(b.size()) : static_cast<int>(b.front().size());
    const int rank = BareissRank(a);
    ASSERT_EQ(r.rank, rank);
    ASSERT_EQ(r.rankAugmented, BareissRank(left ? Beside(Transpose(a), Transpose(b)) : Beside(a, b)));
    if (r.verdict == GaussVerdict::None) {
        EXPECT_LT(rank, r.rankAugmented);
        return;
    }
    EXPECT_EQ(r.verdict, rank == n ? GaussVerdict::Unique : GaussVerdict::Infinite);
    EXPECT_EQ(product(r.particular), b);
    ASSERT_EQ(static_cast<int>(r.basis.size()), (n - rank) * k);
    QMatrix flattened;
    for (const QMatrix& v : r.basis) {
        EXPECT_EQ(product(v), Random::Zero(static_cast<int>(b.size()), static_cast<int>(b.front().size())));
        flattened.emplace_back();
        for (const auto& row : v)
            flattened.back().insert(flattened.back().end(), row.begin(), row.end());
    }
    // Independent solutions of the homogeneous equation, as many as its
    // dimension: they span exactly its solutions.
    EXPECT_EQ(BareissRank(flattened), static_cast<int>(r.basis.size()));
}

class GaussShapes : public ::testing::TestWithParam<Shape> {};

TEST_P(GaussShapes, SystemsAreSolvedAndTheirRanksAgree) {
    const auto [m, n] = GetParam();
    Random rnd(static_cast<unsigned>(m * 100 + n));
    for (int trial = 0; trial < 6; ++trial) {
        const int r = rnd.below(std::min(m, n) + 1);
        const QMatrix a = trial == 0 ? rnd.matrix(m, n) : rnd.ofRank(m, n, r);
        // Consistent right-hand sides (A times a random x), a homogeneous one
        // and a random one, which a rank-deficient A mostly cannot meet.
        QMatrix b = trial % 3 == 0 ? rnd.matrix(m, 1) : Multiply(a, rnd.matrix(n, 1));
        if (trial == 4) b = Random::Zero(m, 1);
        for (GaussTask task : {GaussTask::Gauss, GaussTask::Jordan}) {
            const GaussResult res = SolveGauss({task, a, b});
            ExpectSolves(res, a, b, false);
            if (res.verdict == GaussVerdict::None) {
                const auto& row = res.echelon[static_cast<std::size_t>(res.contradictionRow)];
                for (int j = 0; j < n; ++j)
                    EXPECT_EQ(row[static_cast<std::size_t>(j)], 0);
                EXPECT_NE(row.back(), 0);
            }
        }
        EXPECT_EQ(SolveGauss({GaussTask::Rank, a, {}}).rank, BareissRank(a));
        EXPECT_EQ(NullSpace(a).size(), static_cast<std::size_t>(n - BareissRank(a)));
    }
}

TEST_P(GaussShapes, MatrixEquationsAreSolved) {
    const auto [m, n] = GetParam();
    Random rnd(static_cast<unsigned>(7 + m * 31 + n));
    for (int trial = 0; trial < 3; ++trial) {
        const int k = 1 + rnd.below(3);
        const QMatrix a = trial == 0 ? rnd.matrix(m, n) : rnd.ofRank(m, n, rnd.below(std::min(m, n) + 1));
        const QMatrix right = trial == 2 ? rnd.matrix(m, k) : Multiply(a, rnd.matrix(n, k));
        ExpectSolves(SolveGauss({GaussTask::RightSide, a, right}), a, right, false);
        const QMatrix left = trial == 2 ? rnd.matrix(k, n) : Multiply(rnd.matrix(k, m), a);
        ExpectSolves(SolveGauss({GaussTask::LeftSide, a, left}), a, left, true);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryShape, GaussShapes, ::testing::ValuesIn(AllShapes()),
                         [](const auto& run) {
                             return std::to_string(run.param.rows) + "x" + std::to_string(run.param.cols);
                         });

class GaussSquare : public ::testing::TestWithParam<int> {};

TEST_P(GaussSquare, InverseAndDeterminantAgreeWithTheDeterminantCode) {
    const int n = GetParam();
    Random rnd(static_cast<unsigned>(1000 + n));
    for (int trial = 0; trial < 8; ++trial) {
        const QMatrix a = trial < 5 ? rnd.matrix(n, n) : rnd.ofRank(n, n, rnd.below(n));
        std::vector<Rational> flat;
        for (const auto& row : a)
            flat.insert(flat.end(), row.begin(), row.end());
        const Rational det = ExactDeterminant(flat, n);
        EXPECT_EQ(SolveGauss({GaussTask::Determinant, a, {}}).det, det);
        const GaussResult inv = SolveGauss({GaussTask::Inverse, a, {}});
        if (det == 0) {
            EXPECT_EQ(inv.verdict, GaussVerdict::Singular);
            continue;
        }
        ASSERT_EQ(inv.verdict, GaussVerdict::Unique);
        EXPECT_EQ(Multiply(a, inv.inverse), Identity(n));
        EXPECT_EQ(Multiply(inv.inverse, a), Identity(n));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryOrder, GaussSquare, ::testing::Range(1, kGaussMaxSize + 1));

// The rank by the largest nonzero minor, for matrices small enough to try
// every minor.
int RankByMinors(const QMatrix& a) {
    const int m = static_cast<int>(a.size()), n = static_cast<int>(a.front().size());
    int best = 0;
    for (unsigned rows = 1; rows < (1u << m); ++rows)
        for (unsigned cols = 1; cols < (1u << n); ++cols) {
            const int k = __builtin_popcount(rows);
            if (k != __builtin_popcount(cols) || k <= best) continue;
            std::vector<Rational> minor;
            for (int i = 0; i < m; ++i)
                for (int j = 0; j < n; ++j)
                    if ((rows >> i & 1u) && (cols >> j & 1u))
                        minor.push_back(a[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]);
            if (ExactDeterminant(minor, k) != 0) best = k;
        }
    return best;
}

TEST(GaussRank, AgreesWithTheLargestNonzeroMinor) {
    Random rnd(5);
    for (int m = 1; m <= 4; ++m)
        for (int n = 1; n <= 4; ++n)
            for (int r = 0; r <= std::min(m, n); ++r) {
                const QMatrix a = rnd.ofRank(m, n, r);
                EXPECT_EQ(SolveGauss({GaussTask::Rank, a, {}}).rank, RankByMinors(a)) << m << "x" << n;
            }
}

} // namespace
} // namespace tc
