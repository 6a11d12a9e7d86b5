// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/equation_solve.h"

namespace tc {

namespace {

void Solve(const EquationInputs& in, EquationResult& r) {
    const std::vector<Coefficient>& k = in.k;
    r.leadingZero = k[0].value == 0;
    if (r.leadingZero) return;
    const std::vector<mpq_class> exact = ExactCoefficients(k, in.decimal);
    switch (in.kind) {
    case EquationKind::Quadratic:
        r.quadratic =
            SolveQuadratic(k[0].value, k[1].value, k[2].value, ExactDiscriminant(exact[0], exact[1], exact[2]));
        if (in.check) r.vieta = CheckVieta(*r.quadratic);
        return;
    case EquationKind::Cubic: {
        CubicInputs cubic;
        for (size_t i = 0; i < 4; ++i) {
            cubic.exact[i] = exact[i];
            cubic.kept[i] = k[i].value;
        }
        r.cubic = SolveCubic(cubic);
        return;
    }
    case EquationKind::Biquadratic:
        r.biquadratic = SolveBiquadratic(k[0].value, k[1].value, k[2].value,
                                         ExactDiscriminant(exact[0], exact[1], exact[2]));
        return;
    }
}

} // namespace

Partial<EquationResult> SolveEquation(const EquationInputs& in) {
    EquationResult start;
    start.kind = in.kind;
    return SolvePartially(std::move(start), [&](EquationResult& r) { Solve(in, r); });
}

} // namespace tc
