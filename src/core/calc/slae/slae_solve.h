// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The linear system by Cramer's rule, apart from the widgets and the wording:
// the system as read (SlaeInputs), every value its written solution shows
// (SlaeResult), and the pure solver between them.

#include <array>
#include <optional>
#include <vector>

#include "calc/common/determinants.h"

namespace tc {

inline constexpr int kMaxEquations = 4;

// a[r][c], r = 1..n, c = 1..n+1 (column n+1 holds the right-hand sides).
template <class T> using SystemOf = std::array<std::array<T, kMaxEquations + 2>, kMaxEquations + 1>;
using System = SystemOf<Ext>;

struct SlaeInputs {
    int n = 2;
    System a{};
    // The exact values of the typed numbers, when they were read: the
    // determinants are then the extended values nearest to the exact ones.
    // In exact mode the system is solved in these values alone.
    std::optional<SystemOf<Rational>> exact;
};

// The system a solution computes with: the numbers, or their exact values.
template <class T> const SystemOf<T>& SystemIn(const SlaeInputs& in);
template <> inline const SystemOf<Ext>& SystemIn<Ext>(const SlaeInputs& in) {
    return in.a;
}
template <> inline const SystemOf<Rational>& SystemIn<Rational>(const SlaeInputs& in) {
    return *in.exact;
}

// The check of one equation: the unknowns put into its left side.
template <class T> struct EquationCheckOf {
    std::vector<T> products; // a_k * x_k
    T left;                  // their sum
    T residual;              // left minus the right-hand side
};

// The determinants D, Dx1, Dx2, ... in that order as far as computed, and the
// unknowns. The three sizes differ on purpose in where the quotients take the
// determinants from:
//   2 equations: x_k = Dx_k / D of the values (both unknowns or none);
//   3 equations: x_k = Dx_k / D of the values read back from their fields
//                (15 digits), one after the other;
//   4 equations: x_k = Dx_k / D of the full values, each right after Dx_k.
template <class T> struct SlaeResultOf {
    std::vector<Det2Of<T>> det2;
    std::vector<Det3Of<T>> det3;
    std::vector<Det4Of<T>> det4;
    std::optional<T> dRead; // 3 equations: D as its field shows it
    std::vector<T> x;       // the unknowns x1, x2, ... as far as computed
    // With the check: every equation with the unknowns put in.
    std::vector<EquationCheckOf<T>> check;
};
using SlaeResult = SlaeResultOf<Ext>;

// The matrix of determinant k of an order-k system: column k replaced by the
// right-hand sides (k = 0 for the main determinant), row by row.
template <class T> std::vector<T> CramerMatrix(const SystemOf<T>& a, int n, int k) {
    std::vector<T> out;
    const auto size = static_cast<std::size_t>(n);
    for (std::size_t r = 1; r <= size; ++r)
        for (std::size_t c = 1; c <= size; ++c)
            out.push_back(static_cast<int>(c) == k ? a[r][size + 1] : a[r][c]);
    return out;
}

// Solves step by step into `r` (T = Ext in extended values, T = Rational
// exactly on `in.exact`), with `check` ending in the check of every equation;
// throws Failure where the arithmetic fails, leaving the finished steps in `r`.
template <class T> void SolveSlae(const SlaeInputs& in, SlaeResultOf<T>& r, bool check = false);

} // namespace tc
