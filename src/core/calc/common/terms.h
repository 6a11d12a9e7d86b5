// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small rules by which every written solution puts a number into a formula.
// One home for each rule, so that all tabs write a number the same way.

#include <string>

#include "numbers/convert.h"
#include "numbers/exact.h"

namespace tc {

// A factor or operand inside a formula: a negative number in parentheses,
// "(-2.5)"; anything else bare. A negative zero counts as zero and stays bare.
inline std::string Bracketed(const Numbers& nums, Ext x) {
    return x < 0.0L ? "(" + nums.text(x) + ")" : nums.text(x);
}

// A later term of a sum: "+" before a value that is not negative, the value's
// own minus sign otherwise ("+0" for a zero of either sign).
inline std::string Signed(const Numbers& nums, Ext x) {
    return x < 0.0L ? nums.text(x) : "+" + nums.text(x);
}

// The same two rules for a number written as the user typed it: `text` is the
// typed text, `x` the number it reads as.
inline std::string Bracketed(const std::string& text, Ext x) {
    return x < 0.0L ? "(" + text + ")" : text;
}
inline std::string Signed(const std::string& text, Ext x) {
    return x < 0.0L ? text : "+" + text;
}
// A typed fraction "p/q" may carry its signs on either part ("1/-2"); inside
// a formula its sign stands in front, as a decimal's does, so "a+(1/-2)" is
// written "a-1/2", never "a1/-2". Other texts are returned as they are.
std::string SignInFront(const std::string& text, const Rational& x);
inline std::string Bracketed(const std::string& text, const Rational& x) {
    return x < 0 ? "(" + SignInFront(text, x) + ")" : SignInFront(text, x);
}
inline std::string Signed(const std::string& text, const Rational& x) {
    return x < 0 ? SignInFront(text, x) : "+" + SignInFront(text, x);
}

// The entries of a determinant's row, "|a,b|", stand apart by ","; where
// the decimal separator is "," they stand apart by ";" ("|0,5;1|", not
// "|0,5,1|", which reads as three numbers). Fractions hold no separator.
inline const char* EntrySeparator(const Numbers& nums) {
    return nums.decimal() == ',' ? ";" : ",";
}
inline const char* EntrySeparator(const Fractions& /*form*/) {
    return ",";
}

// The same rules for other number forms (the exact fractions): `form.text(x)`
// writes x.
template <class Form, class T> std::string Bracketed(const Form& form, const T& x) {
    return x < 0 ? "(" + form.text(x) + ")" : form.text(x);
}
template <class Form, class T> std::string Signed(const Form& form, const T& x) {
    return x < 0 ? form.text(x) : "+" + form.text(x);
}

} // namespace tc
