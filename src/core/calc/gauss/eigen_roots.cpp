// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/gauss/eigen_roots.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace tc {

namespace {

using Complex = std::complex<long double>;

// The same roots with coprime integer coefficients, the leading one positive.
Poly IntegerForm(const Poly& p) {
    mpz_class lcm = 1, gcd = 0;
    for (const Rational& c : p)
        lcm = lcm * c.get_den() / ::gcd(lcm, c.get_den());
    Poly r;
    for (const Rational& c : p) {
        r.push_back(c * lcm);
        gcd = ::gcd(gcd, r.back().get_num());
    }
    const Rational k = p.front() < 0 ? Rational(-1, 1) / Rational(gcd) : Rational(1, 1) / Rational(gcd);
    for (Rational& c : r) {
        c *= k;
        c.canonicalize();
    }
    return r;
}

HornerStep Divide(const Poly& p, const Rational& root) {
    HornerStep step{root, p, {}};
    Rational carry = 0;
    for (const Rational& c : p) {
        carry = carry * root + c;
        step.row.push_back(carry);
    }
    return step;
}

// The rational p/q nearest to x among the convergents of its continued
// fraction with q dividing `lead`, that is a root of `p` exactly.
std::optional<Rational> RationalRootNear(const Poly& p, long double x) {
    const mpz_class lead = p.front().get_num();
    mpz_class h0 = 0, h1 = 1, k0 = 1, k1 = 0;
    long double rest = x;
    for (int step = 0; step < 64; ++step) {
        const long double whole = std::floor(rest);
        if (!std::isfinite(whole) || std::fabs(whole) > 1e18L) break;
        const mpz_class a(static_cast<long>(whole));
        const mpz_class h2 = a * h1 + h0, k2 = a * k1 + k0;
        if (k2 > lead) break;
        for (const mpz_class& shift : {mpz_class(0), mpz_class(1), mpz_class(-1)}) {
            Rational c(h2 + shift, k2);
            c.canonicalize();
            if (lead % c.get_den() == 0 && PolyAt(p, c) == 0) return c;
        }
        h0 = h1, h1 = h2, k0 = k1, k1 = k2;
        const long double frac = rest - whole;
        if (frac < 1e-12L) break;
        rest = 1.0L / frac;
    }
    return std::nullopt;
}

std::vector<Rational> ListedDivisors(const Rational& freeTerm) {
    const mpz_class n = abs(freeTerm.get_num());
    if (n == 0 || n > 1000000) return {};
    std::vector<Rational> small, large;
    for (mpz_class d = 1; d * d <= n; ++d) {
        if (n % d != 0) continue;
        small.emplace_back(d);
        if (d * d != n) large.emplace(large.begin(), n / d);
    }
    small.insert(small.end(), large.begin(), large.end());
    return small.size() <= 24 ? small : std::vector<Rational>{};
}

void SortRoots(std::vector<PolyRoot>& roots) {
    std::stable_sort(roots.begin(), roots.end(), [](const PolyRoot& x, const PolyRoot& y) {
        if (x.complex() != y.complex()) return !x.complex();
        if (x.re != y.re) return x.re < y.re;
        return x.im > y.im;
    });
}

void AddRealRoot(std::vector<PolyRoot>& roots, Ext x) {
    roots.push_back({false, Rational(0), x, Ext(0.0L), 1});
}

void AddPair(std::vector<PolyRoot>& roots, Ext re, Ext im) {
    const Ext size = Abs(im);
    roots.push_back({false, Rational(0), re, size, 1});
    roots.push_back({false, Rational(0), re, -size, 1});
}

void AddQuadraticRoots(std::vector<PolyRoot>& roots, const QuadraticSolution& s) {
    if (s.real) {
        AddRealRoot(roots, s.real->x1);
        AddRealRoot(roots, s.real->x2);
    } else {
        AddPair(roots, s.complex->re, s.complex->im);
    }
}

// Roots that agree to the precision a multiple root is found with become one
// root of a higher multiplicity.
std::vector<PolyRoot> Clustered(const std::vector<PolyRoot>& found) {
    std::vector<PolyRoot> out;
    for (const PolyRoot& r : found) {
        bool merged = false;
        for (PolyRoot& o : out) {
            const long double scale = 1.0L + std::fabs(o.re.value()) + std::fabs(o.im.value());
            if (std::fabs((o.re - r.re).value()) + std::fabs((o.im - r.im).value()) < 1e-6L * scale) {
                const Ext before(static_cast<long double>(o.multiplicity));
                const Ext after(static_cast<long double>(o.multiplicity + 1));
                o.re = (o.re * before + r.re) / after;
                o.im = (o.im * before + r.im) / after;
                ++o.multiplicity;
                merged = true;
                break;
            }
        }
        if (!merged) out.push_back(r);
    }
    // A part far below the other is rounding: x^4-2 has a pair with real part 0.
    for (PolyRoot& r : out) {
        const long double size = std::fabs(r.re.value()) + std::fabs(r.im.value());
        if (std::fabs(r.im.value()) < 1e-9L * (1.0L + size)) r.im = 0.0L;
        if (std::fabs(r.re.value()) < 1e-15L * (1.0L + size)) r.re = 0.0L;
    }
    return out;
}

} // namespace

