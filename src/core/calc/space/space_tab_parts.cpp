// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of the lines-and-planes tab: its menu, frame,
// captions, page, figure and answer.

#include "calc/space/space_answer.h"
#include "calc/space/space_figure.h"
#include "calc/space/space_tab.h"
#include "calc/space/space_write.h"
#include "widgets/names.h"

namespace tc {

namespace {

using L = Line;

const char* const kTaskItems[kSpaceTaskCount] = {names::NSp0,  names::NSp1,  names::NSp2,  names::NSp3,
                                                 names::NSp4,  names::NSp5,  names::NSp6,  names::NSp7,
                                                 names::NSp8,  names::NSp9,  names::NSp10, names::NSp11,
                                                 names::NSp12, names::NSp13, names::NSp14};

} // namespace

std::vector<TabMenuRow> SpaceTab::MenuRows() {
    std::vector<TabMenuRow> rows{{names::NSp, names::N9, "Lines and planes", MenuItemKind::Submenu}};
    for (int t = 0; t < kSpaceTaskCount; ++t)
        rows.push_back({kTaskItems[t], names::NSp, TaskName(static_cast<SpaceTask>(t)).fallback, MenuItemKind::Command});
    return rows;
}

const TabParts& SpaceTab::parts() const {
    static const TabParts parts{names::Sp,
                                L::sp_tab,
                                "Lines and planes",
                                names::NSp,
                                names::Sp_Run,
                                names::Sp_Save,
                                names::Sp_Close,
                                names::Sp_Task,
                                {std::begin(kTaskItems), std::end(kTaskItems)},
                                {names::Sp_Figure}};
    return parts;
}

std::vector<CaptionLine> SpaceTab::captionLines() const {
    constexpr CaptionStage frame = CaptionStage::Frames;
    return {{frame, L::compute_button, names::Sp_Run},
            {frame, L::save_button, names::Sp_Save},
            {frame, L::exit_button, names::Sp_Close}};
}

void SpaceTab::applyLanguage(const MessageTable& messages) {
    for (int t = 0; t < kSpaceTaskCount; ++t) {
        const SpaceText name = TaskName(static_cast<SpaceTask>(t));
        task_->items[static_cast<std::size_t>(t)] = messages.text(name.line, name.fallback);
        tree_.get(kTaskItems[t]).caption = task_->items[static_cast<std::size_t>(t)];
    }
    if (task_->index >= 0) task_->text = task_->items[static_cast<std::size_t>(task_->index)];
    tree_.get(names::NSp).caption = messages.text(L::sp_tab, "Lines and planes");
    tree_.get(names::Sp_TaskL).caption = messages.text(L::sp_task_label, "Task");
    tree_.get(names::Sp_Data).caption = messages.text(L::sp_data_label, "Data");
    tree_.get(names::Sp_Res).caption = messages.text(L::sp_result_label, "Result");
    tree_.get(names::Sp_Figure).caption = messages.text(L::fig_button, "Figure");
    // Captions follow the language; typed cells and results stay.
    const SpaceTask t = task();
    for (std::size_t r = 0; r < TaskRows(t).size(); ++r)
        grid_->setCell(0, static_cast<int>(r) + 1, rowCaption(t, static_cast<int>(r)));
    const auto captions = ResultCaptions(t);
    for (std::size_t k = 0; k < 3; ++k)
        if (captions[k]) labels_[k]->caption = messages.text(captions[k]->line, captions[k]->fallback);
}

std::vector<TabFigure> SpaceTab::figures() {
    return {{"space", [this](const std::string& highlight) {
                 return SpaceFigure(env_, lastIn_ ? &*lastIn_ : nullptr, last_ ? &*last_ : nullptr, highlight);
             }}};
}

const PageLayout& SpaceTab::pageLayout() const {
    using namespace names;
    static const PageLayout layout{NSp,
                                   Sp_Task,
                                   nullptr,
                                   {{true, names::Sp_Data, Sp_In, {}, {}},
                                    {false,
                                     names::Sp_Res,
                                     nullptr,
                                     {},
                                     {{Sp_L1, nullptr, {Sp_R1}}, {Sp_L2, nullptr, {Sp_R2}}, {Sp_L3, nullptr, {Sp_R3}}}}}};
    return layout;
}

nlohmann::json SpaceTab::answer() const {
    return last_ ? SpaceAnswer(*last_) : nlohmann::json(nullptr);
}

} // namespace tc
