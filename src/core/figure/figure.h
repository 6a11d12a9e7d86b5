// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a figure shows, worked out from a tab's last computation: labelled
// points, the segments and faces between them and short texts beside them.
// No drawing happens here; a view projects the points (2D as they are, 3D by
// its own rotation) and paints what this says, so the runner can report the
// same content without a display.

#include <string>
#include <vector>

namespace tc {

// What a point stands for, so that a view can draw each kind in its own way.
// A Corner only ends a drawn line or corners a patch of a plane: it is not
// marked or named.
enum class PointRole { Vertex, Foot, Centre, Origin, Tip, Corner };
// What a segment stands for. An Arrow runs from its first point to its second
// and ends in an arrowhead.
enum class SegmentRole { Side, Edge, Median, Height, Bisector, Arrow };

struct FigurePoint {
    std::string label;      // "A", "M", "H(A)"
    std::vector<double> at; // 2 or 3 coordinates, as the figure's dimensions say
    PointRole role = PointRole::Vertex;
    std::string caption; // written beside the point, e.g. its coordinates; may be empty
};

struct FigureSegment {
    std::string from, to; // point labels
    SegmentRole role = SegmentRole::Side;
    std::string caption; // written at its middle, e.g. its length; may be empty
    std::string element; // the element it belongs to, for highlighting; may be empty
    bool highlighted = false;
};

struct FigureFace {
    std::vector<std::string> points; // labels of its corners, in order
    std::string element;             // its name, e.g. "ABC"
    bool highlighted = false;
};

// A short text at a point, e.g. the angle at a vertex.
struct FigureLabel {
    std::string at; // point label
    std::string text;
};

struct Figure {
    int dimensions = 2;
    std::vector<FigurePoint> points;
    std::vector<FigureSegment> segments;
    std::vector<FigureFace> faces;
    std::vector<FigureLabel> labels;
    // The elements a user may pick to highlight (segment and face elements),
    // in the order a list of them should show.
    std::vector<std::string> elements;
    // Shown instead of a drawing, or under it: why nothing (or not all) is drawn.
    std::string note;

    // The point labelled `label`, or null.
    const FigurePoint* point(const std::string& label) const;
    bool drawable() const { return !points.empty(); }
};

// Marks the segments and faces of `element` highlighted and every other one
// not; an empty or unknown element highlights nothing.
void Highlight(Figure& figure, const std::string& element);

// A drawing scales its points to the screen, which works with doubles: a
// coordinate beyond 1E100 in size (or beyond the range of a double, as 1E400
// is) cannot be drawn. A figure with such a point is emptied and given `note`.
void DropIfTooLarge(Figure& figure, const std::string& note);

} // namespace tc