std::vector<PolyRoot> NumericRoots(const Poly& p) {
    const std::size_t n = p.size() - 1;
    std::vector<Complex> c;
    long double bound = 0;
    for (const Rational& k : p) {
        c.emplace_back(NearestExt(k / p.front()).value(), 0.0L);
        bound = std::max(bound, std::fabs(c.back().real()));
    }
    std::vector<Complex> z(n);
    for (std::size_t k = 0; k < n; ++k)
        z[k] = std::polar(1.0L + bound, 0.4L + 6.283185307179586477L * static_cast<long double>(k) /
                                              static_cast<long double>(n));
    const auto value = [&c](Complex x, Complex& derivative) {
        Complex v = 0, d = 0;
        for (const Complex& k : c) {
            d = d * x + v;
            v = v * x + k;
        }
        derivative = d;
        return v;
    };
    for (int iteration = 0; iteration < 500; ++iteration) {
        long double largest = 0;
        for (std::size_t k = 0; k < n; ++k) {
            Complex d;
            const Complex v = value(z[k], d);
            if (v == Complex(0)) continue;
            const Complex ratio = v / d;
            Complex sum = 0;
            for (std::size_t j = 0; j < n; ++j)
                if (j != k && z[j] != z[k]) sum += 1.0L / (z[k] - z[j]);
            const Complex step = ratio / (1.0L - ratio * sum);
            // A derivative of exactly 0 (at a multiple root) leaves the guess where it is.
            if (!std::isfinite(step.real()) || !std::isfinite(step.imag())) continue;
            z[k] -= step;
            largest = std::max(largest, std::abs(step) / (1.0L + std::abs(z[k])));
        }
        if (largest < 1e-19L) break;
    }
    std::vector<PolyRoot> roots;
    for (const Complex& x : z)
        roots.push_back({false, Rational(0), x.real(), x.imag(), 1});
    return roots;
}

PolyRoots SolvePolynomial(const Poly& p) {
    PolyRoots r;
    r.equation = IntegerForm(p);
    r.divisors = r.equation.front() == 1 ? ListedDivisors(r.equation.back()) : std::vector<Rational>{};
    r.rest = r.equation;
    while (r.rest.size() > 1) {
        std::vector<PolyRoot> guesses = NumericRoots(r.rest);
        std::sort(guesses.begin(), guesses.end(),
                  [](const PolyRoot& x, const PolyRoot& y) { return Abs(x.re) < Abs(y.re); });
        std::optional<Rational> root;
        for (const PolyRoot& g : guesses) {
            if (std::fabs(g.im.value()) > 1e-3L * (1.0L + std::fabs(g.re.value()))) continue;
            if ((root = RationalRootNear(r.rest, g.re.value()))) break;
        }
        if (!root) break;
        r.horner.push_back(Divide(r.rest, *root));
        r.rest.assign(r.horner.back().row.begin(), r.horner.back().row.end() - 1);
        auto same = std::find_if(r.roots.begin(), r.roots.end(), [&](const PolyRoot& x) { return x.exact == *root; });
        if (same != r.roots.end())
            ++same->multiplicity;
        else
            r.roots.push_back({true, *root, NearestExt(*root), Ext(0.0L), 1});
    }
    // A quadratic equation is solved by its discriminant as it stands; the
    // rational roots found above keep the eigenvalues exact.
    const bool whole = r.equation.size() == 3;
    const Poly& q = whole ? r.equation : r.rest;
    if (whole) {
        r.horner.clear();
        r.quadratic = SolveQuadratic(NearestExt(q[0]), NearestExt(q[1]), NearestExt(q[2]),
                                     ExactDiscriminant(q[0], q[1], q[2]));
        if (r.roots.empty()) AddQuadraticRoots(r.roots, *r.quadratic);
    } else if (q.size() == 3) {
        r.quadratic = SolveQuadratic(NearestExt(q[0]), NearestExt(q[1]), NearestExt(q[2]),
                                     ExactDiscriminant(q[0], q[1], q[2]));
        AddQuadraticRoots(r.roots, *r.quadratic);
    } else if (q.size() == 4) {
        CubicInputs in;
        for (std::size_t k = 0; k < 4; ++k) {
            in.exact[k] = q[k];
            in.kept[k] = NearestExt(q[k]);
        }
        r.cubic = SolveCubic(in);
        AddRealRoot(r.roots, r.cubic->x[0].re);
        if (r.cubic->x[1].complex) {
            AddPair(r.roots, r.cubic->x[1].re, r.cubic->x[1].im);
        } else {
            AddRealRoot(r.roots, r.cubic->x[1].re);
            AddRealRoot(r.roots, r.cubic->x[2].re);
        }
    } else if (q.size() == 5) {
        r.numeric = true;
        for (const PolyRoot& x : Clustered(NumericRoots(q)))
            r.roots.push_back(x);
    }
    SortRoots(r.roots);
    return r;
}

} // namespace tc
