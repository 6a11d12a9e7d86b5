// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Gauss tab reads before it computes: the task, the sizes and the
// exact values of the typed matrices.

#include <vector>

#include "numbers/exact.h"

namespace tc {

// An exact matrix, row by row: m[i][j] is row i + 1, column j + 1.
using QMatrix = std::vector<std::vector<Rational>>;

// The tasks of the selector, in its order.
enum class GaussTask : int {
    Gauss = 0,     // a system by the Gauss method: forward pass, back substitution
    Jordan = 1,    // a system by the Gauss-Jordan method: reduced echelon form
    Rank = 2,      // the rank of a matrix
    Inverse = 3,   // the inverse by (A|E) -> (E|A^-1)
    RightSide = 4, // the matrix equation A*X = B
    LeftSide = 5,  // the matrix equation X*A = B
    Determinant = 6, // the determinant by reduction to a triangular form
    Eigen = 7        // eigenvalues and eigenvectors of a square matrix of order 2 to 4
};
inline constexpr int kGaussTaskCount = 8;
// The largest number of rows and columns a matrix of the tab may have.
inline constexpr int kGaussMaxSize = 10;

struct GaussInputs {
    GaussTask task = GaussTask::Gauss;
    QMatrix a; // rows x cols; square for the inverse and the determinant
    QMatrix b; // the right-hand sides: rows x 1 for a system, rows x k for A*X = B, k x cols for X*A = B
};

} // namespace tc
