// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of the triangle tab: its menu, frame, captions and page.

#include "calc/triangle/triangle_tab.h"
#include "widgets/names.h"

namespace tc {

using namespace names;

std::vector<TabMenuRow> TriangleTab::MenuRows() {
    return {{N28, N9, "Трикутник", MenuItemKind::Command}};
}

const TabParts& TriangleTab::parts() const {
    static const TabParts parts{T4, Line::tab_triangle, "Triangle", N28, names::CTr_But, names::CRecord3, names::CClose3,
                                nullptr, {}, {Tr_Figure}};
    return parts;
}

std::vector<CaptionLine> TriangleTab::captionLines() const {
    using L = Line;
    constexpr CaptionStage page = CaptionStage::Pages, frame = CaptionStage::Frames;
    return {{CaptionStage::Menu, L::menu_triangle, N28}, {page, L::tri_vertices_group, names::CTV},
            {page, L::tri_centroid_group, names::CCentre},   {page, L::tri_lengths_group, names::CLength},
            {page, L::tri_lines_group, names::CLine},        {frame, L::result_group, names::CTri},
            {frame, L::compute_button, names::CTr_But},      {frame, L::save_button, names::CRecord3},
            {frame, L::exit_button, names::CClose3}};
}

void TriangleTab::applyLanguage(const MessageTable& messages) {
    tree_.get(names::Tr_LBis).caption = messages.text(Line::tri_bisector_label, "B=");
    tree_.get(Tr_Figure).caption = messages.text(Line::fig_button, "Figure");
}

const PageLayout& TriangleTab::pageLayout() const {
    static const PageLayout layout{
        N28,
        nullptr,
        nullptr,
        {{true,
          names::CTV,
          nullptr,
          {"", "x", "y"},
          {{nullptr, "A", {names::ax, names::ay}}, {nullptr, "B", {names::bx, names::by}}, {nullptr, "C", {names::cx, names::cy}}}},
         {false,
          names::CLength,
          nullptr,
          {"", "x", "y", "| |", ""},
          {{nullptr, names::AB, {names::abx, names::aby, names::AB, names::AB_l}},
           {nullptr, names::BC, {names::bcx, names::bcy, names::BC, names::BC_l}},
           {nullptr, names::AC, {names::acx, names::acy, names::AC, names::AC_l}}}},
         {false,
          names::CLine,
          nullptr,
          {},
          {{names::Tr_LM, nullptr, {names::aMed, names::Med}},
           {names::Tr_LH, nullptr, {names::Ha1, names::H1}},
           {names::Tr_LBis, nullptr, {names::aBis, names::Bis}}}},
         {false, names::CCentre, nullptr, {"", "x", "y"}, {{nullptr, "I", {names::Ix, names::Iy}}}},
         {false, names::CTri, names::REZ5, {}, {}}}};
    return layout;
}

std::vector<TabFigure> TriangleTab::figures() {
    return {{"triangle", [this](const std::string& h) { return figure(h); }}};
}

} // namespace tc
