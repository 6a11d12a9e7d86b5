// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Eq tab: the quadratic equation A*x^2+B*x+C=0, the cubic equation
// A*x^3+B*x^2+C*x+D=0 and the biquadratic equation A*x^4+B*x^2+C=0, each
// with its roots and its written solution.

#include <array>
#include <string>
#include <vector>

#include "context/env.h"
#include "context/framed_tab.h"
#include "context/tab_frame.h"
#include "calc/common/tab_output.h"
#include "calc/equation/equation_solve.h"
#include "widgets/controls.h"

namespace tc {

class EquationTab : public FramedTab {
public:
    EquationTab(WidgetTree& tree, Env& env);

    // The tab as the window knows it (its _parts file).
    static std::vector<TabMenuRow> MenuRows();
    const TabParts& parts() const override;
    std::vector<CaptionLine> captionLines() const override;
    const PageLayout& pageLayout() const override;
    void applyLanguage(const MessageTable& messages) override;
    void finishPage(SolutionPage& page, const MessageTable& messages) const override;

private:
    void addWidgets();

    // Handlers.
    void choose(EquationKind kind); // eq1, eq2 and eq3
    void Eq_RunClick();

    // The number of coefficients and of roots of the kind shown.
    size_t coefficientCount() const { return kind_ == EquationKind::Cubic ? 4 : 3; }
    size_t rootCount() const {
        return kind_ == EquationKind::Quadratic ? 2 : kind_ == EquationKind::Cubic ? 3 : 4;
    }
    // The inputs, the equation label and the root fields of the kind shown.
    void showKind();

    void clearResults();
    // The coefficients of the kind shown, as typed and as kept.
    EquationInputs readInputs() const;
    // The memo, the root fields and any message box of a written output.
    void apply(const TabOutput& out);

    Widget& variant_;
    std::array<Edit*, 4> coefficients_{};
    std::array<Widget*, 4> coefficientLabels_{};
    std::array<Edit*, 4> roots_{};
    std::array<Widget*, 4> rootLabels_{};
    EquationKind kind_ = EquationKind::Quadratic;
    // The cubic's D while another kind is shown.
    std::string cubicD_ = "-6";
};

} // namespace tc
