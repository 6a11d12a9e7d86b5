// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of the linear system: the memo lines and the texts of
// the determinant and unknown fields, worded from a solved system, and the
// lines it is made of that stand on their own (an equation, an order-2
// determinant).

#include <string>
#include <utility>
#include <vector>

#include "calc/common/tab_output.h"
#include "calc/slae/slae_solve.h"
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

// Words every step `r` holds, in decimals for T = Ext and in fractions for
// T = Rational: the memo and the fields DD, DDx1.., x1.. . `read` tells whether
// the system was read at all; `stopped` that a failure ended the solver after
// the steps in `r`.
template <class T>
TabOutput WriteSlae(const SlaeInputs& in, bool read, const SlaeResultOf<T>& r, bool stopped, const Wording& w);

} // namespace tc
