// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Elementary row operations on exact matrices, with every step recorded as a
// teacher writes it: the operations in compact form and the matrix after them.
//
// The pivot rule, so that the steps look like a textbook's and stay free of
// fractions wherever a choice of row can keep them so. For column c, looking
// at rows r and below:
//   1. row r itself when its entry is 1 or -1;
//   2. else the first lower row with 1 or -1 (swapped up);
//   3. else the first row, r included, whose entry divides every other entry
//      of the column below r to a whole number (the multipliers are then
//      whole: no fractions appear in the column's elimination);
//   4. else row r when its entry is not zero;
//   5. else the first lower row with a nonzero entry (swapped up).
// A column with no nonzero entry on or below row r has no pivot and is passed.

#include <optional>
#include <string>
#include <vector>

#include "calc/gauss/gauss_inputs.h"

namespace tc {

struct RowOp {
    enum class Kind { Swap, Scale, Add };
    Kind kind = Kind::Add;
    int target = 0;     // the row changed (from 0)
    int source = 0;     // Swap: the other row; Add: the row added
    Rational factor{1}; // Scale: the divisor; Add: the multiplier of the source row
};

// "R1 <-> R3", "R2 / 5 -> R2", "R2 * 3 -> R2" (a divisor 1/3), "R2 - 3*R1 -> R2",
// "R3 + 1/2*R1 -> R3"; rows counted from 1.
std::string RowOpText(const RowOp& op);

// Applies `op` to `m`.
void ApplyRowOp(QMatrix& m, const RowOp& op);

struct EliminationStep {
    std::vector<RowOp> ops; // applied in order, all on the matrix before the step
    QMatrix after;          // the matrix after the step
};

// The row (from `row` down) whose entry in column `col` the pivot rule
// chooses, or none when the column has no nonzero entry there.
std::optional<int> ChoosePivot(const QMatrix& m, int row, int col);

// The largest rational c (positive) that divides every entry of `row` to a
// whole number: the gcd of the numerators over the lcm of the denominators.
// 0 for a zero row.
Rational RowContent(const std::vector<Rational>& row);

struct ForwardPass {
    std::vector<int> pivotCols; // pivot column of row 0, 1, ...: the rank is their count
    int swaps = 0;              // row swaps made (each changes a determinant's sign)
    std::vector<Rational> factors; // factors taken out of rows (with takeOutFactors)
};

// Reduces the first `cols` columns of `m` to echelon form, column by column
// with the pivot rule; the columns after them (right-hand sides, E) follow
// the row operations. A swap is a step of its own, the eliminations below one
// pivot are one step. With `takeOutFactors` (a determinant), while rows are
// left below the pivot row, every row from it down whose entries share a
// factor other than 1 is divided by it first, so that entries stay small and
// a pivot of 1 turns up more often; the factors are kept.
ForwardPass RunForwardPass(QMatrix& m, int cols, std::vector<EliminationStep>* steps,
                           bool takeOutFactors = false);

// From echelon form with pivots in `pivotCols` to the reduced echelon form:
// from the last pivot up, its row divided by the pivot (a step, when the pivot
// is not 1) and the entries above it eliminated (a step).
void RunBackwardPass(QMatrix& m, const std::vector<int>& pivotCols, std::vector<EliminationStep>* steps);

// The rank of `m` (a copy is reduced; no steps kept).
int Rank(QMatrix m);

// The reduced echelon form of `m` and its pivot columns.
std::vector<int> Reduce(QMatrix& m);

// A basis of the solutions of A*x = 0 (A with at least one row and column),
// exact: one vector for each free unknown, that unknown 1, the other free
// unknowns 0 and the basic ones read off the reduced echelon form. Empty
// when x = 0 is the only solution; n - rank A vectors otherwise.
std::vector<std::vector<Rational>> NullSpace(const QMatrix& a);

} // namespace tc
