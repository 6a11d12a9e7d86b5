// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines-and-planes tab: fifteen tasks on points, vectors, lines and
// planes in space. The user picks the task in Sp_Task, types one object a
// row into Sp_In (the row captions say which) and presses Sp_Run; the
// written solution goes to Sp_M and the results to Sp_R1..Sp_R3.

#include <optional>

#include "calc/space/space_solve.h"
#include "context/framed_tab.h"
#include "context/tab_frame.h"

namespace tc {

class SpaceTab : public FramedTab {
public:
    SpaceTab(WidgetTree& tree, Env& env);

    static std::vector<TabMenuRow> MenuRows();

    const TabParts& parts() const override;
    void formCreate() override;
    std::vector<CaptionLine> captionLines() const override;
    void applyLanguage(const MessageTable& messages) override;
    std::vector<TabFigure> figures() override;
    const PageLayout& pageLayout() const override;
    nlohmann::json answer() const override;

private:
    void buildWidgets();
    SpaceTask task() const;
    // Shows the rows, columns, captions and result fields of the chosen task.
    void showTask();
    // The caption of row `row` of the task, in the current language.
    std::string rowCaption(SpaceTask task, int row) const;
    std::string heading(SpaceTask task, int row, int col) const;
    // Whether the cells `task` reads hold its worked example, untouched.
    bool holdsExample(SpaceTask task) const;
    void Sp_RunClick();

    Combo* task_ = nullptr;
    Grid* grid_ = nullptr;
    std::array<Edit*, 3> results_{};
    std::array<Widget*, 3> labels_{};
    SpaceTask shown_ = SpaceTask::PlaneThreePoints; // the task the grid was last laid out for
    // The data and the result of the last computation, as far as it got.
    std::optional<SpaceInput> lastIn_;
    std::optional<SpaceResult> last_;
};

} // namespace tc
