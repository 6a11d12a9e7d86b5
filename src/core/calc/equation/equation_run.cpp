// Eq_RunClick: the equation solved and written out step by step.

#include "calc/equation/equation_inputs.h"
#include "calc/equation/equation_tab.h"
#include "calc/equation/quadratic_solver.h"
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
    if (quadratic_.checked) solveQuadratic();
}

void EquationTab::solveQuadratic() {
    // All three are read before a zero leading coefficient is answered.
    const std::vector<Coefficient> k =
        ReadCoefficients(env_.nums, {coefficients_[0], coefficients_[1], coefficients_[2]});
    if (k[0].value == 0) {
        env_.host.showMessage(env_.messages(Line::msg67_a_is_zero));
        return;
    }
    const QuadraticSolution s = SolveQuadratic(k[0].value, k[1].value, k[2].value);
    frame_.memo.lines = WriteQuadratic(env_.messages, env_.nums, {k[0].text, k[1].text, k[2].text}, s);
    showRoots(QuadraticRootFields(env_.nums, s));
}

} // namespace tc
