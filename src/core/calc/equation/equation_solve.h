// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Eq tab's computation, apart from the widgets and the wording: what a
// computation reads (EquationInputs), what it finds (EquationResult) and the
// pure solver between them, for the three kinds of equation.

#include <optional>
#include <vector>

#include "calc/common/partial.h"
#include "calc/equation/biquadratic_solve.h"
#include "calc/equation/cubic_solve.h"
#include "calc/equation/equation_inputs.h"
#include "calc/equation/quadratic_solve.h"

namespace tc {

enum class EquationKind { Quadratic, Cubic, Biquadratic };

struct EquationInputs {
    EquationKind kind = EquationKind::Quadratic;
    // A, B, C (and D for the cubic) as typed and as the equation keeps them.
    std::vector<Coefficient> k;
    char decimal = '.'; // the separator the exact values are read with
    bool check = false; // the quadratic's roots are checked by Vieta's formulas
};

// What a computation finds: a zero A is an answer of its own (the equation is
// not of the kind chosen); otherwise the solution of the kind, and for a
// checked quadratic the check.
struct EquationResult {
    EquationKind kind = EquationKind::Quadratic;
    bool leadingZero = false;
    std::optional<QuadraticSolution> quadratic;
    std::optional<VietaCheck> vieta;
    std::optional<CubicSolution> cubic;
    std::optional<BiquadraticSolution> biquadratic;
};

// Solves `in` step by step: a failure of the check's arithmetic keeps the
// roots found before it.
Partial<EquationResult> SolveEquation(const EquationInputs& in);

} // namespace tc
