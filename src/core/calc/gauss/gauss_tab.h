// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Gauss tab: a linear system of any size up to 10 x 10, the rank, the
// inverse, the matrix equations A*X=B and X*A=B and the determinant, all by
// elimination with exact fractions and every step written. The user picks the
// task in `Gs_Task` and the sizes in `Gs_Rows`, `Gs_Cols` and `Gs_BCols`,
// types A into `Gs_A` and B into `Gs_B` and presses `Gs_Run`; the answer goes
// to the grid `Gs_R` and the written solution to the memo `Gs_M`.

#include <optional>
#include <string>
#include <vector>

#include "calc/gauss/gauss_inputs.h"
#include "calc/common/tab_output.h"
#include "calc/gauss/eigen_solve.h"
#include "calc/gauss/gauss_solve.h"
#include "context/framed_tab.h"
#include "context/tab_frame.h"

namespace tc {

// The menu items of the tasks, in the selector's order, and their built-in
// captions until a language file words them.
extern const char* const kGaussTaskItems[kGaussTaskCount];
extern const char* const kGaussTaskCaptions[kGaussTaskCount];

class GaussTab : public FramedTab {
public:
    GaussTab(WidgetTree& tree, Env& env);

    void formCreate() override;
    // Every text of the tab comes from the optional lines.
    void applyLanguage(const MessageTable& messages) override;
    nlohmann::json answer() const override;

    // The tab as the window knows it (its _parts file).
    static std::vector<TabMenuRow> MenuRows();
    const TabParts& parts() const override;
    const PageLayout& pageLayout() const override;

    GaussTask task() const;

private:
    void buildWidgets();
    // The grids and selectors the task and the sizes ask for.
    void reshape();
    int rows() const;
    int cols() const;  // equal to rows() for a square task
    int bCount() const; // columns (A*X=B) or rows (X*A=B) of B

    void GsRunClick();
    // The system of the linear-system tab, as typed there, becomes task 0 here.
    void takeSlaeSystem();
    GaussInputs readInputs() const;
    void apply(const TabOutput& out);

    Combo* task_ = nullptr;
    Combo* rows_ = nullptr;
    Combo* cols_ = nullptr;
    Combo* bCols_ = nullptr;
    Grid* a_ = nullptr;
    Grid* b_ = nullptr;
    Grid* r_ = nullptr;
    // The last computation that succeeded: one of the two.
    std::optional<GaussResult> last_;
    std::optional<EigenResult> lastEigen_;
};

} // namespace tc
