// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Vector tab: two vectors A and B of 2 to 5 components, seven tasks
// (addition, subtraction, scalar product, length of AB, norm, angle,
// projection) and a written solution for each.

#include "context/env.h"
#include "context/framed_tab.h"
#include "context/tab_frame.h"
#include "calc/common/partial.h"
#include "calc/vector/vector_figure.h"
#include "calc/vector/vector_steps.h"
#include "calc/vector/vector_write.h"

namespace tc {

class VectorTab : public FramedTab {
public:
    // Adds the tab's widgets in the layout of the addition task with two
    // components and registers its handlers on TVec, V_N and CBut1.
    VectorTab(WidgetTree& tree, Env& env);

    // Start-up fill of the tab (a step of the main window's FormCreate): grid
    // headings, the example vectors A = (2; 5), B = (3; 7) and column widths.
    // Grid sizes, selectors, results and the memo are left as they are.
    void formCreate() override;

    // The tab as the window knows it (its _parts file).
    static std::vector<TabMenuRow> MenuRows();
    const TabParts& parts() const override;
    std::vector<CaptionLine> captionLines() const override;
    const PageLayout& pageLayout() const override;
    std::vector<SelectorLines> selectorLines() const override;
    std::vector<TabFigure> figures() override;
    void applyLanguage(const MessageTable& messages) override;

    // The figure of the last computation, `highlight` highlighted.
    Figure figure(const std::string& highlight) const {
        return VectorFigure({env_.nums, env_.messages}, last_ ? &*last_ : nullptr, highlight);
    }

    // The handlers, named after the widget and its event.
    void TVecChange();
    void TVecSelect() { TVecChange(); }
    void V_NChange();
    void CBut1Click();

private:
    // The task in TVec: its list position, addition when none is selected.
    vec::Task task() const;
    // The number of components: V_N's list position + 2, 2 when none is selected.
    int components() const;
    // The typed data of a computation, read in the order its solution reads it.
    // `exact`: in exact fractions, which may be typed as "p/q" too.
    Partial<VectorInput> readInput(bool exact) const;
    // Solves `input` in `Num`, applies what was written and keeps the drawing;
    // then passes on the failure that stopped the solver, if one did.
    template <class Num> void solve(const Partial<VectorInput>& input);
    // Applies the written solution and the result texts to the widgets.
    void show(TabOutput out);
    // The number typed as component `component` of the vector in `row`.
    Ext readComponent(int component, int row) const;
    // Empties the result cells and fields, so that a failure leaves only what
    // the computation that failed wrote, never a result of an earlier one.
    void clearResults();

    Combo& task_;      // TVec
    Combo& size_;      // V_N
    Grid& table_;      // Vec_Table
    Grid& result_;     // V_Rez
    Widget& label_;    // Vec_lab
    Edit& value_;      // Vec_R
    Widget& phiLabel_; // phi_l
    Edit& phi_;        // phi1
    // What the last computation took and found, as far as it got.
    std::optional<VectorDrawing> last_;
};

} // namespace tc
