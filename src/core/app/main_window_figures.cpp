// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of the main window: which tab draws which figure, and the
// commands that open the figure window.

#include "app/main_window.h"
#include "widgets/names.h"

namespace tc {

void MainWindow::connectFigures() {
    tree_.onClick(names::NFigure, [this] { env_.host.showFigure(); });
    for (int t = 0; t < tabCount(); ++t) {
        for (TabFigure& f : tabs_[static_cast<size_t>(t)]->figures())
            figures_.push_back({t, std::move(f)});
        for (const char* opener : tabAt(t).parts().figureButtons)
            tree_.onClick(opener, [this] { env_.host.showFigure(); });
    }
}

std::vector<std::string> MainWindow::figureNames() const {
    std::vector<std::string> out;
    for (const FigureSource& f : figures_)
        out.push_back(f.figure.name);
    return out;
}

Figure MainWindow::figure(const std::string& name, const std::string& highlight) const {
    for (const FigureSource& f : figures_)
        if (f.figure.name == name) return f.figure.draw(highlight);
    throw UsageError("there is no figure \"" + name + "\"");
}

std::string MainWindow::figureOfTab(int index) const {
    for (const FigureSource& f : figures_)
        if (f.tab == index) return f.figure.name;
    return "";
}

} // namespace tc
