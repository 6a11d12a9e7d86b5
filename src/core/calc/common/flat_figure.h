// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether typed vertices make a figure at all: three vertices on one line make
// no triangle, four in one plane no tetrahedron. Decided on the exact values
// typed, never with a tolerance: 0.1, 0.2 and 0.3 on a line are on it although
// their binary values are not, and a triangle of area 1E-30 is a triangle.

#include <array>
#include <string>

#include "numbers/exact.h"

namespace tc {

// Whether the points (x, y), given as typed texts in the order Ax, Ay, Bx, By,
// Cx, Cy, lie on one line; texts that read as numbers with `decimal`.
bool TypedOnOneLine(const std::array<std::string, 6>& typed, char decimal);

// Whether the four points, each given as its typed x, y and z, lie in one plane.
bool TypedInOnePlane(const std::array<std::array<std::string, 3>, 4>& typed, char decimal);

} // namespace tc
