// SPDX-License-Identifier: GPL-3.0-or-later
// Eq_RunClick: the equation solved and written out step by step.

#include "context/view_options.h"
#include "calc/equation/biquadratic_text.h"
#include "calc/equation/cubic_text.h"
#include "calc/equation/equation_inputs.h"
#include "calc/equation/equation_tab.h"
#include "calc/equation/quadratic_text.h"

namespace tc {

void EquationTab::clearResults() {
    frame_.memo.clear();
    for (Edit* root : roots_)
        root->text.clear();
}

void EquationTab::showRoots(const std::vector<std::string>& roots) {
    for (size_t k = 0; k < roots.size() && k < roots_.size(); ++k)
        roots_[k]->text = roots[k];
}

void EquationTab::Eq_RunClick() {
    // A failure on the way leaves only what this computation wrote.
    clearResults();
    switch (kind_) {
    case EquationKind::Quadratic: solveQuadratic(); break;
    case EquationKind::Cubic: solveCubic(); break;
    case EquationKind::Biquadratic: solveBiquadratic(); break;
    }
}

bool EquationTab::readCoefficients(std::vector<Coefficient>& out) {
    // All are read before a zero leading coefficient is answered.
    out = ReadCoefficients(env_, std::vector<const Edit*>(coefficients_.begin(),
                                                               coefficients_.begin() + coefficientCount()));
    if (out[0].value != 0) return true;
    // Each kind names itself; a file without their lines says "not quadratic".
    const MessageTable& m = env_.messages;
    std::string message = m(Line::msg67_a_is_zero);
    if (kind_ == EquationKind::Cubic) message = m.text(Line::eq_cubic_a_is_zero, message);
    if (kind_ == EquationKind::Biquadratic) message = m.text(Line::eq_biquadratic_a_is_zero, message);
    env_.host.showMessage(message);
    return false;
}

void EquationTab::solveQuadratic() {
    std::vector<Coefficient> k;
    if (!readCoefficients(k)) return;
    const std::vector<mpq_class> exact = ExactCoefficients(k, env_.nums.decimal());
    const QuadraticSolution s =
        SolveQuadratic(k[0].value, k[1].value, k[2].value, ExactDiscriminant(exact[0], exact[1], exact[2]));
    frame_.memo.lines = WriteQuadratic(env_.messages, env_.nums, {k[0].text, k[1].text, k[2].text}, s);
    showRoots(QuadraticRootFields(env_.nums, s));
    if (!ReadViewOptions(tree_).check) return;
    // The roots stand already; a failure of the check's arithmetic leaves them.
    const std::vector<std::string> check = WriteVietaCheck(env_.messages, env_.nums, s, CheckVieta(s));
    frame_.memo.lines.push_back(kStepGap);
    frame_.memo.lines.insert(frame_.memo.lines.end(), check.begin(), check.end());
}

void EquationTab::solveCubic() {
    std::vector<Coefficient> k;
    if (!readCoefficients(k)) return;
    const std::vector<mpq_class> exact = ExactCoefficients(k, env_.nums.decimal());
    CubicInputs in;
    for (size_t i = 0; i < 4; ++i) {
        in.exact[i] = exact[i];
        in.kept[i] = k[i].value;
    }
    EquationText text = WriteCubic(env_.messages, env_.nums, SolveCubic(in));
    frame_.memo.lines = std::move(text.memo);
    showRoots(text.roots);
}

void EquationTab::solveBiquadratic() {
    std::vector<Coefficient> k;
    if (!readCoefficients(k)) return;
    const std::vector<mpq_class> exact = ExactCoefficients(k, env_.nums.decimal());
    EquationText text = WriteBiquadratic(
        env_.messages, env_.nums,
        SolveBiquadratic(k[0].value, k[1].value, k[2].value, ExactDiscriminant(exact[0], exact[1], exact[2])));
    frame_.memo.lines = std::move(text.memo);
    showRoots(text.roots);
}

} // namespace tc
