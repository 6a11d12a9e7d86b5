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

// What a decimal typed in exact fractions may hold: its digits from the first
// to the last non-zero one, and its decimal places without trailing zeros.
// Every step of a solution multiplies such numbers, so their size is bounded
// where a 4x4 inverse with its check still answers at once; a homework
// number is far below either bound.
inline constexpr int kExactDigits = 300;
inline constexpr int kExactPlaces = 5000;

// The exact value of a number text. Decimals follow the grammar of StrToFloat
// and fail as it does ("'<text>' is not a valid floating point value").
//
// Without `fractions` (the determinants of typed decimals, flat figures), a
// decimal whose exponent reaches beyond what an extended value can tell apart
// is taken as the extended value it reads as.
//
// With `fractions` (a number typed in exact fractions), "p/q" is read too:
// two such decimals around one "/" (spaces allowed), a zero denominator
// failing as a division by zero. A decimal beyond kExactDigits or
// kExactPlaces fails with the line fail_exact_too_long naming the whole text.
Rational ReadExact(std::string_view text, char decimal, bool fractions = false);

// The exact value of an extended one.
Rational ExactOf(Ext x);

// The extended value nearest to `q` (ties to the even one); Failure "Floating
// point overflow" when that lies beyond the extended range.
Ext NearestExt(const Rational& q);

// The same, but an infinity of q's sign where NearestExt fails: for a
// drawing, which tells a value too large to draw by its size alone.
Ext NearestOrInfinite(const Rational& q);

// The reduced fraction: "p/q" with q > 1, an integer as "p", a negative with
// its "-" in front.
std::string FractionText(const Rational& q);

// The number forms of exact values, as Numbers are those of decimals: every
// form writes the reduced fraction, whatever digits a decimal form would show.
class Fractions {
public:
    std::string text(const Rational& q) const { return FractionText(q); }
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
