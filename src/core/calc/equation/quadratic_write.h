// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of the quadratic formula for A*x^2+B*x+C=0: the
// discriminant with the coefficients put in, the case that applies and the
// expansion of each root. Every value comes from the solution; nothing here
// computes or touches a widget.

#include <string>
#include <vector>

#include "context/env.h"
#include "calc/equation/equation_root.h"
#include "calc/equation/quadratic_solve.h"

namespace tc {

// "D=b*b-4*a*c=<value>" with the numbers put in; a negative coefficient is
// written in parentheses: D=(-5)*(-5)-4*1*(-6)=49.
std::string DiscriminantText(const Numbers& n, Ext a, Ext b, Ext c, Ext d);

// "(-b<sign>sqrt(D))/(2*a)=<root>" with the numbers put in, for real roots;
// `sign` is '+' for the first root and '-' for the second.
std::string RealRootText(const Numbers& n, char sign, Ext a, Ext b, const RealRootPair& roots);

// "(-b<sign>s*i)/(2*a)=<re><sign><im>*i" with s = sqrt(4*a*c-b*b), for complex
// roots. The imaginary part is written after the sign as it is, so a negative
// a gives "1+-2*i".
std::string ComplexRootText(const Numbers& n, char sign, Ext a, Ext b, const ComplexRootPair& roots);

// The lines from "We compute the discriminant" to the two roots, the roots
// named `root` ("X" gives X[1] and X[2]).
std::vector<std::string> QuadraticSteps(const MessageTable& m, const Numbers& n, const QuadraticSolution& s,
                                        const std::string& root);

// The whole written solution: the title, the equation as typed (`typed` holds
// the texts of A, B and C) and the steps with the roots X[1] and X[2].
std::vector<std::string> WriteQuadratic(const MessageTable& m, const Numbers& n,
                                        const std::vector<std::string>& typed, const QuadraticSolution& s);

// The check block: the roots put into Vieta's formulas, each with the value
// the coefficients give and the residual, e.g.
// "X[1]+X[2]=3+2=5, -B/A=5, residual 0".
std::vector<std::string> WriteVietaCheck(const MessageTable& m, const Numbers& n, const QuadraticSolution& s,
                                         const VietaCheck& v);

// The texts of the two root fields: 8 significant digits for two distinct real
// roots, 5 for a double root and for each part of a complex root.
std::vector<std::string> QuadraticRootFields(const Numbers& n, const QuadraticSolution& s);

// A complex number "re+im*i" or "re-im*i" in the root fields' 5 digits.
std::string ComplexField(const Numbers& n, Ext re, char sign, Ext im);

// A root in the written solution, 15 significant digits: "2", "-1+1.5*i",
// "-1-1.5*i".
std::string RootText(const Numbers& n, const Root& x);

// A root in its result field: a real one with 8 significant digits, a complex
// one as ComplexField writes it.
std::string RootField(const Numbers& n, const Root& x);

// What a solution puts into the tab: the memo lines and the root fields.
struct EquationText {
    std::vector<std::string> memo;
    std::vector<std::string> roots;
};

// The line of 11 spaces that separates the steps.
extern const std::string kStepGap;

} // namespace tc
