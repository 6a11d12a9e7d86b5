// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Eigenvalues and eigenvectors of a square exact matrix of order 2, 3 or 4:
// the characteristic polynomial, its roots, and for each real eigenvalue the
// homogeneous system (A - λE)x = 0 solved by elimination. Exact for a
// rational eigenvalue; for an irrational one the system is solved in
// extended precision. No texts, no widgets.

#include <vector>

#include "calc/gauss/char_poly.h"
#include "calc/gauss/eigen_roots.h"
#include "calc/gauss/elimination.h"

namespace tc {

// A matrix of extended values, row by row.
using XMatrix = std::vector<std::vector<Ext>>;

// The eigenspace of a real eigenvalue.
struct Eigenspace {
    // Rational λ: A - λE, the elimination's steps and reduced form, and the
    // fundamental system (one vector per free unknown).
    QMatrix shifted, reduced;
    std::vector<EliminationStep> forward, backward;
    std::vector<int> pivotCols;
    std::vector<std::vector<Rational>> basis;
    std::vector<std::vector<Rational>> products; // A*v of each basis vector
    // Irrational λ: the same in extended values.
    XMatrix shiftedApprox, reducedApprox;
    std::vector<std::vector<Ext>> basisApprox, productsApprox;
    std::vector<int> free; // the free unknowns, from 0
};

struct Eigenvalue {
    PolyRoot value;
    int algebraic = 1;
    int geometric = 0; // real ones
    Eigenspace space;  // real ones
};

struct EigenResult {
    QMatrix a;
    CharPoly poly;
    PolyRoots roots;
    std::vector<Eigenvalue> values; // as the roots are ordered
    bool upperTriangular = false, lowerTriangular = false, symmetric = false;
    bool diagonalizable = false; // over the reals
    // When diagonalizable: P (the eigenvectors as columns), D, A*P and P*D;
    // exact when every eigenvalue is rational.
    bool exact = true;
    QMatrix p, d, ap, pd;
    XMatrix pApprox, dApprox, apApprox, pdApprox;
    // Symmetric A: v_i . v_j of eigenvectors of distinct eigenvalues (i < j).
    struct Dot {
        int first = 0, second = 0; // positions among all eigenvectors, from 0
        Ext value;
    };
    std::vector<Dot> dots;
};

// `a` must be square of order 2, 3 or 4.
EigenResult SolveEigen(const QMatrix& a);

// The order an eigenvalue task accepts.
inline constexpr int kEigenMinOrder = 2;
inline constexpr int kEigenMaxOrder = 4;

} // namespace tc
