// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text operations of the Tetraedr tab. Each computes one quantity and, in
// the same pass, the texts the written solution quotes. They touch no widget
// and keep no state. Numbers are written in the general form unless a comment
// says otherwise; signs are tested against zero exactly.

#include <string>

#include "calc/tetrahedron/solid.h"
#include "numbers/convert.h"

namespace tc {

struct EdgeTexts {
    std::string vector; // "(x2-x1;y2-y1;z2-z1)=(dx;dy;dz)" with the signs folded in
    std::string length; // the length formula with its numbers, ending in the length in fixed-4
    std::string line;   // the canonical equation of the line through the edge
};

// The texts of the edge `e` from `start` to `end`.
EdgeTexts EdgeText(const Numbers& nums, const Point3& start, const Point3& end, const Edge& e);

struct PlaneTexts {
    std::string equation; // "Ax+By+Cz+D=0", terms with a zero coefficient left out
    std::string a, b, c;  // the normal's coefficients
};

// The texts of a plane.
PlaneTexts PlaneText(const Numbers& nums, const Plane& plane);

// The normal as the later stages use it: read back from the coefficient texts,
// so it carries at most 15 significant digits.
Point3 NormalFromText(const Numbers& nums, const PlaneTexts& plane);

// Half the length of u x v: the area of the triangle the two edge vectors span.
Ext TriangleArea(const Point3& u, const Point3& v);

struct EdgeAngleValue {
    Ext cos;
    Ext degrees;
};

// The angle between two edge vectors whose lengths the edge table already
// holds. A zero length fails as 0/0. A cosine rounded past 1 in magnitude (two
// nearly collinear edges) is 1 or -1, except in a tetrahedron typed flat
// (`typedFlat`), which reaches the solver only where the language file cannot
// say that it is flat: there it fails in the arc cosine as it always did.
EdgeAngleValue EdgeAngle(const Point3& u, const Point3& v, Ext lengthU, Ext lengthV, bool typedFlat = false);

struct EdgeFaceTexts {
    std::string dot;          // "Nx*ex+Ny*ey+Nz*ez=value"
    std::string normalLength; // "(Nx^2+Ny^2+Nz^2)^(1/2)=(sum)^(1/2)=" + |N| in fixed-4
    std::string sine;         // "dot/(|N|*|e|)=" + sine in fixed-4
    std::string sineValue;    // the sine in fixed-4
    std::string degrees;      // the angle in degrees in fixed-4
};

// The texts of the angle `value` between the edge e and the face with normal n.
EdgeFaceTexts EdgeFaceText(const Numbers& nums, const Point3& n, const Point3& e, Ext lengthE,
                           const EdgeFaceValue& value);

// The canonical equation of the line through `vertex` with direction `n`.
std::string HeightText(const Numbers& nums, const Point3& n, const Point3& vertex);

// |det(AB, AC, AD)| / 6.
Ext TetraVolume(const Point3& ab, const Point3& ac, const Point3& ad);

// Radians to degrees with pi at full extended precision.
Ext Degrees(Ext radians);

} // namespace tc
