// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the lines-and-planes tab writes its exact values into formulas:
// points, vectors, equations and the cross product with its numbers. All
// values are fractions, which hold no decimal separator.

#include <string>

#include "calc/space/space_inputs.h"

namespace tc::space {

// A term k*variable of a sum: "+2x", "-y", "+(1/2)z", nothing for k = 0;
// `first` leaves out the "+" of a leading term. An empty variable writes k.
std::string Term(const Rational& k, const std::string& variable, bool first);
// A factor of a product: a negative number or a fraction in brackets.
std::string Factor(const Rational& q);
// "(1; -2; 1/2)"
std::string VecText(const Vec3& v);
// "(3-1; 0-2; 1-(-1))": the components of a - b with their numbers.
std::string DiffText(const Vec3& a, const Vec3& b);
// "2x-y+(1/2)z-3=0"; a zero coefficient's term is left out.
std::string PlaneEquation(const SpacePlane& p);
// "A(x-x0)+B(y-y0)+C(z-z0)=0" with the numbers: "2(x-1)-(y+3)+4z=0".
std::string PlaneByPoint(const Vec3& n, const Vec3& p);
// "(x-1)/2=(y+3)/(-1)=z/4"
std::string Canonical(const SpaceLine& l);
// "x=1+2t; y=-3-t; z=4t"; `t` names the parameter.
std::string Parametric(const SpaceLine& l, const std::string& t = "t");
// "|i j k; 2 -2 2; 1 0 3|=((-2)*3-2*0; 2*1-2*3; 2*0-(-2)*1)=(-6; -4; 2)"
std::string CrossText(const Vec3& u, const Vec3& v, const Vec3& w);
// "2*1+(-1)*2+3*(1/2)": a*b with its numbers.
std::string DotText(const Vec3& a, const Vec3& b);
// "2^2+(-1)^2+3^2"
std::string SquaresText(const Vec3& v);
// "3*1+2*2-1*(-1)-8": the left side of the plane's equation at p.
std::string AtPointText(const SpacePlane& plane, const Vec3& p);
// The coordinate names x, y, z.
const char* Axis(int i);

} // namespace tc::space
