// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the main window: which tab draws which figure, and the
// commands that open the figure window.

#include "app/main_window.h"
#include "figure/figure_text.h"
#include "widgets/names.h"

namespace tc {

void MainWindow::connectFigures() {
    figures_.push_back({"triangle", 2, [this](const std::string& h) { return triangle_.figure(h); }});
    figures_.push_back({"tetrahedron", 3, [this](const std::string& h) { return tetrahedron_.figure(h); }});
    figures_.push_back({"vector", 0, [this](const std::string& h) { return vector_.figure(h); }});
    for (const char* opener : {names::NFigure, names::Tr_Figure, names::Tet_Figure, names::Vec_Figure})
        tree_.onClick(opener, [this] { env_.host.showFigure(); });
}

std::vector<std::string> MainWindow::figureNames() const {
    std::vector<std::string> out;
    for (const FigureSource& f : figures_)
        out.push_back(f.name);
    return out;
}

Figure MainWindow::figure(const std::string& name, const std::string& highlight) const {
    for (const FigureSource& f : figures_)
        if (f.name == name) return f.draw(highlight);
    throw UsageError("there is no figure \"" + name + "\"");
}

std::string MainWindow::figureOfTab(int index) const {
    for (const FigureSource& f : figures_)
        if (f.tab == index) return f.name;
    return "";
}

} // namespace tc
