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
    return x < 0.0L ? "(" + nums.g(x) + ")" : nums.g(x);
}

// A later term of a sum: "+" before a value that is not negative, the value's
// own minus sign otherwise ("+0" for a zero of either sign).
inline std::string Signed(const Numbers& nums, Ext x) {
    return x < 0.0L ? nums.g(x) : "+" + nums.g(x);
}

// The same two rules for a number written as the user typed it: `text` is the
// typed text, `x` the number it reads as.
inline std::string Bracketed(const std::string& text, Ext x) {
    return x < 0.0L ? "(" + text + ")" : text;
}
inline std::string Signed(const std::string& text, Ext x) {
    return x < 0.0L ? text : "+" + text;
}
inline std::string Bracketed(const std::string& text, const Rational& x) {
    return x < 0 ? "(" + text + ")" : text;
}
inline std::string Signed(const std::string& text, const Rational& x) {
    return x < 0 ? text : "+" + text;
}

// The same rules for other number forms (the exact fractions): `form.g(x)`
// writes x.
template <class Form, class T> std::string Bracketed(const Form& form, const T& x) {
    return x < 0 ? "(" + form.g(x) + ")" : form.g(x);
}
template <class Form, class T> std::string Signed(const Form& form, const T& x) {
    return x < 0 ? form.g(x) : "+" + form.g(x);
}

} // namespace tc
