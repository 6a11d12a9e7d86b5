// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure/figure.h"

#include <cmath>

namespace tc {

namespace {

constexpr double kLargestDrawn = 1e100;

} // namespace

const FigurePoint* Figure::point(const std::string& label) const {
    for (const FigurePoint& p : points)
        if (p.label == label) return &p;
    return nullptr;
}

void Highlight(Figure& figure, const std::string& element) {
    for (FigureSegment& s : figure.segments)
        s.highlighted = !element.empty() && s.element == element;
    for (FigureFace& f : figure.faces)
        f.highlighted = !element.empty() && f.element == element;
}

void DropIfTooLarge(Figure& figure, const std::string& note) {
    for (const FigurePoint& p : figure.points)
        for (double v : p.at)
            if (!(std::fabs(v) <= kLargestDrawn)) {
                figure = Figure{figure.dimensions, {}, {}, {}, {}, {}, note};
                return;
            }
}

} // namespace tc
