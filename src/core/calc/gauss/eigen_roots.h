// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The roots of a characteristic equation as a student finds them: the
// rational roots first (p/q with p a divisor of the free term and q of the
// leading coefficient), each divided out by Horner's scheme; what is left, a
// quadratic or a cubic, goes to the equation tab's solvers; a quartic without
// a rational root is solved numerically.

#include <optional>
#include <vector>

#include "calc/equation/cubic_solve.h"
#include "calc/equation/quadratic_solve.h"
#include "calc/gauss/char_poly.h"

namespace tc {

// One division by λ - root: the coefficients divided and the lower row of
// the table (the quotient's coefficients, then the remainder 0).
struct HornerStep {
    Rational root;
    Poly dividend, row;
};

// A root with its multiplicity: exact when rational, else its extended value
// (im 0 for a real one; a complex pair gives two entries, +im first).
struct PolyRoot {
    bool rational = false;
    Rational exact;
    Ext re, im;
    int multiplicity = 1;
    bool complex() const { return im != 0.0L; }
};

struct PolyRoots {
    Poly equation; // the polynomial with coprime integer coefficients, the leading one positive
    std::vector<Rational> divisors; // the positive divisors of its free term, when few enough to list
    std::vector<HornerStep> horner; // none for a quadratic equation, solved as it stands
    Poly rest; // what is left after the rational roots
    std::optional<QuadraticSolution> quadratic;
    std::optional<CubicSolution> cubic;
    bool numeric = false; // a quartic solved numerically
    std::vector<PolyRoot> roots; // real ones ascending, then the complex ones
};

// `p` of degree 1 to 4.
PolyRoots SolvePolynomial(const Poly& p);

// Every root of `p` (degree 1 to 4) numerically, by Aberth's iteration in
// extended precision: each root as often as its multiplicity.
std::vector<PolyRoot> NumericRoots(const Poly& p);

} // namespace tc
