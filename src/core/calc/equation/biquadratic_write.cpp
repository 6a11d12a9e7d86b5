// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/biquadratic_write.h"

#include <utility>

#include "calc/equation/fallback_texts.h"
#include "calc/common/terms.h"

namespace tc {

namespace {

// The quadratic's line that draws the conclusion of the case `kind`, and the
// line that draws it for the equation in t.
std::pair<Line, Line> TCaseLines(QuadraticCase kind) {
    switch (kind) {
    case QuadraticCase::TwoReal: return {Line::msg71_two_real_roots, Line::eq_t_two_real_roots};
    case QuadraticCase::Double: return {Line::msg73_equal_roots, Line::eq_t_equal_roots};
    case QuadraticCase::Complex: break;
    }
    return {Line::msg75_complex_roots, Line::eq_t_complex_roots};
}

} // namespace

EquationText WriteBiquadratic(const MessageTable& m, const Numbers& n, const BiquadraticSolution& s) {
    const QuadraticSolution& t = s.t;
    std::vector<std::string> out;
    out.push_back("***    " + m(Line::msg78_biquadratic_equation) + "   ***");
    out.push_back(n.text(t.a) + "*x^4" + Signed(n, t.b) + "*x^2" + Signed(n, t.c) + "=0");
    out.push_back(kStepGap);
    out.push_back(m.text(Line::eq_biquadratic_substitution, eq_fallback::biquadratic_substitution));
    out.push_back(n.text(t.a) + "*t^2" + Signed(n, t.b) + "*t" + Signed(n, t.c) + "=0");
    out.push_back(kStepGap);
    // The quadratic's case line speaks of "the equation": here it is the one
    // in t, which the file's own line for t says where it has one.
    const auto [quadraticCase, inT] = TCaseLines(t.kind);
    const std::string said = m(quadraticCase);
    bool replaced = false;
    for (std::string& line : QuadraticSteps(m, n, t, "T")) {
        const bool conclusion = !replaced && line == said;
        replaced = replaced || conclusion;
        out.push_back(conclusion ? m.text(inT, said) : std::move(line));
    }
    out.push_back(kStepGap);
    out.push_back(m.text(Line::eq_biquadratic_back, eq_fallback::biquadratic_back));
    int realPairs = 0;
    for (size_t k = 0; k < 2; ++k) {
        const std::string tk = "T[" + std::to_string(k + 1) + "]";
        const Root& plus = s.x[2 * k];
        const Root& minus = s.x[2 * k + 1];
        out.push_back("X[" + std::to_string(2 * k + 1) + "]=sqrt(" + tk + ")=sqrt(" +
                      RootText(n, s.tRoots[k]) + ")=" + RootText(n, plus));
        out.push_back("X[" + std::to_string(2 * k + 2) + "]=-sqrt(" + tk + ")=" + RootText(n, minus));
        realPairs += plus.complex ? 0 : 1;
    }
    // What the roots t mean for x: a file without these lines says it only
    // when no root x is real.
    const Line forX = realPairs == 2 ? Line::eq_x_four_real : Line::eq_x_two_real;
    if (realPairs == 0 || m.has(forX)) {
        out.push_back(kStepGap);
        out.push_back(realPairs == 0 ? m(Line::msg79_no_real_roots) : m.text(forX, ""));
    }
    EquationText text{std::move(out), {}};
    for (const Root& x : s.x)
        text.roots.push_back(RootField(n, x));
    return text;
}

} // namespace tc
