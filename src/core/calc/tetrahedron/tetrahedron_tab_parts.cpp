// SPDX-License-Identifier: GPL-3.0-or-later
// What the window knows of the tetrahedron tab: its menu, frame, captions and page.

#include "calc/tetrahedron/tetrahedron_tab.h"
#include "widgets/names.h"

namespace tc {

using namespace names;

std::vector<TabMenuRow> TetrahedronTab::MenuRows() {
    return {{N29, N9, "Тетраедр", MenuItemKind::Command}};
}

const TabParts& TetrahedronTab::parts() const {
    static const TabParts parts{TabSheet4, Line::tab_tetrahedron, "Tetraedr", N29, "CP_But", "CP_Save",
                                "CP_Close", nullptr,  {},  {Tet_Figure}};
    return parts;
}

std::vector<CaptionLine> TetrahedronTab::captionLines() const {
    using L = Line;
    constexpr CaptionStage frame = CaptionStage::Frames, later = CaptionStage::LaterPages;
    return {{CaptionStage::Menu, L::menu_tetrahedron, N29}, {frame, L::compute_button, "CP_But"},
            {frame, L::save_button, "CP_Save"},            {frame, L::exit_button, "CP_Close"},
            {later, L::tet_vertices_group, "CVersh"},      {later, L::tet_edges_group, "CStor"},
            {later, L::tet_planes_group, "CPl"},           {later, L::tet_edge_angles_group, "CKut"},
            {later, L::tet_face_angles_group, "CT_Alpha"}, {later, L::tet_heights_group, "TVecH"},
            {later, L::tet_volume_group, "CVol"}};
}

void TetrahedronTab::applyLanguage(const MessageTable& messages) {
    applyHeadings();
    tree_.get(Tet_Figure).caption = messages.text(Line::fig_button, "Figure");
}

const PageLayout& TetrahedronTab::pageLayout() const {
    static const PageLayout layout{N29,
                                   nullptr,
                                   nullptr,
                                   {{true, "CVersh", "Piram", {}, {}},
                                    {false, "CStor", "PLine", {}, {}},
                                    {false, "CPl", "ABC", {}, {}},
                                    {false, "TVecH", "TVec_H", {}, {}},
                                    {false, "CKut", "Phi", {}, {}},
                                    {false, "CT_Alpha", "THam", {}, {}},
                                    {false, "CVol", nullptr, {}, {{"Label5", nullptr, {"Vol"}}}}}};
    return layout;
}

std::vector<TabFigure> TetrahedronTab::figures() {
    return {{"tetrahedron", [this](const std::string& h) { return figure(h); }}};
}

} // namespace tc
