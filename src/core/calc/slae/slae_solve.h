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
    std::optional<SystemOf<Rational>> exact;
};

// The determinants D, Dx1, Dx2, ... in that order as far as computed, and the
// unknowns. The three sizes differ on purpose in where the quotients take the
// determinants from:
//   2 equations: x_k = Dx_k / D of the values (both unknowns or none);
//   3 equations: x_k = Dx_k / D of the values read back from their fields
//                (15 digits), one after the other;
//   4 equations: x_k = Dx_k / D of the full values, each right after Dx_k.
struct SlaeResult {
    std::vector<Det2> det2;
    std::vector<Det3> det3;
    std::vector<Det4> det4;
    std::optional<Ext> dRead; // 3 equations: D as its field shows it
    std::vector<Ext> x;       // the unknowns x1, x2, ... as far as computed
};

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
inline std::vector<Ext> CramerMatrix(const SlaeInputs& in, int k) {
    return CramerMatrix(in.a, in.n, k);
}

// Solves step by step into `r`; throws Failure where the arithmetic fails,
// leaving the finished steps in `r`.
void SolveSlae(const SlaeInputs& in, SlaeResult& r);

} // namespace tc
