// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/ext.h"

#include <cmath>

namespace tc {

namespace {

// The FPU reports a failure by what an operation produces: a NaN is an invalid
// operation, an infinity out of finite operands is an overflow. Arithmetic on an
// infinite operand is exact in IEEE 754, so it is not an overflow of its own.
// Testing the values instead of trapping keeps the check deterministic and
// lets the sanitizer build run the same code.
Ext Checked(long double result, long double a, long double b) {
    if (std::isnan(result)) throw InvalidOperation();
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) throw Overflow();
    return Ext(result);
}

} // namespace

Ext operator+(Ext a, Ext b) {
    return Checked(a.value() + b.value(), a.value(), b.value());
}

Ext operator-(Ext a, Ext b) {
    return Checked(a.value() - b.value(), a.value(), b.value());
}

Ext operator*(Ext a, Ext b) {
    return Checked(a.value() * b.value(), a.value(), b.value());
}

Ext operator/(Ext a, Ext b) {
    // A zero divisor fails before dividing, so no build ever divides by zero.
    if (b.value() == 0.0L) {
        if (a.value() == 0.0L || std::isnan(a.value())) throw InvalidOperation();
        throw DivisionByZero();
    }
    return Checked(a.value() / b.value(), a.value(), b.value());
}

Ext Sqrt(Ext x) {
    // sqrt(-0) is -0 in IEEE 754, so only a value strictly below zero fails.
    if (std::isnan(x.value()) || x.value() < 0.0L) throw InvalidOperation();
    return Ext(std::sqrt(x.value()));
}

Ext ArcTan2(Ext y, Ext x) {
    if (std::isnan(y.value()) || std::isnan(x.value())) throw InvalidOperation();
    return Ext(std::atan2(y.value(), x.value()));
}

// arccos x = atan2(sqrt(1 - x^2), x): the square root carries the domain check,
// and x = -1 gives atan2(+0, -1) = pi exactly.
Ext ArcCos(Ext x) {
    return ArcTan2(Sqrt(Ext(1.0L) - x * x), x);
}

// arcsin x = atan2(x, sqrt(1 - x^2)).
Ext ArcSin(Ext x) {
    return ArcTan2(x, Sqrt(Ext(1.0L) - x * x));
}

Ext WithinOne(Ext x) {
    if (x > 1.0L) return 1.0L;
    if (x < -1.0L) return -1.0L;
    return x;
}

} // namespace tc
