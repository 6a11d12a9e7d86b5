// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of determinants of order 2, 3 and 4: the rows of the
// matrix, the expansion with the numbers put in, the values of the products and
// the determinant itself, worded from the solved values (calc/common/
// determinants.h). Shared by the Matrix tab (determinant and inverse) and the
// linear-system tab; they touch no widget and keep no state. Each
// DeterminantNText(lines, nums, entries...) solves and writes in one go.
//
// Every number in the texts is in the general number form with the separator of
// `nums`, except entry 9 of the order-4 expansion. Rows are written "|a,b,c|",
// or "|a;b;c|" where the decimal separator is "," (see EntrySeparator).

#include <array>
#include <stdexcept>
#include <string>

#include "calc/common/determinants.h"
#include "numbers/convert.h"

namespace tc {

// Nine numbered text entries, lines[1] .. lines[9]. Each operation assigns only
// its own entries (order 2: 1-5, order 3: 1-7, order 4: 1-9) and leaves the
// others as they were, so one record can be reused for many calls in a row.
class DeterminantLines {
public:
    static constexpr int kCount = 9;
    // Entry k, 1 <= k <= 9; std::out_of_range otherwise.
    std::string& operator[](int k) { return entries_.at(Index(k)); }
    const std::string& operator[](int k) const { return entries_.at(Index(k)); }

private:
    static std::size_t Index(int k) {
        if (k < 1 || k > kCount)
            throw std::out_of_range("DeterminantLines has no entry " + std::to_string(k));
        return static_cast<std::size_t>(k);
    }
    std::array<std::string, kCount + 1> entries_{};
};

// Order 2, entries 1-5:
//   1, 2  the rows "|a11,a12|", "|a21,a22|"
//   3     the formula a11*f(a22)-f(a12)*f(a21), f(x) = "(x)" for negative x,
//         the leading a11 always bare
//   4     the product values: a11*a22, then "+|a12*a21|" or "-a12*a21" (nothing
//         when that product is 0)
//   5     the value
// Returns the value a11*a22 - a12*a21.
Ext Determinant2Text(DeterminantLines& lines, const Numbers& nums, Ext a11, Ext a12, Ext a21, Ext a22);
// The same entries for |p q; r s| solved already, in the number forms of
// `form` (Numbers for Ext, Fractions for Rational).
template <class Form, class T>
void WriteDeterminant2(DeterminantLines& lines, const Form& form, const Det2Of<T>& d);
// |p q; r s| on one line under `label`: "D=2*7-3*5=14-15=-1". The first factor
// bare, the others in parentheses when negative; the second product written as
// -r*q with its sign ("+0" for zero).
template <class Form, class T>
std::string Determinant2Line(const Form& form, const std::string& label, const Det2Of<T>& d);

// Order 3 by the rule of Sarrus, entries 1-7:
//   1-3   the rows
//   4     formula "=" product values "=" value
//   5     the value
//   6     the formula a11*a22*a33+a12*a23*a31+a13*a21*a32-(a13*a22*a31+...)
//   7     the six product values, the last three with their minus sign
// Returns the value, summed left to right over the six products.
Ext Determinant3Text(DeterminantLines& lines, const Numbers& nums, Ext a11, Ext a12, Ext a13, Ext a21,
                     Ext a22, Ext a23, Ext a31, Ext a32, Ext a33);
template <class Form, class T>
void WriteDeterminant3(DeterminantLines& lines, const Form& form, const Det3Of<T>& d);

// Order 4 by expansion along the first row, entries 1-9:
//   1-4   the rows
//   5     the expansion with each minor's formula: a11*(...)-a12*(...)...=
//   6     the same with each minor's product values
//   7     the same with each minor's value
//   8     the four term values, "=", the value
//   9     the value in the fixed form with 4 decimals, rounded at 18 digits
// Terms whose first-row entry is 0 are left out (the last one leaves its "=").
// Each minor's value is read back from its 15-digit text, as the written
// solution shows it. Returns the value D those minors give, at full precision:
// the number whose general form ends entry 8, not the rounded entry 9.
Ext Determinant4Text(DeterminantLines& lines, const Numbers& nums, const Matrix4& a);
template <class Form, class T>
void WriteDeterminant4(DeterminantLines& lines, const Form& form, const Det4Of<T>& d);

} // namespace tc
