// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Triangle tab: a plane triangle from its three vertices, with its sides,
// side lines, angles, the median, height and bisector from A and the centroid,
// each written out step by step into the memo TM.

#include <array>
#include <map>

#include "context/env.h"
#include "context/framed_tab.h"
#include "context/tab_frame.h"
#include "calc/triangle/triangle_figure.h"
#include "calc/triangle/triangle_write.h"

namespace tc {

class TriangleTab : public FramedTab {
public:
    TriangleTab(WidgetTree& tree, Env& env);

    // What the main window's FormShow writes into this tab.
    void formShow() override;

    // The tab as the window knows it (its _parts file).
    static std::vector<TabMenuRow> MenuRows();
    const TabParts& parts() const override;
    std::vector<CaptionLine> captionLines() const override;
    const PageLayout& pageLayout() const override;
    std::vector<TabFigure> figures() override;
    void applyLanguage(const MessageTable& messages) override;

    // The figure of the last computation, `highlight` highlighted.
    Figure figure(const std::string& highlight) const {
        return TriangleFigure(Wording{env_.nums, env_.messages}, last_ ? &*last_ : nullptr, highlight);
    }

private:
    void buildInputs();
    void buildSides(Widget& results);
    void buildAngles(Widget& results);
    void buildLines(Widget& results);
    void buildCentroid(Widget& results);
    void placeFrame();

    // The compute button's handler.
    void CTr_ButClick();
    // Empties every result field and the values of the angle grid.
    void clearResults();

    std::array<Edit*, 6> vertexFields_{};                    // Ax, Ay, Bx, By, Cx, Cy
    std::map<std::string, Edit*, std::less<>> resultFields_; // by widget name
    Grid* angleGrid_ = nullptr;
    // What the last computation found, as far as it got; none when its data
    // could not be read.
    std::optional<TriangleResult> last_;
};

} // namespace tc
