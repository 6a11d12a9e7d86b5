// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Determinants of order 2, 3 and 4 with every intermediate value their written
// solution shows. Pure computations: no texts, no widgets. Shared by the Matrix
// tab (determinant, inverse and the cofactors) and the linear-system tab. Each
// comes in extended values (Ext, checked arithmetic) and in exact rationals
// (Rational, for the exact fractions).

#include <array>
#include <vector>

#include "numbers/exact.h"
#include "numbers/ext.h"
#include "base/failure.h"

namespace tc {

// |p q; r s| = p*s - r*q, both products formed first.
template <class T> struct Det2Of {
    T p, q, r, s;
    T ps, rq; // the two products
    T value;
};
using Det2 = Det2Of<Ext>;
template <class T> Det2Of<T> SolveDet2(const T& p, const T& q, const T& r, const T& s);

// Order 3 by the rule of Sarrus on the entries a[0..8], row by row. The six
// products t[0..5] are a11*a22*a33, a12*a23*a31, a13*a21*a32 and then
// -a13*a22*a31, -a12*a21*a33, -a11*a23*a32 (the minus in the first factor);
// the value is summed left to right over the six.
template <class T> struct Det3Of {
    std::array<T, 9> a{};
    std::array<T, 6> t{};
    T value;
};
using Det3 = Det3Of<Ext>;
template <class T> Det3Of<T> SolveDet3(const std::array<T, 9>& a);

// The 16 entries of an order-4 matrix, row by row: a11, a12, a13, a14, a21, ...
template <class T> using Matrix4Of = std::array<T, 16>;
using Matrix4 = Matrix4Of<Ext>;

// Order 4 by expansion along the first row. Minor k (rows 2 to 4 without column
// k) is computed by Sarrus; the expansion goes on with its value as written
// (d[k]: at 15 significant digits for extended values). c = (a11, -a12, a13,
// -a14) are the cofactor signs applied; term[k] = d[k] * c[k]; the value sums
// the terms from the left.
template <class T> struct Det4Of {
    Matrix4Of<T> a{};
    std::array<Det3Of<T>, 4> minors{};
    std::array<T, 4> d{};
    std::array<T, 4> c{};
    std::array<T, 4> term{};
    T value;
};
using Det4 = Det4Of<Ext>;
template <class T> Det4Of<T> SolveDet4(const Matrix4Of<T>& a);

// The exact determinant of the k x k matrix `a` (row by row), k >= 1.
Rational ExactDeterminant(std::vector<Rational> a, int k);

// Every typed number is an exact rational, so is the determinant of typed
// values: the expansion as computed is replaced by the extended value nearest
// to the exact one, so a singular matrix gets exactly 0 and a cancelling
// expansion its right digits. `exact` holds the k x k entries row by row;
// empty, it leaves `value` as computed.
void UseExactValue(Ext& value, const std::vector<Rational>& exact, int k);

// `v` as the written solution reads it back from its general number form
// (15 significant digits); the decimal separator plays no part in the value.
// An exact value is read back as it is.
Ext AsWritten(Ext v);
inline const Rational& AsWritten(const Rational& v) {
    return v;
}

// a / b as the extended arithmetic fails it: 0/0 is an invalid operation,
// anything else over 0 a division by zero.
Ext Divide(Ext a, Ext b);
Rational Divide(const Rational& a, const Rational& b);

// a / det, where det is the determinant of a system or of a matrix to invert:
// a zero det fails as Divide does, worded by `line` (no unique solution, no
// inverse) where the language file has it.
template <class T> T DivideByDeterminant(const T& a, const T& det, Line line) {
    try {
        return Divide(a, det);
    } catch (const Failure& f) {
        if (!(det == T(0))) throw;
        throw f.reworded(line);
    }
}

} // namespace tc
