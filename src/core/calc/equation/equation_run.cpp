// SPDX-License-Identifier: GPL-3.0-or-later
// Eq_RunClick: the equation solved and written out step by step.

#include "calc/common/apply_output.h"
#include "calc/equation/equation_tab.h"
#include "context/view_options.h"
#include "calc/equation/equation_write.h"

namespace tc {

void EquationTab::clearResults() {
    frame_.memo.clear();
    for (Edit* root : roots_)
        root->text.clear();
}

EquationInputs EquationTab::readInputs() const {
    EquationInputs in;
    in.kind = kind_;
    // All are read before a zero leading coefficient is answered.
    in.k = ReadCoefficients(env_, std::vector<const Edit*>(coefficients_.begin(),
                                                             coefficients_.begin() + coefficientCount()));
    in.decimal = env_.nums.decimal();
    in.check = ReadViewOptions(tree_).check;
    return in;
}

void EquationTab::apply(const TabOutput& out) {
    ApplyOutput(tree_, frame_.memo, out);
    if (out.message) env_.host.showMessage(*out.message);
}

void EquationTab::Eq_RunClick() {
    // A failure on the way leaves only what this computation wrote.
    clearResults();
    const EquationInputs in = readInputs();
    const Partial<EquationResult> solved = SolveEquation(in);
    apply(WriteEquation(in, solved.result, {env_.nums, env_.messages}));
    solved.rethrow();
}

} // namespace tc
