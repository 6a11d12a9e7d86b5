#pragma once
// The written steps of the quadratic formula for A*x^2+B*x+C=0: the
// discriminant with the coefficients put in and the expansion of each root.
// They take the coefficients as extended numbers, compute every value they
// show again from them, and touch no widget.

#include <string>

#include "numbers/convert.h"

namespace tc {

// "D=b*b-4*a*c=<value>" with the numbers put in; a negative coefficient is
// written in parentheses: D=(-5)*(-5)-4*1*(-6)=49.
std::string DiscriminantText(const Numbers& n, Ext a, Ext b, Ext c);

// "(-b<sign>sqrt(D))/(2*a)=<root>" with the numbers put in, for real roots;
// `sign` is '+' for the first root and '-' for the second. Fails with an
// invalid operation when the discriminant is negative.
std::string RealRootText(const Numbers& n, char sign, Ext a, Ext b, Ext c);

// "(-b<sign>s*i)/(2*a)=<re><sign><im>*i" with s = sqrt(4*a*c-b*b), for complex
// roots. The imaginary part is written after the sign as it is, so a negative
// a gives "1+-2*i". Fails with an invalid operation when 4*a*c-b*b is negative.
std::string ComplexRootText(const Numbers& n, char sign, Ext a, Ext b, Ext c);

// The discriminant b*b-4*a*c and the square-root argument 4*a*c-b*b of the
// complex case, evaluated in the order the texts show them.
Ext Discriminant(Ext a, Ext b, Ext c);
Ext NegatedDiscriminant(Ext a, Ext b, Ext c);

} // namespace tc
