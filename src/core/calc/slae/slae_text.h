// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the linear-system solution that do not depend on the widgets: the
// equations as the user's numbers give them and the order-2 Cramer lines.

#include <string>
#include <vector>

#include "numbers/convert.h"
#include "numbers/exact.h"

namespace tc {

// One equation: the terms a_k x_k of the non-zero coefficients in order, the
// first with its own sign only, later ones with "+" before a positive one,
// then "=" and the right-hand side: 2, 0, -1.5 | 4 gives "2x1-1.5x3=4" and
// 0, 3 | -1 gives "+3x2=-1". A row of zero coefficients reads "0=" and the
// right-hand side, so every line states what the equation demands.
// `form` writes the numbers: Numbers for Ext, Fractions for Rational.
template <class Form, class T>
std::string EquationLineOf(const Form& form, const std::vector<T>& coefficients, const T& rhs);
inline std::string EquationLine(const Numbers& nums, const std::vector<Ext>& coefficients, Ext rhs) {
    return EquationLineOf<Numbers, Ext>(nums, coefficients, rhs);
}

struct Cramer2 {
    std::string line;
    Ext value;
};

// The determinant |p q; r s| written out on one line under `label`:
// "D=2*7-3*5=14-15=-1". The first factor is bare, the others in parentheses
// when negative; the second product is written as -r*q with its sign ("+0"
// for zero). The value is p*s - r*q, both products formed first.
Cramer2 Cramer2Line(const Numbers& nums, const std::string& label, Ext p, Ext q, Ext r, Ext s);

} // namespace tc
