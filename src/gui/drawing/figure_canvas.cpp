// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/figure_canvas.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <iostream>

#include "drawing/figure_painter.h"
#include "handin/hand_in.h"
#include "base/failure.h"

namespace tc::gui {

FigureCanvas::FigureCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FigureCanvas"));
    setMinimumSize(240, 200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FigureCanvas::setFigure(Figure figure, bool newFigure) {
    figure_ = std::move(figure);
    if (newFigure) view_ = FigureViewAngles{};
    update();
}

void FigureCanvas::resetView() {
    view_ = FigureViewAngles{};
    update();
}

FigureProjection FigureCanvas::projection() const {
    return FigureProjection(figure_, view_, area());
}

void FigureCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintFigure(painter, area(), figure_, view_, palette());
}

void FigureCanvas::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->position().toPoint();
}

void FigureCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || figure_.dimensions != 3) return;
    const QPoint now = event->position().toPoint();
    const QPoint d = now - dragFrom_;
    dragFrom_ = now;
    // A drag across the canvas turns the solid about half a turn.
    view_.yaw += d.x() * 3.0 / std::max(width(), 1);
    view_.pitch = std::clamp(view_.pitch + d.y() * 3.0 / std::max(height(), 1), -1.55, 1.55);
    update();
}

void FigureCanvas::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    view_.zoom = std::clamp(view_.zoom * std::pow(1.15, steps), 0.1, 20.0);
    update();
}

QImage FigureCanvas::image(double scale) const {
    QImage out((QSizeF(size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    out.setDevicePixelRatio(scale);
    QPainter painter(&out);
    PaintFigure(painter, area(), figure_, view_, palette());
    return out;
}

bool FigureCanvas::saveSvg(const QString& path, const QString& title) const {
    const HandIn* handIn = nullptr;
    try {
        handIn = &LoadHandIn();
    } catch (const Failure& f) {
        std::cerr << "tovrincalc: " << f.message() << "\n";
        return false;
    }
    return handIn->svg(path, title, size(), [this](QPainter& painter) {
        PaintFigure(painter, area(), figure_, view_, palette());
    });
}

} // namespace tc::gui
