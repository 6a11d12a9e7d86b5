// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/figure_painter.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <map>

#include "qt_text.h"

namespace tc::gui {

namespace {

constexpr double kVertexRadius = 3.5;

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                            static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                            static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

class Painter {
public:
    Painter(QPainter& p, const QRectF& area, const Figure& f, const FigureViewAngles& view,
            const QPalette& pal)
        : p_(p), area_(area), f_(f), proj_(f, view, area), pal_(pal) {
        ink_ = pal.color(QPalette::Text);
        paper_ = pal.color(QPalette::Base);
        const bool dark = paper_.lightness() < 128;
        // The three lines from a vertex in colours that stay apart on either paper.
        median_ = dark ? QColor(120, 170, 255) : QColor(25, 90, 200);
        height_ = dark ? QColor(255, 120, 120) : QColor(200, 40, 40);
        bisector_ = dark ? QColor(110, 220, 130) : QColor(20, 140, 60);
        for (const FigurePoint& pt : f.points) {
            screen_[pt.label] = proj_.map(pt.at);
            centre_ += screen_[pt.label] / static_cast<double>(f.points.size());
        }
    }

    void paint() {
        p_.fillRect(area_, paper_);
        if (!f_.drawable()) {
            note(area_, Qt::AlignCenter);
            return;
        }
        if (proj_.solid())
            axes3();
        else
            grid2();
        faces();
        segments();
        points();
        placeTexts();
        note(area_.adjusted(6, 6, -6, -6), Qt::AlignBottom | Qt::AlignLeft);
    }

private:
    // --- plane figures: a grid with numbered lines and the axes
    static double NiceStep(double rough) {
        const double power = std::pow(10.0, std::floor(std::log10(rough)));
        for (double m : {1.0, 2.0, 5.0, 10.0})
            if (m * power >= rough) return m * power;
        return 10 * power;
    }

    void grid2() {
        const QPointF lo = proj_.unmap(area_.bottomLeft()), hi = proj_.unmap(area_.topRight());
        const double step = NiceStep(std::max(hi.x() - lo.x(), hi.y() - lo.y()) / 10);
        if (!(step > 0) || !std::isfinite(step)) return;
        const QColor gridColor = Mix(paper_, ink_, 0.12), axisColor = Mix(paper_, ink_, 0.55);
        const QColor numberColor = Mix(paper_, ink_, 0.6);
        p_.save();
        QFont small = p_.font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        p_.setFont(small);
        const QPointF zero = proj_.map({0, 0});
        // The numbers sit along the axis when it shows, else along the edge.
        const double numbersY = std::clamp(zero.y() + 14, area_.top() + 14, area_.bottom() - 4);
        const double numbersX = std::clamp(zero.x() - 4, area_.left() + 40, area_.right() - 4);
        for (double x = std::ceil(lo.x() / step) * step; x <= hi.x(); x += step) {
            const double sx = proj_.map({x, 0}).x();
            p_.setPen(QPen(gridColor, 0));
            p_.drawLine(QPointF(sx, area_.top()), QPointF(sx, area_.bottom()));
            if (std::fabs(x) < step / 2) continue;
            p_.setPen(numberColor);
            p_.drawText(QRectF(sx - 40, numbersY - 12, 80, 14), Qt::AlignHCenter | Qt::AlignBottom,
                        Number(x));
        }
        for (double y = std::ceil(lo.y() / step) * step; y <= hi.y(); y += step) {
            const double sy = proj_.map({0, y}).y();
            p_.setPen(QPen(gridColor, 0));
            p_.drawLine(QPointF(area_.left(), sy), QPointF(area_.right(), sy));
            if (std::fabs(y) < step / 2) continue;
            p_.setPen(numberColor);
            p_.drawText(QRectF(numbersX - 80, sy - 7, 80, 14), Qt::AlignRight | Qt::AlignVCenter, Number(y));
        }
        p_.setPen(QPen(axisColor, 1.2));
        if (area_.left() <= zero.x() && zero.x() <= area_.right()) {
            arrow(QPointF(zero.x(), area_.bottom()), QPointF(zero.x(), area_.top() + 2), 1.2);
            p_.drawText(QPointF(zero.x() + 6, area_.top() + 14), QStringLiteral("y"));
        }
        if (area_.top() <= zero.y() && zero.y() <= area_.bottom()) {
            arrow(QPointF(area_.left(), zero.y()), QPointF(area_.right() - 2, zero.y()), 1.2);
            p_.drawText(QPointF(area_.right() - 14, zero.y() - 6), QStringLiteral("x"));
        }
        p_.restore();
    }

