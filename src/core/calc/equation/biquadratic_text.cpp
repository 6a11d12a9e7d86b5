// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/biquadratic_text.h"

#include "calc/equation/fallback_texts.h"
#include "text/terms.h"

namespace tc {

EquationText WriteBiquadratic(const MessageTable& m, const Numbers& n, const BiquadraticSolution& s) {
    const QuadraticSolution& t = s.t;
    std::vector<std::string> out;
    out.push_back("***    " + m(Line::msg78_biquadratic_equation) + "   ***");
    out.push_back(n.g(t.a) + "*x^4" + Signed(n, t.b) + "*x^2" + Signed(n, t.c) + "=0");
    out.push_back(kStepGap);
    out.push_back(m.text(Line::eq_biquadratic_substitution, eq_fallback::biquadratic_substitution));
    out.push_back(n.g(t.a) + "*t^2" + Signed(n, t.b) + "*t" + Signed(n, t.c) + "=0");
    out.push_back(kStepGap);
    for (std::string& line : QuadraticSteps(m, n, t, "T"))
        out.push_back(std::move(line));
    out.push_back(kStepGap);
    out.push_back(m.text(Line::eq_biquadratic_back, eq_fallback::biquadratic_back));
    bool anyReal = false;
    for (size_t k = 0; k < 2; ++k) {
        const std::string tk = "T[" + std::to_string(k + 1) + "]";
        const Root& plus = s.x[2 * k];
        const Root& minus = s.x[2 * k + 1];
        out.push_back("X[" + std::to_string(2 * k + 1) + "]=sqrt(" + tk + ")=sqrt(" +
                      RootText(n, s.tRoots[k]) + ")=" + RootText(n, plus));
        out.push_back("X[" + std::to_string(2 * k + 2) + "]=-sqrt(" + tk + ")=" + RootText(n, minus));
        anyReal = anyReal || !plus.complex;
    }
    if (!anyReal) {
        out.push_back(kStepGap);
        out.push_back(m(Line::msg79_no_real_roots));
    }
    EquationText text{std::move(out), {}};
    for (const Root& x : s.x)
        text.roots.push_back(RootField(n, x));
    return text;
}

} // namespace tc
