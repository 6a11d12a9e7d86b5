#pragma once
// The Eq tab: the quadratic equation A*x^2+B*x+C=0 with real or complex roots
// and its written solution. The cubic and biquadratic kinds are offered but
// only answered with a message.

#include <array>

#include "app/env.h"
#include "app/tab_frame.h"
#include "widgets/controls.h"

namespace tc {

class EquationTab {
public:
    EquationTab(WidgetTree& tree, Env& env);

    Memo& memo() { return frame_.memo; }

private:
    void addWidgets();

    // Handlers.
    void eq1Click();
    void eq2Click();
    void eq3Click() { eq2Click(); } // the biquadratic kind is answered as the cubic one
    void Eq_RunClick();

    void clearResults();
    void solveQuadratic();
    // The root fields take `roots` in order; the rest stay empty.
    void showRoots(const std::vector<std::string>& roots);

    // The coefficient inputs and the equation label, shown only for the
    // quadratic kind.
    void showInputs(bool shown);

    WidgetTree& tree_;
    Env& env_;
    TabFrame frame_;
    RadioButton& quadratic_;
    std::array<Edit*, 3> coefficients_{};
    std::array<Edit*, 3> roots_{};
};

} // namespace tc
