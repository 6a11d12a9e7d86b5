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
    static const TabParts parts{TabSheet4, Line::tab_tetrahedron, "Tetraedr", N29, names::CP_But, names::CP_Save,
                                names::CP_Close, nullptr,  {},  {Tet_Figure}};
    return parts;
}

std::vector<CaptionLine> TetrahedronTab::captionLines() const {
    using L = Line;
    constexpr CaptionStage frame = CaptionStage::Frames, later = CaptionStage::LaterPages;
    return {{CaptionStage::Menu, L::menu_tetrahedron, N29}, {frame, L::compute_button, names::CP_But},
            {frame, L::save_button, names::CP_Save},            {frame, L::exit_button, names::CP_Close},
            {later, L::tet_vertices_group, names::CVersh},      {later, L::tet_edges_group, names::CStor},
            {later, L::tet_planes_group, names::CPl},           {later, L::tet_edge_angles_group, names::CKut},
            {later, L::tet_face_angles_group, names::CT_Alpha}, {later, L::tet_heights_group, names::TVecH},
            {later, L::tet_volume_group, names::CVol}};
}

void TetrahedronTab::applyLanguage(const MessageTable& messages) {
    applyHeadings();
    tree_.get(Tet_Figure).caption = messages.text(Line::fig_button, "Figure");
}

const PageLayout& TetrahedronTab::pageLayout() const {
    static const PageLayout layout{N29,
                                   nullptr,
                                   nullptr,
                                   {{true, names::CVersh, names::Piram, {}, {}},
                                    {false, names::CStor, names::PLine, {}, {}},
                                    {false, names::CPl, names::ABC, {}, {}},
                                    {false, names::TVecH, names::TVec_H, {}, {}},
                                    {false, names::CKut, names::Phi, {}, {}},
                                    {false, names::CT_Alpha, names::THam, {}, {}},
                                    {false, names::CVol, nullptr, {}, {{names::Label5, nullptr, {names::Vol}}}}}};
    return layout;
}

std::vector<TabFigure> TetrahedronTab::figures() {
    return {{"tetrahedron", [this](const std::string& h) { return figure(h); }}};
}

} // namespace tc
