// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Matrix tab's computations, apart from the widgets and the wording: what
// a task reads (MatrixInputs), what it computes step by step (MatrixResult),
// and the pure solver between them.

#include <optional>
#include <string>
#include <vector>

#include "calc/common/determinants.h"

namespace tc {

// Task numbers as the tab keeps them (selector position + 2); the hidden
// field I0 shows them.
enum MatrixTask { kAddition = 2, kSubtraction = 3, kMultiplication = 4, kDeterminant = 5, kInverse = 6 };

// Entries of a block kept as [row][col] from 1 (row 0 and column 0 unused).
template <class T> using Block = std::vector<std::vector<T>>;
template <class T> Block<T> MakeBlock(int rows, int cols, const T& fill = T()) {
    return Block<T>(static_cast<std::size_t>(rows + 1),
                    std::vector<T>(static_cast<std::size_t>(cols + 1), fill));
}
template <class T> T& At(Block<T>& b, int i, int j) {
    return b[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
}
template <class T> const T& At(const Block<T>& b, int i, int j) {
    return b[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
}

// What a task reads. A is m x n (k x k for the determinant and the inverse),
// B is m x n for the sum and the difference, n x k for the product.
struct MatrixInputs {
    int task = kAddition;
    std::string taskName; // the task selector's item, in the language of the list
    int m = 2, n = 2; // rows and columns of A as the size selector chose them
    int k = 2;        // columns of B in the product; the order otherwise
    int aRows = 2, aCols = 2, bRows = 0, bCols = 0;
    Block<std::string> aText, bText; // the cells as typed, listed in the solution
    Block<Ext> a, b;                 // their numbers
    // The exact values of A's k x k block, row by row, for the determinant
    // and the inverse: Det(A) and the inverse's cofactors are the extended
    // values nearest to the exact ones.
    std::vector<Rational> exactA;
    // In exact mode: the exact values of both blocks, which the task computes
    // with instead of `a` and `b`.
    Block<Rational> qa, qb;
    bool read = false; // every number above was read
};

// The blocks a task computes with: the numbers, or in exact mode their exact values.
template <class T> const Block<T>& BlockA(const MatrixInputs& in);
template <class T> const Block<T>& BlockB(const MatrixInputs& in);
template <> inline const Block<Ext>& BlockA<Ext>(const MatrixInputs& in) {
    return in.a;
}
template <> inline const Block<Ext>& BlockB<Ext>(const MatrixInputs& in) {
    return in.b;
}
template <> inline const Block<Rational>& BlockA<Rational>(const MatrixInputs& in) {
    return in.qa;
}
template <> inline const Block<Rational>& BlockB<Rational>(const MatrixInputs& in) {
    return in.qb;
}

// One entry of C = A*B (or A+B, A-B: no products), its value last.
template <class T> struct MatrixEntryOf {
    int row = 0, col = 0;
    std::vector<T> products;
    T value;
    T residual = T(0); // the check: value minus the entry of E
};

// A cofactor B(i,j) = (-1)^(i+j) * Det(M(i,j)) of the inverse of order 3 or 4,
// with the minor's expansion; order 2 has no expansion (minor2/3 empty).
template <class T> struct CofactorOf {
    int i = 0, j = 0;
    std::optional<Det2Of<T>> minor2; // order 3
    std::optional<Det3Of<T>> minor3; // order 4
    T value; // as the written solution goes on with it (see MatrixInputs::exactA)
};

// Every value the written solution shows, in order. Steps the solver did not
// reach stay empty.
template <class T> struct MatrixResultOf {
    // Sum, difference and product: the entries of C as far as computed, in the
    // order of the solution (row by row).
    std::vector<MatrixEntryOf<T>> c;

    // Determinant and inverse: the expansion of Det(A) and the value the
    // inverse divides by.
    std::optional<Det2Of<T>> det2;
    std::optional<Det3Of<T>> det3;
    std::optional<Det4Of<T>> det4;
    T det;

    // Inverse: the cofactors B(i,j) row by row, then the entries of A^-1 =
    // B^T / Det(A) in the order they were computed.
    std::vector<CofactorOf<T>> cofactors;
    std::vector<MatrixEntryOf<T>> inverse;

    // The check of the inverse, A*C = E entry by entry, when it was asked for.
    std::vector<MatrixEntryOf<T>> check;
};
using MatrixResult = MatrixResultOf<Ext>;

// Computes the task of `in` (whose numbers are read) step by step into `r`;
// throws Failure where the arithmetic fails, leaving the finished steps in `r`.
// T = Ext computes in extended values, T = Rational exactly.
// With `check`, the inverse ends with its check.
template <class T> void SolveMatrix(const MatrixInputs& in, MatrixResultOf<T>& r, bool check = false);

} // namespace tc
