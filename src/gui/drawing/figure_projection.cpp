// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/figure_projection.h"

#include <algorithm>
#include <cmath>

namespace tc::gui {

namespace {

double Coordinate(const std::vector<double>& at, std::size_t i) {
    return i < at.size() ? at[i] : 0.0;
}

} // namespace

FigureProjection::FigureProjection(const Figure& figure, const FigureViewAngles& view, const QRectF& area)
    : solid_(figure.dimensions == 3), screenCentre_(area.center()) {
    const std::size_t dims = solid_ ? 3 : 2;
    centre_.assign(dims, 0.0);
    if (figure.points.empty()) return;

    if (solid_) {
        for (const FigurePoint& p : figure.points)
            for (std::size_t i = 0; i < dims; ++i)
                centre_[i] += Coordinate(p.at, i) / static_cast<double>(figure.points.size());
        double radius = 0;
        for (const FigurePoint& p : figure.points) {
            double squared = 0;
            for (std::size_t i = 0; i < dims; ++i)
                squared += std::pow(Coordinate(p.at, i) - centre_[i], 2);
            radius = std::max(radius, std::sqrt(squared));
        }
        extent_ = radius > 0 ? radius : 1.0;
        scale_ = std::min(area.width(), area.height()) * 0.42 / extent_ * view.zoom;
        cosYaw_ = std::cos(view.yaw);
        sinYaw_ = std::sin(view.yaw);
        cosPitch_ = std::cos(view.pitch);
        sinPitch_ = std::sin(view.pitch);
        return;
    }

    double lo[2] = {Coordinate(figure.points[0].at, 0), Coordinate(figure.points[0].at, 1)};
    double hi[2] = {lo[0], lo[1]};
    for (const FigurePoint& p : figure.points)
        for (std::size_t i = 0; i < 2; ++i) {
            lo[i] = std::min(lo[i], Coordinate(p.at, i));
            hi[i] = std::max(hi[i], Coordinate(p.at, i));
        }
    const double width = hi[0] - lo[0], height = hi[1] - lo[1];
    extent_ = std::max(width, height) > 0 ? std::max(width, height) : 1.0;
    // A flat or tiny figure still gets room around it in both directions.
    const double spanX = std::max(width, extent_ * 0.25), spanY = std::max(height, extent_ * 0.25);
    constexpr double kFill = 0.78; // the rest is margin for the labels
    scale_ = std::min(area.width() / spanX, area.height() / spanY) * kFill * view.zoom;
    centre_ = {(lo[0] + hi[0]) / 2, (lo[1] + hi[1]) / 2};
}

std::vector<double> FigureProjection::turn(const std::vector<double>& d) const {
    if (!solid_) return d;
    const double x = Coordinate(d, 0), y = Coordinate(d, 1), z = Coordinate(d, 2);
    const double x1 = x * cosYaw_ - y * sinYaw_;
    const double y1 = x * sinYaw_ + y * cosYaw_;
    const double depth = y1 * cosPitch_ - z * sinPitch_;
    const double up = y1 * sinPitch_ + z * cosPitch_;
    return {x1, up, -depth};
}

QPointF FigureProjection::map(const std::vector<double>& at) const {
    if (!solid_)
        return {screenCentre_.x() + (Coordinate(at, 0) - centre_[0]) * scale_,
                screenCentre_.y() - (Coordinate(at, 1) - centre_[1]) * scale_};
    const std::vector<double> t = turn(
        {Coordinate(at, 0) - centre_[0], Coordinate(at, 1) - centre_[1], Coordinate(at, 2) - centre_[2]});
    return {screenCentre_.x() + t[0] * scale_, screenCentre_.y() - t[1] * scale_};
}

double FigureProjection::depth(const std::vector<double>& at) const {
    if (!solid_) return 0;
    return turn(
        {Coordinate(at, 0) - centre_[0], Coordinate(at, 1) - centre_[1], Coordinate(at, 2) - centre_[2]})[2];
}

QPointF FigureProjection::unmap(const QPointF& s) const {
    return {centre_[0] + (s.x() - screenCentre_.x()) / scale_,
            centre_[1] - (s.y() - screenCentre_.y()) / scale_};
}

} // namespace tc::gui
