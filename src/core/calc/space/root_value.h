// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A distance, cosine or sine of rational data: the square root of a rational.
// It is written exactly as a student would leave it, the squares taken out
// from under the root ("7/sqrt(26)", "sqrt(6)/3", "2*sqrt(2)", "3/4"), and
// beside it its decimal value.

#include <string>

#include "numbers/exact.h"

namespace tc {

struct RootValue {
    Rational square;          // the value squared, >= 0
    Rational factor;          // the rational part ...
    mpz_class radicand = 1;   // ... and what stays under the root, 1 for a rational value
    bool rootBelow = false;   // factor/sqrt(radicand) rather than factor*sqrt(radicand)
};

// The value sqrt(`square`) for `square` >= 0. Squares are taken out by trial
// division by small factors and a test for a whole square; a radicand with a
// large square factor stays as it is, still exact.
RootValue MakeRoot(const Rational& square);

// "7/sqrt(26)", "sqrt(6)/3", "2*sqrt(2)", "sqrt(5)", "3/4", "0".
std::string RootText(const RootValue& v);

// sqrt(top)/sqrt(bottom) as a teacher writes it: a part whose root is
// rational is written without the root ("7/sqrt(26)", "sqrt(6)/sqrt(3)",
// "2/3"), and a denominator of 1 is left out ("sqrt(2)", "1").
std::string QuotientOfRoots(const Rational& top, const Rational& bottom);

// The decimal value; Failure "Floating point overflow" beyond the extended range.
Ext RootDecimal(const RootValue& v);

} // namespace tc
