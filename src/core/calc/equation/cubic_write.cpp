// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/equation/cubic_write.h"

#include "calc/equation/fallback_texts.h"
#include "calc/common/terms.h"

namespace tc {

namespace {

using Lines = std::vector<std::string>;

void WriteOneReal(const MessageTable& m, const Numbers& n, const CubicSolution& s, Lines& out) {
    const std::string u = n.text(s.u), v = n.text(s.v), shift = Bracketed(n, s.shift);
    out.push_back(m.text(Line::eq_cubic_q_positive, eq_fallback::cubic_q_positive));
    out.push_back(m.text(Line::eq_cubic_one_real_root, eq_fallback::cubic_one_real_root));
    out.push_back(kStepGap);
    out.push_back("              u=cbrt(-q/2+sqrt(Q)),  v=cbrt(-q/2-sqrt(Q))");
    out.push_back("u=cbrt(" + n.text(s.minusHalfQ) + "+" + n.text(s.sqrtDisc) + ")=" + u);
    out.push_back("v=cbrt(" + n.text(s.minusHalfQ) + "-" + n.text(s.sqrtDisc) + ")=" + v);
    out.push_back(kStepGap);
    out.push_back("X[1]=u+v-B/(3*A)=" + u + Signed(n, s.v) + "-" + shift + "=" + RootText(n, s.x[0]));
    const std::string pairRe = "-(" + u + Signed(n, s.v) + ")/2-" + shift;
    const std::string pairIm = "sqrt(3)*(" + u + "-" + Bracketed(n, s.v) + ")/2*i=";
    out.push_back("X[2]=-(u+v)/2-B/(3*A)+sqrt(3)*(u-v)/2*i=" + pairRe + "+" + pairIm + RootText(n, s.x[1]));
    out.push_back("X[3]=-(u+v)/2-B/(3*A)-sqrt(3)*(u-v)/2*i=" + pairRe + "-" + pairIm + RootText(n, s.x[2]));
}

void WriteThreeReal(const MessageTable& m, const Numbers& n, const CubicSolution& s, Lines& out) {
    const std::string r = n.text(s.r), phi = n.text(s.phi), shift = Bracketed(n, s.shift);
    out.push_back(m.text(Line::eq_cubic_q_negative, eq_fallback::cubic_q_negative));
    out.push_back(m.text(Line::eq_cubic_three_real_roots, eq_fallback::cubic_three_real_roots));
    out.push_back(kStepGap);
    out.push_back("              r=sqrt(-p/3),  cos(phi)=-q/(2*r^3)");
    out.push_back("r=sqrt(-" + Bracketed(n, s.p) + "/3)=" + r);
    out.push_back("cos(phi)=-" + Bracketed(n, s.q) + "/(2*" + r + "^3)=" + n.text(s.cosPhi) + ",  phi=" + phi);
    out.push_back(kStepGap);
    const char* const angles[][2] = {
        {"phi/3", "/3"}, {"(phi+2*pi)/3", "+2*pi)/3"}, {"(phi+4*pi)/3", "+4*pi)/3"}};
    for (size_t k = 0; k < 3; ++k) {
        const std::string angle = k == 0 ? phi + angles[k][1] : "(" + phi + angles[k][1];
        out.push_back("X[" + std::to_string(k + 1) + "]=2*r*cos(" + angles[k][0] + ")-B/(3*A)=2*" + r +
                      "*cos(" + angle + ")-" + shift + "=" + RootText(n, s.x[k]));
    }
}

void WriteMultiple(const MessageTable& m, const Numbers& n, const CubicSolution& s, Lines& out) {
    const std::string shift = Bracketed(n, s.shift);
    out.push_back(m.text(Line::eq_cubic_q_zero, eq_fallback::cubic_q_zero));
    if (s.kind == CubicCase::Triple) {
        out.push_back(m.text(Line::eq_cubic_triple_root, eq_fallback::cubic_triple_root));
        out.push_back(kStepGap);
        out.push_back("X[1]=X[2]=X[3]=-B/(3*A)=-" + shift + "=" + RootText(n, s.x[0]));
        return;
    }
    const std::string p = Bracketed(n, s.p), q = Bracketed(n, s.q);
    out.push_back(m.text(Line::eq_cubic_double_root, eq_fallback::cubic_double_root));
    out.push_back(kStepGap);
    out.push_back("X[1]=3*q/p-B/(3*A)=3*" + q + "/" + p + "-" + shift + "=" + RootText(n, s.x[0]));
    out.push_back("X[2]=X[3]=-3*q/(2*p)-B/(3*A)=-3*" + q + "/(2*" + p + ")-" + shift + "=" +
                  RootText(n, s.x[1]));
}

} // namespace

EquationText WriteCubic(const MessageTable& m, const Numbers& n, const CubicSolution& s) {
    const std::string a = Bracketed(n, s.a), b = Bracketed(n, s.b), c = Bracketed(n, s.c),
                      d = Bracketed(n, s.d);
    Lines out;
    out.push_back("***    " + m(Line::msg77_cubic_equation) + "   ***");
    out.push_back(n.text(s.a) + "*x^3" + Signed(n, s.b) + "*x^2" + Signed(n, s.c) + "*x" + Signed(n, s.d) +
                  "=0");
    out.push_back(kStepGap);
    out.push_back(m.text(Line::eq_cubic_reduction, eq_fallback::cubic_reduction));
    out.push_back("              p=(3*A*C-B^2)/(3*A^2)");
    out.push_back("              q=(2*B^3-9*A*B*C+27*A^2*D)/(27*A^3)");
    out.push_back(kStepGap);
    out.push_back("p=(3*" + a + "*" + c + "-" + b + "^2)/(3*" + a + "^2)=" + n.text(s.p));
    out.push_back("q=(2*" + b + "^3-9*" + a + "*" + b + "*" + c + "+27*" + a + "^2*" + d + ")/(27*" + a +
                  "^3)=" + n.text(s.q));
    out.push_back("B/(3*A)=" + b + "/(3*" + a + ")=" + n.text(s.shift));
    out.push_back(kStepGap);
    out.push_back(m.text(Line::eq_cubic_discriminant, eq_fallback::cubic_discriminant));
    out.push_back("              Q=(q/2)^2+(p/3)^3");
    out.push_back(kStepGap);
    out.push_back("Q=(" + Bracketed(n, s.q) + "/2)^2+(" + Bracketed(n, s.p) + "/3)^3=" + n.text(s.disc));
    out.push_back(kStepGap);
    switch (s.kind) {
    case CubicCase::OneReal: WriteOneReal(m, n, s, out); break;
    case CubicCase::ThreeReal: WriteThreeReal(m, n, s, out); break;
    case CubicCase::Double:
    case CubicCase::Triple: WriteMultiple(m, n, s, out); break;
    }
    EquationText text{std::move(out), {}};
    for (const Root& x : s.x)
        text.roots.push_back(RootField(n, x));
    return text;
}

} // namespace tc
