#pragma once
// The SLAE tab: a system of 2, 3 or 4 linear equations solved by Cramer's rule.
// The user picks the number of equations in `Sl1`, types the coefficients and
// right-hand sides into `SLAE` and presses `CRun`; the determinants go to
// `DD`, `DDx1`..`DDx4`, the unknowns to `x1`..`x4` and the written solution to
// the memo `SLA`.

#include <array>
#include <string>

#include "app/env.h"
#include "app/tab_frame.h"
#include "numbers/ext.h"

namespace tc {

class SlaeTab {
public:
    SlaeTab(WidgetTree& tree, Env& env);

    // Start-up fill of the tab (a step of the main window's FormCreate): row
    // numbers, headings and the example system 2x1+5x2=-1, 3x1+7x2=-2.
    void formCreate();

    Memo& memo() { return frame_.memo; }

    static constexpr int kMaxEquations = 4;

private:
    // a[r][c], r = 1..n, c = 1..n+1 (column n+1 holds the right-hand sides).
    using System = std::array<std::array<Ext, kMaxEquations + 2>, kMaxEquations + 1>;

    void buildWidgets();
    void addResultRow(const char* group, const char* label, const char* caption, const char* field, int row);

    // The number of equations: list position + 2, and 2 when `Sl1` holds typed text.
    int equations() const;

    // Handlers.
    void Sl1Change();
    void CRunClick();

    // The system as the first n equations, between its heading (entry 65) and
    // the heading of the determinants (entry 66).
    void writeSystem(const System& a, int n);
    // The three ways of writing the solution (slae_cramer.cpp).
    void solve2(const System& a);
    void solve3(const System& a);
    void solve4(const System& a);

    Edit& field(const std::string& name) const;

    WidgetTree& tree_;
    Env& env_;
    TabFrame frame_;
    Combo* sl1_ = nullptr;
    Grid* grid_ = nullptr;
};

} // namespace tc
