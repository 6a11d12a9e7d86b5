#pragma once
// The segment and angle texts that the Triangle tab quotes in its written
// solution and result fields. Both compute a plane quantity and its texts in
// one pass; they keep no state and touch no widget.

#include <array>
#include <string>

#include "numbers/convert.h"

namespace tc {

// Nine text entries, numbered 1 to 9. Each text function fills the entries it
// names; the others stay empty.
struct TriangleLines {
    static constexpr int kCount = 9;
    std::array<std::string, kCount> entries{};

    std::string& operator[](int k) { return entries.at(static_cast<std::size_t>(k - 1)); }
    const std::string& operator[](int k) const { return entries.at(static_cast<std::size_t>(k - 1)); }
};

// The segment from P(x1; y1) to Q(x2; y2):
//   1  the vector, "(x2-x1;y2-y1)=(dx;dy)" with a negative start coordinate
//      in parentheses;
//   2  the line PQ: "x=x1" when vertical, "y=y1" when horizontal (also for
//      P = Q), otherwise the canonical equation "(x-x1)/dx=(y-y1)/dy";
//   3  the slope form of the line (see SlopeForm) when it is neither vertical
//      nor horizontal, otherwise "0";
//   4, 5  dx and dy;
//   6  the length with its formula, "(dx^2+dy^2)^(1/2)=len";
//   7  the length with 4 decimals;
//   8  "0" when entry 3 holds a slope form, "1" when not.
// Numbers in the general form unless stated. Fails only on overflow.
TriangleLines SegmentText(const Numbers& nums, Ext x1, Ext y1, Ext x2, Ext y2);

// The angle between the vectors u(ux; uy) and v(vx; vy):
//   1  the scalar product, "ux*vx+uy*vy=p+q=s", negative factors after the
//      first in parentheses;
//   2, 3  the lengths of u and v with their formulas;
//   4  the cosine, "s/(|u|*|v|)=c" with |u|, |v| to 4 decimals and c to 6;
//   5  the angle in degrees, "arcos(c)/3,14*180=angle" (the value uses the full
//      extended pi; "3,14" is only text).
// The fixed forms here keep 18 significant digits before rounding to their
// decimals. A zero vector fails with "Invalid floating point operation"
// (0/0), as does a cosine that rounding has carried past -1 or 1.
TriangleLines AngleText(const Numbers& nums, Ext ux, Ext uy, Ext vx, Ext vy);

// The line y - m*x + c = 0 with a non-zero slope m, numbers with 4 decimals:
// "y-m x" for m > 0, "y+(-m)x" otherwise, then the constant term (see
// ConstantTerm) and "=0". Example: m = -1, c = -3 gives "y+1.0000x-3.0000=0".
std::string SlopeForm(const Numbers& nums, Ext m, Ext c);

// The constant term of an equation, 4 decimals: "+c" for c > 0, "-|c|" for
// c < 0, "" for c = 0. The operator follows the sign of c itself, so a tiny
// negative c reads "-0.0000" and never "x0.0000".
std::string ConstantTerm(const Numbers& nums, Ext c);

} // namespace tc
