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
    static const TabParts parts{T4, Line::tab_triangle, "Triangle", N28, "CTr_But", "CRecord3", "CClose3",
                                nullptr, {}, {Tr_Figure}};
    return parts;
}

std::vector<CaptionLine> TriangleTab::captionLines() const {
    using L = Line;
    constexpr CaptionStage page = CaptionStage::Pages, frame = CaptionStage::Frames;
    return {{CaptionStage::Menu, L::menu_triangle, N28}, {page, L::tri_vertices_group, "CTV"},
            {page, L::tri_centroid_group, "CCentre"},   {page, L::tri_lengths_group, "CLength"},
            {page, L::tri_lines_group, "CLine"},        {frame, L::result_group, "CTri"},
            {frame, L::compute_button, "CTr_But"},      {frame, L::save_button, "CRecord3"},
            {frame, L::exit_button, "CClose3"}};
}

void TriangleTab::applyLanguage(const MessageTable& messages) {
    tree_.get("Tr_LBis").caption = messages.text(Line::tri_bisector_label, "B=");
    tree_.get(Tr_Figure).caption = messages.text(Line::fig_button, "Figure");
}

const PageLayout& TriangleTab::pageLayout() const {
    static const PageLayout layout{
        N28,
        nullptr,
        nullptr,
        {{true,
          "CTV",
          nullptr,
          {"", "x", "y"},
          {{nullptr, "A", {"ax", "ay"}}, {nullptr, "B", {"bx", "by"}}, {nullptr, "C", {"cx", "cy"}}}},
         {false,
          "CLength",
          nullptr,
          {"", "x", "y", "| |", ""},
          {{nullptr, "AB", {"abx", "aby", "AB", "AB_l"}},
           {nullptr, "BC", {"bcx", "bcy", "BC", "BC_l"}},
           {nullptr, "AC", {"acx", "acy", "AC", "AC_l"}}}},
         {false,
          "CLine",
          nullptr,
          {},
          {{"Tr_LM", nullptr, {"aMed", "Med"}},
           {"Tr_LH", nullptr, {"Ha1", "H1"}},
           {"Tr_LBis", nullptr, {"aBis", "Bis"}}}},
         {false, "CCentre", nullptr, {"", "x", "y"}, {{nullptr, "I", {"Ix", "Iy"}}}},
         {false, "CTri", "REZ5", {}, {}}}};
    return layout;
}

std::vector<TabFigure> TriangleTab::figures() {
    return {{"triangle", [this](const std::string& h) { return figure(h); }}};
}

} // namespace tc
