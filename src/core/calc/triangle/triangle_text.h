// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The segment and angle texts that the Triangle tab quotes in its written
// solution and result fields, worded from the measured values. They keep no
// state, touch no widget and compute nothing beyond the number forms.

#include <string>

#include "calc/triangle/triangle_geometry.h"
#include "numbers/convert.h"

namespace tc {

struct SegmentTexts {
    // "(x2-x1;y2-y1)=(dx;dy)", a negative start coordinate in parentheses.
    std::string vector;
    // The line: "x=x1" when vertical, "y=y1" when horizontal (also for a
    // point), otherwise the canonical equation "(x-x1)/dx=(y-y1)/dy".
    std::string line;
    // The slope form (see SlopeForm); empty when the segment has no slope.
    std::string slopeForm;
    std::string dx, dy;
    // The length with its formula, "(dx^2+dy^2)^(1/2)=len".
    std::string lengthFormula;
    // The length with 4 decimals.
    std::string length;
};

// Numbers in the general form unless stated.
SegmentTexts SegmentText(const Numbers& nums, const Segment2& s);

struct AngleTexts {
    // The scalar product, "ux*vx+uy*vy=p+q=s", negative factors after the first
    // in parentheses.
    std::string product;
    // The lengths of u and v with their formulas.
    std::string lengthU, lengthV;
    // The cosine, "s/(|u|*|v|)=c" with |u|, |v| to 4 decimals and c to 6.
    std::string cosine;
    // The angle in degrees, "arccos(c)/Pi*180=angle".
    std::string degrees;
};

// The fixed forms here keep 18 significant digits before rounding to their
// decimals.
AngleTexts AngleText(const Numbers& nums, const Angle2& a);

// The line y - m*x + c = 0 with a non-zero slope m, numbers with 4 decimals:
// "y-m x" for m > 0, "y+(-m)x" otherwise, then the constant term (see
// ConstantTerm) and "=0". Example: m = -1, c = -3 gives "y+1.0000x-3.0000=0".
std::string SlopeForm(const Numbers& nums, Slope line);

// The constant term of an equation, 4 decimals: "+c" for c > 0, "-|c|" for
// c < 0, "" for c = 0. The operator follows the sign of c itself, so a tiny
// negative c reads "-0.0000" and never "x0.0000".
std::string ConstantTerm(const Numbers& nums, Ext c);

} // namespace tc
