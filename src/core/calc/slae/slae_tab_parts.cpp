// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of the linear-system tab: its menu, frame, captions and page.

#include "calc/slae/slae_tab.h"
#include "widgets/names.h"

namespace tc {

std::vector<TabMenuRow> SlaeTab::MenuRows() {
    return {{names::N32, names::N9, "СЛАР", MenuItemKind::Command}};
}

const TabParts& SlaeTab::parts() const {
    static const TabParts parts{names::TabSheet5, Line::tab_slae, "SLAE", names::N32, names::CRun, names::CS_Save, names::CS_Close};
    return parts;
}

std::vector<CaptionLine> SlaeTab::captionLines() const {
    using L = Line;
    constexpr CaptionStage frame = CaptionStage::Frames, later = CaptionStage::LaterPages;
    return {{CaptionStage::Menu, L::menu_slae, names::N32}, {frame, L::compute_button, names::CRun},
            {frame, L::save_button, names::CS_Save},            {frame, L::exit_button, names::CS_Close},
            {later, L::slae_count_group, names::CSLA_N},        {later, L::slae_coef_group, names::CSLA_Sys},
            {later, L::slae_det_group, names::CSLA_Det},        {later, L::slae_unknowns_group, names::CRez_SLA}};
}

const PageLayout& SlaeTab::pageLayout() const {
    static const PageLayout layout{names::N32,
                                   nullptr,
                                   nullptr,
                                   {{true, names::CSLA_Sys, names::SLAE, {}, {}},
                                    {false,
                                     names::CSLA_Det,
                                     nullptr,
                                     {},
                                     {{names::DDl, nullptr, {names::DD}},
                                      {names::Dx1l, nullptr, {names::DDx1}},
                                      {names::Dx2l, nullptr, {names::DDx2}},
                                      {names::Dx3l, nullptr, {names::DDx3}},
                                      {names::Dx4l, nullptr, {names::DDx4}}}},
                                    {false,
                                     names::CRez_SLA,
                                     nullptr,
                                     {},
                                     {{names::x1l, nullptr, {names::x1}},
                                      {names::x2l, nullptr, {names::x2}},
                                      {names::x3l, nullptr, {names::x3}},
                                      {names::x4l, nullptr, {names::x4}}}}}};
    return layout;
}

} // namespace tc
