// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact rational numbers (GMP) beside the extended values: the exact value of
// a typed number, the extended value nearest to an exact one, and the exact
// fraction texts. Every typed number is a finite decimal (or, where fractions
// may be typed, a quotient of two), so its exact value is a rational.

#include <gmpxx.h>

#include <string>
#include <string_view>

#include "numbers/ext.h"

namespace tc {

using Rational = mpq_class;

// The exact value of a number text. Decimals follow the grammar of StrToFloat
// and fail as it does ("'<text>' is not a valid floating point value"). With
// `fractions`, "p/q" is read too: two such decimals around one "/" (spaces
// allowed), a zero denominator failing as a division by zero. A decimal whose
// exponent reaches beyond what an extended value can tell apart is taken as
// the extended value it reads as.
Rational ReadExact(std::string_view text, char decimal, bool fractions = false);

// The exact value of an extended one.
Rational ExactOf(Ext x);

// The extended value nearest to `q` (ties to the even one); Failure "Floating
// point overflow" when that lies beyond the extended range.
Ext NearestExt(const Rational& q);

// The reduced fraction: "p/q" with q > 1, an integer as "p", a negative with
// its "-" in front.
std::string FractionText(const Rational& q);

// The number forms of exact values, as Numbers are those of decimals: every
// form writes the reduced fraction, whatever digits a decimal form would show.
class Fractions {
public:
    std::string g(const Rational& q) const { return FractionText(q); }
    std::string fixed(const Rational& q, int /*decimals*/, int /*precision*/ = 15) const {
        return FractionText(q);
    }
};

// A fraction is a quotient itself: inside a further quotient it stands in
// brackets, "(3/2)/(5/4)"; integers and decimals stand bare.
inline std::string QuotientPart(const Rational& q, std::string text) {
    return q.get_den() == 1 ? text : "(" + text + ")";
}
inline std::string QuotientPart(Ext /*value*/, std::string text) {
    return text;
}

} // namespace tc
