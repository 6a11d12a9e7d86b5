// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Eq tab: the quadratic equation A*x^2+B*x+C=0, the cubic equation
// A*x^3+B*x^2+C*x+D=0 and the biquadratic equation A*x^4+B*x^2+C=0, each
// with its roots and its written solution.

#include <array>
#include <string>
#include <vector>

#include "context/env.h"
#include "context/tab.h"
#include "context/tab_frame.h"
#include "calc/equation/equation_inputs.h"
#include "widgets/controls.h"

namespace tc {

enum class EquationKind { Quadratic, Cubic, Biquadratic };

class EquationTab : public Tab {
public:
    EquationTab(WidgetTree& tree, Env& env);

    Memo& memo() override { return frame_.memo; }

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
    void solveQuadratic();
    void solveCubic();
    void solveBiquadratic();
    // The root fields take `roots` in order; the rest stay empty.
    void showRoots(const std::vector<std::string>& roots);
    // Reads the coefficients of the kind shown; false, after the message box,
    // when A is zero.
    bool readCoefficients(std::vector<Coefficient>& out);

    WidgetTree& tree_;
    Env& env_;
    TabFrame frame_;
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
