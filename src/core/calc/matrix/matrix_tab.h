// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Matrix tab: sum, difference and product of two matrices, the
// determinant and the inverse of a square matrix, each with its written
// solution in the memo MAT_M.

#include "context/env.h"
#include "context/framed_tab.h"
#include "context/tab_frame.h"
#include "calc/common/partial.h"
#include "calc/matrix/matrix_write.h"

namespace tc {

class MatrixTab : public FramedTab {
public:
    MatrixTab(WidgetTree& tree, Env& env);

    // Start-up fill of the tab (a step of the main window's FormCreate): row and
    // column numbers, the example matrices and the heading column's width.
    void formCreate() override;

    // The tab as the window knows it (its _parts file).
    static std::vector<TabMenuRow> MenuRows();
    const TabParts& parts() const override;
    std::vector<CaptionLine> captionLines() const override;
    const PageLayout& pageLayout() const override;
    std::vector<SelectorLines> selectorLines() const override;
    void applyLanguage(const MessageTable& messages) override;

    // Writes the sizes of A's list with the current file's sign between rows
    // and columns; a file without that line keeps the built-in list. The
    // chosen size stays chosen, and a typed size stays as typed.
    void applySizeSign();

private:
    // The tab's widgets, looked up once by their names.
    struct Widgets {
        Grid& a;        // Mat1, the matrix A as typed
        Grid& b;        // Mat2, the matrix B; the cofactors in the inverse task
        Grid& c;        // Mat_R, the result C
        Edit& det;      // DET_A
        Combo& task;    // TMat_task: its items name the tasks in the memo
        Combo& sizeA;   // M_N
        Combo& second;  // M_N1: the columns of B, or the order
        Widget& labelA; // M_A
        Widget& labelB; // M_B
        Widget& labelDet;
        Edit& rows;       // M_M, hidden: shows the rows of A
        Edit& cols;       // N_N, hidden: shows the columns of A
        Edit& taskNumber; // I0, hidden: shows the task number
    };
    // The tab's state between events: the size of A the size selector chose
    // and the task (selector position + 2). The hidden fields M_M, N_N and I0
    // show it, as the form this tab comes from kept it there; text put into
    // them changes nothing.
    struct State {
        int rows = 2, cols = 2;
        int task = kAddition;
    };
    // Writes the state into its hidden fields.
    void showState();
    void buildWidgets();
    static Widgets LookUp(const WidgetTree& tree);

    // The handlers of the tab's selectors and of its compute button.
    void TMat_taskChange();
    void M_NChange();
    void M_N1Change();
    void Mat_ButClick();

    // Gives each grid task `t` uses the size its computation reads.
    void showComputedSizes(int t);
    // The number list of B's columns offered for A of n columns.
    void offerProductColumns(int n);
    // Empties the tab's results: Det(A) and Mat_R always, and Mat2 when `task`
    // is the inverse, which writes its cofactors there.
    void clearResults(int task);
    // The typed texts of the task's blocks, then their numbers (throws at the
    // first cell that holds no number, leaving `in.read` false).
    void readInputs(MatrixInputs& in, bool exact) const;
    // Solves, words and applies the read task in extended values or exactly.
    template <class T> void finish(const Partial<MatrixInputs>& in, bool check);

    Widgets w_;
    State state_;
};

} // namespace tc