    static QString Number(double v) { return QString::number(std::fabs(v) < 1e-12 ? 0.0 : v, 'g', 6); }

    // --- solids: the axes from the origin
    void axes3() {
        const double length = proj_.extent();
        const QColor axisColor = Mix(paper_, ink_, 0.45);
        const QPointF origin = proj_.map({0, 0, 0});
        const char* names[3] = {"x", "y", "z"};
        for (int i = 0; i < 3; ++i) {
            std::vector<double> end(3, 0.0);
            end[static_cast<std::size_t>(i)] = length;
            const QPointF tip = proj_.map(end);
            p_.setPen(QPen(axisColor, 1));
            arrow(origin, tip, 1);
            const QPointF at(std::clamp(tip.x() + 4, area_.left() + 2, area_.right() - 12),
                             std::clamp(tip.y() - 4, area_.top() + 12, area_.bottom() - 2));
            p_.drawText(at, QString::fromLatin1(names[i]));
        }
    }

    // --- faces, lightly shaded; a solid's faces seen from behind are not
    std::vector<double> at(const std::string& label) const {
        const FigurePoint* pt = f_.point(label);
        return pt ? pt->at : std::vector<double>{};
    }

    // Whether the face turns towards the viewer: its outward normal (away from
    // the centre of all points) points at the viewer. A face without a normal
    // (a flat solid) counts as seen.
    bool facesViewer(const FigureFace& face) const {
        if (face.points.size() < 3) return true;
        const std::vector<double> a = at(face.points[0]), b = at(face.points[1]), c = at(face.points[2]);
        if (a.size() < 3 || b.size() < 3 || c.size() < 3) return true;
        const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]},
                     v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        std::vector<double> n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                                 u[0] * v[1] - u[1] * v[0]};
        std::vector<double> mid(3, 0.0);
        for (const FigurePoint& pt : f_.points)
            if (pt.role == PointRole::Vertex)
                for (std::size_t i = 0; i < 3; ++i)
                    mid[i] += pt.at[i];
        double count = 0;
        for (const FigurePoint& pt : f_.points)
            count += pt.role == PointRole::Vertex ? 1 : 0;
        double outward = 0;
        for (std::size_t i = 0; i < 3; ++i)
            outward += n[i] * (a[i] - mid[i] / std::max(count, 1.0));
        if (outward < 0)
            for (double& x : n)
                x = -x;
        const double size = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (!(size > 1e-12 * proj_.extent() * proj_.extent())) return true;
        return proj_.turn(n)[2] > 0;
    }

    void faces() {
        for (const FigureFace& face : f_.faces) {
            // A patch of a plane (its corners mark nothing) is seen from both sides.
            const FigurePoint* corner = face.points.empty() ? nullptr : f_.point(face.points[0]);
            const bool patch = corner && corner->role == PointRole::Corner;
            const bool seen = patch || facesViewer(face);
            if (!seen && !face.highlighted) continue;
            QPolygonF polygon;
            for (const std::string& label : face.points)
                polygon << screen_[label];
            QColor fill = face.highlighted ? pal_.color(QPalette::Highlight) : ink_;
            fill.setAlphaF(face.highlighted ? 0.35f : 0.06f);
            p_.setPen(Qt::NoPen);
            p_.setBrush(fill);
            p_.drawPolygon(polygon);
        }
        p_.setBrush(Qt::NoBrush);
    }

    // --- segments
    // A solid's edge is hidden when every face it borders turns away.
    bool hidden(const FigureSegment& s) const {
        if (!proj_.solid() || s.role != SegmentRole::Edge) return false;
        bool bordered = false;
        for (const FigureFace& face : f_.faces) {
            const auto has = [&](const std::string& l) {
                return std::find(face.points.begin(), face.points.end(), l) != face.points.end();
            };
            if (!has(s.from) || !has(s.to)) continue;
            bordered = true;
            if (facesViewer(face)) return false;
        }
        return bordered;
    }

    QColor roleColor(SegmentRole role) const {
        switch (role) {
        case SegmentRole::Median: return median_;
        case SegmentRole::Height: return height_;
        case SegmentRole::Bisector: return bisector_;
        default: return ink_;
        }
    }

    // Each arrow in its own colour, and its tip's caption with it, so that A,
    // B and their sum or difference are told apart at a glance.
    QColor arrowColor(const std::string& tip) const {
        const QColor colors[] = {median_, bisector_, height_};
        size_t k = 0;
        for (const FigureSegment& s : f_.segments) {
            if (s.role != SegmentRole::Arrow) continue;
            if (s.to == tip) return colors[k % 3];
            ++k;
        }
        return ink_;
    }

    void segments() {
        for (const FigureSegment& s : f_.segments) {
            const QPointF a = screen_[s.from], b = screen_[s.to];
            QColor color = s.highlighted                  ? pal_.color(QPalette::Highlight)
                           : s.role == SegmentRole::Arrow ? arrowColor(s.to)
                                                          : roleColor(s.role);
            double width = s.highlighted
                               ? 3.5
                               : (s.role == SegmentRole::Side || s.role == SegmentRole::Edge ? 1.8 : 1.4);
            QPen pen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            if (hidden(s)) {
                pen.setStyle(Qt::DashLine);
                pen.setWidthF(1.2);
            } else if (proj_.solid() && s.role == SegmentRole::Height && !s.highlighted) {
                pen.setStyle(Qt::DotLine);
            }
            p_.setPen(pen);
            if (s.role == SegmentRole::Arrow)
                arrow(a, b, width);
            else
                p_.drawLine(a, b);
            if (!s.caption.empty()) {
                // The length outside the figure, beside the middle of the segment.
                const QPointF mid = (a + b) / 2;
                QPointF away(-(b - a).y(), (b - a).x());
                const double len = std::hypot(away.x(), away.y());
                if (len > 0) away /= len;
                if (QPointF::dotProduct(away, mid - centre_) < 0) away = -away;
                text(mid, away, Q(s.caption), ink_);
            }
        }
    }

    void arrow(const QPointF& from, const QPointF& to, double width) {
        p_.drawLine(from, to);
        const QPointF d = to - from;
        const double len = std::hypot(d.x(), d.y());
        if (len < 1) return;
        const QPointF u = d / len, n(-u.y(), u.x());
        const double head = 7 + 2 * width;
        QPolygonF tip;
        tip << to << to - u * head + n * head * 0.45 << to - u * head - n * head * 0.45;
        const QBrush old = p_.brush();
        p_.setBrush(p_.pen().color());
        p_.drawPolygon(tip);
        p_.setBrush(old);
    }

    // --- points, their captions and the labels at them
    void points() {
        for (const FigurePoint& pt : f_.points) {
            if (pt.role == PointRole::Corner) continue;
            const QPointF s = screen_[pt.label];
            written_.push_back(QRectF(s - QPointF(5, 5), QSizeF(10, 10)));
            p_.setPen(QPen(ink_, 1.4));
            if (pt.role == PointRole::Vertex || pt.role == PointRole::Origin) {
                p_.setBrush(ink_);
                p_.drawEllipse(s, kVertexRadius, kVertexRadius);
            } else if (pt.role == PointRole::Centre) {
                p_.setBrush(paper_);
                p_.drawEllipse(s, kVertexRadius + 1, kVertexRadius + 1);
                p_.drawPoint(s);
            } else {
                p_.setBrush(paper_);
                p_.drawEllipse(s, kVertexRadius - 0.5, kVertexRadius - 0.5);
            }
            p_.setBrush(Qt::NoBrush);
            if (!pt.caption.empty()) {
                // Away from the middle of the figure, so it does not cover a line.
                QPointF away = s - centre_;
                const double len = std::hypot(away.x(), away.y());
                away = len > 0 ? away / len : QPointF(0, -1);
                const bool vertex = pt.role == PointRole::Vertex;
                const QColor color = pt.role == PointRole::Tip ? arrowColor(pt.label) : ink_;
                text(s, away, Q(pt.caption), color, vertex, vertex ? 0 : 3);
            }
        }
        for (const FigureLabel& l : f_.labels) {
            // Inside the angle: towards the middle of the figure.
            const QPointF s = screen_[l.at];
            QPointF inward = centre_ - s;
            const double len = std::hypot(inward.x(), inward.y());
            if (len < 40) continue; // no room inside so small an angle
            label(s, inward / len, Q(l.text));
        }
    }

    // A label inside the angle at `s`: towards `inward`, turned a little either
    // way when a line of the figure would run through it.
    void label(const QPointF& s, const QPointF& inward, const QString& t) {
        const QFontMetricsF metrics(p_.font());
        const QSizeF size(metrics.horizontalAdvance(t) + 4, metrics.height());
        for (double distance : {14.0, 30.0, 50.0})
            for (double turn : {0.0, 0.35, -0.35, 0.7, -0.7}) {
                const QPointF d(inward.x() * std::cos(turn) - inward.y() * std::sin(turn),
                                inward.x() * std::sin(turn) + inward.y() * std::cos(turn));
                const double reach =
                    distance + std::fabs(d.x()) * size.width() / 2 + std::fabs(d.y()) * size.height() / 2;
                const QPointF centre = s + d * reach;
                if (crossesSegment(QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size)))
                    continue;
                text(centre, QPointF(), t, Mix(paper_, ink_, 0.75), false, 2);
                return;
            }
    }

    bool crossesSegment(const QRectF& box) const {
        const QLineF edges[4] = {{box.topLeft(), box.topRight()},
                                 {box.topRight(), box.bottomRight()},
                                 {box.bottomRight(), box.bottomLeft()},
                                 {box.bottomLeft(), box.topLeft()}};
        for (const FigureSegment& seg : f_.segments) {
            const QLineF line(screen_.at(seg.from), screen_.at(seg.to));
            if (box.contains(line.p1()) || box.contains(line.p2())) return true;
            for (const QLineF& e : edges)
                if (line.intersects(e) == QLineF::BoundedIntersection) return true;
        }
        return false;
    }

    // Asks for `t` beside the point `at`, a few pixels off it in the direction
    // `away` (a unit vector). The texts are placed after all lines, the more
    // important first (lower `rank`); each goes where it covers no text placed
    // before it, turning about `at` if it must, and is left out where it does
    // not fit at all.
    void text(const QPointF& at, const QPointF& away, const QString& t, const QColor& color,
              bool bold = false, int rank = 1) {
        texts_.push_back({at, away, t, color, bold, rank});
    }

    void placeTexts() {
        std::stable_sort(texts_.begin(), texts_.end(),
                         [](const Text& a, const Text& b) { return a.rank < b.rank; });
        for (const Text& t : texts_) {
            QFont font = p_.font();
            font.setBold(t.bold);
            const QFontMetricsF metrics(font);
            const QSizeF size(metrics.horizontalAdvance(t.text) + 4, metrics.height());
            for (double turn : {0.0, 0.6, -0.6, 1.2, -1.2, 3.14159}) {
                const QPointF d(t.away.x() * std::cos(turn) - t.away.y() * std::sin(turn),
                                t.away.x() * std::sin(turn) + t.away.y() * std::cos(turn));
                const double reach =
                    6 + std::fabs(d.x()) * size.width() / 2 + std::fabs(d.y()) * size.height() / 2;
                QRectF box(t.at + d * reach - QPointF(size.width() / 2, size.height() / 2), size);
                box.moveLeft(std::clamp(box.left(), area_.left(), area_.right() - box.width()));
                box.moveTop(std::clamp(box.top(), area_.top(), area_.bottom() - box.height()));
                if (std::any_of(written_.begin(), written_.end(),
                                [&](const QRectF& r) { return r.intersects(box); }))
                    continue;
                written_.push_back(box);
                // On a veil of the paper: a line under the text does not cross it out.
                QColor veil = paper_;
                veil.setAlpha(200);
                p_.fillRect(box, veil);
                p_.setFont(font);
                p_.setPen(t.color);
                p_.drawText(box, Qt::AlignCenter, t.text);
                break;
            }
        }
    }

    void note(const QRectF& box, Qt::Alignment align) {
        if (f_.note.empty()) return;
        p_.setPen(ink_);
        p_.drawText(box, static_cast<int>(align) | Qt::TextWordWrap, Q(f_.note));
    }

    QPainter& p_;
    QRectF area_;
    const Figure& f_;
    FigureProjection proj_;
    const QPalette& pal_;
    QColor ink_, paper_, median_, height_, bisector_;
    std::map<std::string, QPointF> screen_;
    QPointF centre_;
    std::vector<QRectF> written_;
    struct Text {
        QPointF at, away;
        QString text;
        QColor color;
        bool bold;
        int rank;
    };
    std::vector<Text> texts_;
};

} // namespace

void PaintFigure(QPainter& painter, const QRectF& area, const Figure& figure, const FigureViewAngles& view,
                 const QPalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(area);
    Painter(painter, area, figure, view, palette).paint();
    painter.restore();
}

} // namespace tc::gui
