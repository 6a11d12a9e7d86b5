#pragma once
// Determinants of order 2, 3 and 4 with every intermediate value their written
// solution shows. Pure computations: no texts, no widgets. Shared by the Matrix
// tab (determinant, inverse and the cofactors) and the linear-system tab.

#include <array>
#include <vector>

#include "numbers/exact.h"
#include "numbers/ext.h"

namespace tc {

// |p q; r s| = p*s - r*q, both products formed first.
struct Det2 {
    Ext p, q, r, s;
    Ext ps, rq; // the two products
    Ext value;
};
Det2 SolveDet2(Ext p, Ext q, Ext r, Ext s);

// Order 3 by the rule of Sarrus on the entries a[0..8], row by row. The six
// products t[0..5] are a11*a22*a33, a12*a23*a31, a13*a21*a32 and then
// -a13*a22*a31, -a12*a21*a33, -a11*a23*a32 (the minus in the first factor);
// the value is summed left to right over the six.
struct Det3 {
    std::array<Ext, 9> a{};
    std::array<Ext, 6> t{};
    Ext value;
};
Det3 SolveDet3(const std::array<Ext, 9>& a);

// The 16 entries of an order-4 matrix, row by row: a11, a12, a13, a14, a21, ...
using Matrix4 = std::array<Ext, 16>;

// Order 4 by expansion along the first row. Minor k (rows 2 to 4 without column
// k) is computed by Sarrus; the expansion goes on with its value as written at
// 15 significant digits (d[k]). c = (a11, -a12, a13, -a14) are the cofactor
// signs applied; term[k] = d[k] * c[k]; the value sums the terms from the left.
struct Det4 {
    Matrix4 a{};
    std::array<Det3, 4> minors{};
    std::array<Ext, 4> d{};
    std::array<Ext, 4> c{};
    std::array<Ext, 4> term{};
    Ext value;
};
Det4 SolveDet4(const Matrix4& a);

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
Ext AsWritten(Ext v);

} // namespace tc
