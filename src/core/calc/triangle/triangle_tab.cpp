#include "calc/triangle/triangle_tab.h"

#include "calc/triangle/triangle_run.h"

namespace tc {

TriangleTab::TriangleTab(WidgetTree& tree, Env& env)
    : tree_(tree), env_(env),
      frame_(
          AddTabFrame(tree, {"T4", "Triangle", "TM", "CTr_But", "CRecord3", "Записати", "CClose3", false})) {
    buildInputs();
    // The caption follows the Vector tab's result group.
    Widget& results = tree_.addPlain(WidgetKind::GroupBox, "CTri", "T4", "Результат", {8, 60, 776, 318});
    buildSides(results);
    buildAngles(results);
    buildLines(results);
    buildCentroid(results);
    placeFrame();
    tree_.onClick("CTr_But", [this] { CTr_ButClick(); });
}

void TriangleTab::formShow() {
    // Below the grid's two rows, so it shows only if the grid ever grows.
    tree_.get<Grid>("REZ5").setCell(0, 2, "cos(alpha)");
}

void TriangleTab::CTr_ButClick() {
    TriangleRun run(tree_, env_, frame_.memo);
    run.startAndInputs();
    run.sides();
    run.angles();
    run.median();
    run.height();
    run.bisector();
    run.centroid();
}

} // namespace tc
