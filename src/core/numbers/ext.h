// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checked extended-precision arithmetic. Every operation that would be an
// invalid operation, a division by zero or an overflow on the FPU throws a
// tc::Failure with the matching message at that very operation; underflow and
// inexact results pass silently. Values are x87 80-bit long doubles.

#include <limits>

#include "base/failure.h"

namespace tc {

// Every written solution, the 18 digits the number forms start from and the
// overflow limits (1.19E4932) are those of the x87 80-bit format. Where long
// double is only a double (MSVC, macOS on ARM) or a 128-bit float (Linux on
// AArch64 or POWER), the results would differ silently: refuse to build instead.
static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "TovrinCALC needs the x87 80-bit extended long double (64-bit mantissa, 15-bit exponent): "
              "build for x86 or x86-64 with GCC or Clang");

class Ext {
public:
    constexpr Ext() = default;
    constexpr Ext(long double v) : v_(v) {} // NOLINT(google-explicit-constructor): numbers mix freely
    constexpr long double value() const { return v_; }

    friend Ext operator+(Ext a, Ext b);
    friend Ext operator-(Ext a, Ext b);
    friend Ext operator*(Ext a, Ext b);
    friend Ext operator/(Ext a, Ext b);
    friend constexpr Ext operator-(Ext a) { return Ext(-a.v_); }
    Ext& operator+=(Ext b) { return *this = *this + b; }
    Ext& operator-=(Ext b) { return *this = *this - b; }
    Ext& operator*=(Ext b) { return *this = *this * b; }
    Ext& operator/=(Ext b) { return *this = *this / b; }

    friend constexpr bool operator<(Ext a, Ext b) { return a.v_ < b.v_; }
    friend constexpr bool operator>(Ext a, Ext b) { return a.v_ > b.v_; }
    friend constexpr bool operator<=(Ext a, Ext b) { return a.v_ <= b.v_; }
    friend constexpr bool operator>=(Ext a, Ext b) { return a.v_ >= b.v_; }
    friend constexpr bool operator==(Ext a, Ext b) { return a.v_ == b.v_; }
    friend constexpr bool operator!=(Ext a, Ext b) { return a.v_ != b.v_; }

private:
    long double v_ = 0.0L;
};

// Square root; a negative argument is an invalid operation.
Ext Sqrt(Ext x);
// Two-argument arc tangent in radians, (-pi, pi]; atan2(0, 0) is 0 as on the FPU.
Ext ArcTan2(Ext y, Ext x);
// Arc cosine as the program computes it: ArcTan2(Sqrt(1 - x*x), x), so an
// argument outside -1..1 fails as an invalid operation in the square root.
Ext ArcCos(Ext x);
// Arc sine as ArcTan2(x, Sqrt(1 - x*x)).
Ext ArcSin(Ext x);
// A cosine or sine computed from lengths lies in -1..1 in exact arithmetic;
// rounding of the lengths can carry it a little past. Such a value is 1 or -1
// (two parallel vectors make 0 or 180 degrees, not an invalid operation); any
// other value, NaN included, is returned as it is.
Ext WithinOne(Ext x);
// pi at full extended precision.
constexpr Ext Pi() {
    return Ext(3.141592653589793238462643383279502884L);
}
// Absolute value.
constexpr Ext Abs(Ext x) {
    return x.value() < 0 ? -x : x;
}

} // namespace tc
