// SPDX-License-Identifier: GPL-3.0-or-later
// The written eigenvalue solution in the cases a teacher writes apart: a
// triangular matrix, the order-4 expansion, the order refused, and the
// language of the identity's letter.

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/gauss/eigen_write.h"
#include "gauss_support.h"

namespace tc {
namespace {

using test::Q;

std::vector<std::string> Written(const QMatrix& a, bool check) {
    static const Numbers nums('.');
    static const MessageTable messages;
    const Wording w{nums, messages};
    return WriteEigen(SolveEigen(a), {w, check, false}).lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(EigenWrite, ATriangularMatrixHasItsDiagonalAsEigenvalues) {
    const auto lines = Written(Q({{"2", "5", "7"}, {"0", "3", "1"}, {"0", "0", "2"}}), false);
    EXPECT_TRUE(Has(lines, "A is triangular: the determinant is the product of the diagonal entries."));
    EXPECT_TRUE(Has(lines, "det(A-" + kLambda + "I) = (2-" + kLambda + ")*(3-" + kLambda + ")*(2-" + kLambda +
                               ") = -" + kLambda + "^3+7*" + kLambda + "^2-16*" + kLambda + "+12"));
    EXPECT_TRUE(Has(lines, "Its roots are the diagonal entries of A."));
    EXPECT_FALSE(Has(lines, "The equation has no rational root."));
}

TEST(EigenWrite, OrderFourJoinsTheSignsOfTheExpansion) {
    // Row 4 has two zeros; its entry -3 in column 1 is written "+ 3*M41".
    const auto lines =
        Written(Q({{"1", "2", "0", "1"}, {"1", "1", "1", "2"}, {"2", "1", "2", "1"}, {"-3", "0", "0", "1"}}), false);
    EXPECT_TRUE(Has(lines, "Expanding along row 4, the one with the most zeros:"));
    EXPECT_TRUE(Has(lines, "det(A-" + kLambda + "I) = 3*M41 + (1-" + kLambda + ")*M44"));
}

TEST(EigenWrite, TheCheckPutsEveryEigenvectorBack) {
    const auto lines = Written(Q({{"2", "1"}, {"1", "2"}}), true);
    EXPECT_TRUE(Has(lines, "A*v1 = (-1; 1) = 1*v1"));
    EXPECT_TRUE(Has(lines, "A*v2 = (3; 3) = 3*v2"));
    EXPECT_TRUE(Has(lines, "(v1, v2) = 0"));
    // Complex eigenvalues: no eigenvector to check, no check block.
    EXPECT_FALSE(Has(Written(Q({{"0", "-1"}, {"1", "0"}}), true), "Check:"));
}

} // namespace
} // namespace tc
