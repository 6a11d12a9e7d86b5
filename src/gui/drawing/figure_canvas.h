// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing area of the figure window: paints a figure, turns a solid when
// dragged, zooms on the wheel.

#include <QPoint>
#include <QWidget>

#include "drawing/figure_projection.h"
#include "figure/figure.h"

namespace tc::gui {

class FigureCanvas : public QWidget {
    Q_OBJECT
public:
    explicit FigureCanvas(QWidget* parent = nullptr);

    // Shows `figure`; `newFigure` (another figure than before) also resets the view.
    void setFigure(Figure figure, bool newFigure);
    const Figure& figure() const { return figure_; }
    void resetView();
    const FigureViewAngles& view() const { return view_; }
    // Where the canvas puts the figure's points at its current size and view.
    FigureProjection projection() const;

    // The figure as an image `scale` times the canvas size (PNG export), and
    // into an SVG file; false when the file cannot be written.
    QImage image(double scale) const;
    bool saveSvg(const QString& path, const QString& title) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QRectF area() const { return QRectF(rect()); }

    Figure figure_;
    FigureViewAngles view_;
    QPoint dragFrom_;
};

} // namespace tc::gui
