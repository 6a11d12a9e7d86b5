// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The SLAE tab: a system of 2, 3 or 4 linear equations solved by Cramer's rule.
// The user picks the number of equations in `Sl1`, types the coefficients and
// right-hand sides into `SLAE` and presses `CRun`; the determinants go to
// `DD`, `DDx1`..`DDx4`, the unknowns to `x1`..`x4` and the written solution to
// the memo `SLA`.

#include <string>
#include <utility>
#include <vector>

#include "context/env.h"
#include "context/framed_tab.h"
#include "context/tab_frame.h"
#include "calc/common/partial.h"
#include "calc/slae/slae_write.h"

namespace tc {

class SlaeTab : public FramedTab {
public:
    SlaeTab(WidgetTree& tree, Env& env);

    // Start-up fill of the tab (a step of the main window's FormCreate): row
    // numbers, headings and the example system 2x1+5x2=-1, 3x1+7x2=-2.
    void formCreate() override;

    // The tab as the window knows it (its _parts file).
    static std::vector<TabMenuRow> MenuRows();
    const TabParts& parts() const override;
    std::vector<CaptionLine> captionLines() const override;
    const PageLayout& pageLayout() const override;

private:
    void buildWidgets();
    void addResultRow(const char* group, const std::string& label, const std::string& caption,
                      const std::string& field, int row);

    // The number of equations: list position + 2, and 2 when `Sl1` holds typed text.
    int equations() const;

    // Handlers.
    void Sl1Change();
    void CRunClick();

    // Column by column, each from top to bottom: throws at the first cell
    // that is not a number.
    void readInputs(SlaeInputs& in, bool exact) const;
    // Solves, words and applies the read system in extended values or exactly.
    template <class T> void finish(const Partial<SlaeInputs>& in, bool check);

    Combo* sl1_ = nullptr;
    Grid* grid_ = nullptr;
    // The result fields DD, DDx1..DDx4, x1..x4, by name.
    std::vector<std::pair<std::string, Edit*>> results_;
};

} // namespace tc
