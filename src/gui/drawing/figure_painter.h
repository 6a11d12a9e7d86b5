// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paints a figure of the core into any painter: the window's canvas, a PNG
// image or an SVG file. Colours follow the palette it is given.

#include <QPainter>
#include <QPalette>
#include <QRectF>

#include "drawing/figure_projection.h"
#include "figure/figure.h"

namespace tc::gui {

void PaintFigure(QPainter& painter, const QRectF& area, const Figure& figure, const FigureViewAngles& view,
                 const QPalette& palette);

} // namespace tc::gui
