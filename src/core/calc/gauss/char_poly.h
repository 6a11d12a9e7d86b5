// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The characteristic polynomial det(A - λE) of a square exact matrix of order
// 2, 3 or 4, found as a student finds it: by expanding the determinant whose
// diagonal holds a_ii - λ. Polynomials in λ are exact, their coefficients
// kept from the highest power down.

#include <string>
#include <vector>

#include "calc/gauss/gauss_inputs.h"

namespace tc {

// Coefficients from λ^degree down to λ^0.
using Poly = std::vector<Rational>;

Poly PolyAdd(const Poly& p, const Poly& q);
Poly PolyMul(const Poly& p, const Poly& q);
Poly PolyScale(const Poly& p, const Rational& k);
// The value at x (Horner's scheme).
Rational PolyAt(const Poly& p, const Rational& x);

// The entry (i, j) of A - λE as a polynomial: a_ij, or a_ii - λ on the diagonal.
Poly ShiftedEntry(const QMatrix& a, int i, int j);

// The determinant of A - λE restricted to `rows` and `cols`, expanded along
// its first row.
Poly MinorPoly(const QMatrix& a, const std::vector<int>& rows, const std::vector<int>& cols);

// One term of the expansion along a row or column of an order-4 matrix:
// (-1)^(i+j) * entry * M_ij, the minor's rows and columns from 0.
struct ExpansionTerm {
    int row = 0, col = 0;
    Poly entry, minor;
};

struct CharPoly {
    Poly coeffs; // det(A - λE), λ^n first
    // Order 4: the row (byRow) or column `line` with the most zeros, and its
    // terms with a nonzero entry.
    bool byRow = true;
    int line = 0;
    int zeros = 0; // its zeros off the diagonal
    std::vector<ExpansionTerm> terms;
};

CharPoly CharacteristicPolynomial(const QMatrix& a);

// "-λ^3+6*λ^2-11*λ+6" in the variable `var`; "0" for the zero polynomial.
std::string PolyText(const Poly& p, const std::string& var);
// An entry of A - λE: "2-λ", "-λ", "1/2-λ", or the number.
std::string EntryText(const Poly& entry, const std::string& var);

} // namespace tc
