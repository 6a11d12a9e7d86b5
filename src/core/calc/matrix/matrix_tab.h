#pragma once
// The Matrix tab: sum, difference and product of two matrices, the
// determinant and the inverse of a square matrix, each with its written
// solution in the memo MAT_M.

#include "app/env.h"
#include "app/tab_frame.h"
#include "calc/matrix/matrix_tasks.h"

namespace tc {

class MatrixTab {
public:
    MatrixTab(WidgetTree& tree, Env& env);

    // Start-up fill of the tab (a step of the main window's FormCreate): row and
    // column numbers, the example matrices and the heading column's width.
    void formCreate();

    Memo& memo() { return frame_.memo; }

private:
    MatrixPage buildWidgets();

    // The handlers of the tab's selectors and of its compute button.
    void TMat_taskChange();
    void M_NChange();
    void M_N1Change();
    void Mat_ButClick();

    WidgetTree& tree_;
    Env& env_;
    TabFrame frame_;
    MatrixPage page_;
};

} // namespace tc
