// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a figure's points land on the screen. A plane figure keeps its
// proportions (one scale for x and y) and fits the area with a margin; a solid
// is turned by the view's angles about its centre and drawn in parallel
// projection, z up.

#include <QPointF>
#include <QRectF>
#include <vector>

#include "figure/figure.h"

namespace tc::gui {

// How the user looks at a figure: turned (solids only) and zoomed.
struct FigureViewAngles {
    double yaw = -0.6;   // about the vertical axis, radians
    double pitch = 0.35; // tilt towards the viewer, radians
    double zoom = 1.0;
};

class FigureProjection {
public:
    FigureProjection(const Figure& figure, const FigureViewAngles& view, const QRectF& area);

    QPointF map(const std::vector<double>& at) const;
    // How near the point is to the viewer (solids only; larger is nearer).
    double depth(const std::vector<double>& at) const;
    // A direction turned as the view turns it: (screen x, screen up, towards
    // the viewer). For plane figures it is returned as it is.
    std::vector<double> turn(const std::vector<double>& direction) const;

    bool solid() const { return solid_; }
    // Pixels per unit of the figure's coordinates.
    double scale() const { return scale_; }
    // The figure's coordinates at a screen point (plane figures only).
    QPointF unmap(const QPointF& screen) const;
    // The size of the figure: its greatest distance from its centre (solids)
    // or the larger side of its bounds (plane figures).
    double extent() const { return extent_; }

private:
    bool solid_;
    QPointF screenCentre_;
    std::vector<double> centre_;
    double scale_ = 1;
    double extent_ = 1;
    double cosYaw_ = 1, sinYaw_ = 0, cosPitch_ = 1, sinPitch_ = 0;
};

} // namespace tc::gui
