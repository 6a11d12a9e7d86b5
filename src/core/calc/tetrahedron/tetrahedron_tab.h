// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Tetraedr tab: a tetrahedron given by its four vertices. One click of the
// compute button writes the edges with their lines, the face planes and areas,
// the angles between edges and between an edge and a face, the heights and the
// volume, each into its grid or field, and the written solution into Tet_M.

#include <string_view>

#include "context/env.h"
#include "context/framed_tab.h"
#include "context/tab_frame.h"
#include "calc/tetrahedron/tetra_figure.h"
#include "calc/tetrahedron/tetra_write.h"

namespace tc {

class TetrahedronTab : public FramedTab {
public:
    TetrahedronTab(WidgetTree& tree, Env& env);

    // Start-up fill of the grids: headings, column widths and the example
    // vertices.
    void formCreate() override;
    // Words the edge grid's column headings from the current file, which
    // older files lack: those keep the headings of before.
    void applyHeadings();

    // The tab as the window knows it (its _parts file).
    static std::vector<TabMenuRow> MenuRows();
    const TabParts& parts() const override;
    std::vector<CaptionLine> captionLines() const override;
    const PageLayout& pageLayout() const override;
    std::vector<TabFigure> figures() override;
    void applyLanguage(const MessageTable& messages) override;

    // The figure of the last computation, `highlight` highlighted.
    Figure figure(const std::string& highlight) const {
        return TetrahedronFigure(Wording{env_.nums, env_.messages}, last_ ? &*last_ : nullptr, highlight);
    }

private:
    void buildLayout();
    void CP_ButClick();
    // Empties the result cells of every result grid and the volume.
    void clearResults();

    Grid* piram_ = nullptr;
    Grid* pline_ = nullptr;
    Grid* abc_ = nullptr;
    Grid* phi_ = nullptr;
    Grid* tham_ = nullptr;
    Grid* tvecH_ = nullptr;
    Edit* vol_ = nullptr;
    // What the last computation found, as far as it got; none when its data
    // could not be read.
    std::optional<TetraResult> last_;
};

} // namespace tc
