// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of the linear-system tab: its menu, frame, captions and page.

#include "calc/slae/slae_tab.h"
#include "widgets/names.h"

namespace tc {

std::vector<TabMenuRow> SlaeTab::MenuRows() {
    return {{names::N32, names::N9, "СЛАР", MenuItemKind::Command}};
}

const TabParts& SlaeTab::parts() const {
    static const TabParts parts{"TabSheet5", Line::tab_slae, "SLAE", names::N32, "CRun", "CS_Save", "CS_Close"};
    return parts;
}

std::vector<CaptionLine> SlaeTab::captionLines() const {
    using L = Line;
    constexpr CaptionStage frame = CaptionStage::Frames, later = CaptionStage::LaterPages;
    return {{CaptionStage::Menu, L::menu_slae, names::N32}, {frame, L::compute_button, "CRun"},
            {frame, L::save_button, "CS_Save"},            {frame, L::exit_button, "CS_Close"},
            {later, L::slae_count_group, "CSLA_N"},        {later, L::slae_coef_group, "CSLA_Sys"},
            {later, L::slae_det_group, "CSLA_Det"},        {later, L::slae_unknowns_group, "CRez_SLA"}};
}

const PageLayout& SlaeTab::pageLayout() const {
    static const PageLayout layout{names::N32,
                                   nullptr,
                                   nullptr,
                                   {{true, "CSLA_Sys", "SLAE", {}, {}},
                                    {false,
                                     "CSLA_Det",
                                     nullptr,
                                     {},
                                     {{"DDl", nullptr, {"DD"}},
                                      {"Dx1l", nullptr, {"DDx1"}},
                                      {"Dx2l", nullptr, {"DDx2"}},
                                      {"Dx3l", nullptr, {"DDx3"}},
                                      {"Dx4l", nullptr, {"DDx4"}}}},
                                    {false,
                                     "CRez_SLA",
                                     nullptr,
                                     {},
                                     {{"x1l", nullptr, {"x1"}},
                                      {"x2l", nullptr, {"x2"}},
                                      {"x3l", nullptr, {"x3"}},
                                      {"x4l", nullptr, {"x4"}}}}}};
    return layout;
}

} // namespace tc
