// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/space/root_value.h"

namespace tc {

namespace {

// Splits n > 0 into s^2 * r with r free of the squares found; trial division
// stops at small factors, which is all homework numbers hold.
void SplitSquare(const mpz_class& n, mpz_class& s, mpz_class& r) {
    s = 1;
    r = n;
    constexpr unsigned long kLastFactor = 2000;
    for (unsigned long f = 2; f <= kLastFactor && f * f <= r; ++f) {
        const unsigned long ff = f * f;
        while (mpz_divisible_ui_p(r.get_mpz_t(), ff)) {
            r /= ff;
            s *= f;
        }
    }
    if (r > 1 && mpz_perfect_square_p(r.get_mpz_t())) {
        mpz_class root;
        mpz_sqrt(root.get_mpz_t(), r.get_mpz_t());
        s *= root;
        r = 1;
    }
}

} // namespace

RootValue MakeRoot(const Rational& square) {
    RootValue v;
    v.square = square;
    if (square <= 0) {
        v.factor = 0;
        return v;
    }
    mpz_class s1, r1, s2, r2;
    SplitSquare(square.get_num(), s1, r1);
    SplitSquare(square.get_den(), s2, r2);
    // sqrt(a/b) = (s1/s2) * sqrt(r1)/sqrt(r2).
    if (r1 == 1 && r2 > 1) {
        // Nothing but a root below: "7/sqrt(26)" as the formula leaves it.
        v.factor = Rational(s1, s2);
        v.radicand = r2;
        v.rootBelow = true;
    } else {
        // sqrt(r1)/sqrt(r2) = sqrt(r1*r2)/r2: the root goes above.
        v.factor = Rational(s1, s2 * r2);
        v.radicand = r1 * r2;
    }
    v.factor.canonicalize();
    return v;
}

std::string RootText(const RootValue& v) {
    if (v.radicand == 1) return FractionText(v.factor);
    const std::string root = "sqrt(" + v.radicand.get_str() + ")";
    const mpz_class& p = v.factor.get_num();
    const mpz_class& q = v.factor.get_den();
    if (v.rootBelow) return p.get_str() + "/" + (q == 1 ? root : "(" + q.get_str() + "*" + root + ")");
    const std::string above = p == 1 ? root : p.get_str() + "*" + root;
    return q == 1 ? above : above + "/" + q.get_str();
}

namespace {

// One side of a quotient: "7", "(7/2)" or "sqrt(26)".
std::string RootPart(const Rational& square) {
    const RootValue v = MakeRoot(square);
    if (v.radicand != 1) return "sqrt(" + FractionText(square) + ")";
    return v.factor.get_den() == 1 ? FractionText(v.factor) : "(" + FractionText(v.factor) + ")";
}

} // namespace

std::string QuotientOfRoots(const Rational& top, const Rational& bottom) {
    const std::string above = RootPart(top);
    if (bottom == 1) return above.front() == '(' ? above.substr(1, above.size() - 2) : above;
    return above + "/" + RootPart(bottom);
}

Ext RootDecimal(const RootValue& v) {
    return Sqrt(NearestExt(v.square));
}

} // namespace tc
