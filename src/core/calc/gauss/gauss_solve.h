// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Gauss tab's solver: every task by elimination, exact, with every
// intermediate value its written solution shows. No texts, no widgets.

#include <vector>

#include "calc/gauss/elimination.h"
#include "calc/gauss/gauss_inputs.h"

namespace tc {

enum class GaussVerdict {
    Unique,   // one solution; for the inverse: A is invertible
    Infinite, // infinitely many solutions
    None,     // no solution: rank A < rank (A|B)
    Singular  // the inverse: rank A < n
};

// One line of the back substitution (the Gauss method, one solution):
// x[unknown] = (rhs - the known terms) / pivot.
struct BackSubstitution {
    int row = 0;       // the echelon row it reads
    int unknown = 0;   // from 0
    Rational rest;     // the right-hand side less the terms of the unknowns found before
    Rational value;    // rest / pivot
};

struct GaussResult {
    GaussTask task = GaussTask::Gauss;
    // The matrix the elimination starts from: (A|B), (A|E), A, or for X*A = B
    // the transposed equation's (A^T|B^T); its first `leftCols` columns stand
    // before the bar (all of them when there is no bar).
    QMatrix start;
    int leftCols = 0;
    std::vector<EliminationStep> forward, backward;
    QMatrix echelon; // after the forward pass
    QMatrix reduced; // after the backward pass, when there is one
    std::vector<int> pivotCols;
    int rank = 0;          // of A (of A^T for X*A = B, the same)
    int rankAugmented = 0; // of (A|B)
    GaussVerdict verdict = GaussVerdict::Unique;
    int contradictionRow = -1; // an echelon row 0 ... 0 | b, b not 0
    std::vector<int> basic, free; // the unknowns (rows of X for the matrix equations), from 0
    bool homogeneous = false;     // B = 0

    std::vector<BackSubstitution> backSubstitution; // the Gauss method, one solution
    // The solution: a particular one (free unknowns 0) and a basis of the
    // solutions of the homogeneous equation, one per free unknown and column
    // of B; as matrices of X's shape (n x 1 for a system).
    QMatrix particular;
    std::vector<QMatrix> basis;
    QMatrix inverse;

    // The determinant: swaps, factors taken out of rows, the diagonal of the
    // triangular form and the value (-1)^swaps * factors * diagonal.
    int swaps = 0;
    std::vector<Rational> factors;
    Rational diagonalProduct, det;

    // The checks: A*X0 (X0*A), A*Xi (Xi*A) for each basis matrix, A*A^-1.
    QMatrix check;
    std::vector<QMatrix> basisCheck;
};

// `in.a` must have 1 to 10 rows and columns (square for the inverse and the
// determinant) and `in.b` the shape its task asks for.
GaussResult SolveGauss(const GaussInputs& in);

// The product of two exact matrices (a's columns = b's rows).
QMatrix Multiply(const QMatrix& a, const QMatrix& b);
QMatrix Transpose(const QMatrix& a);

} // namespace tc
