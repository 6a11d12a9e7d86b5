// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The written solution of the start-up triangle A(1;1), B(2;1), C(1;2), with
// each message entry as `msg` gives it: empty without a language file, a
// marker where a test checks which entry stands where.

#include <functional>
#include <string>
#include <vector>

namespace tc::test {

inline std::vector<std::string> ExampleTriangleSolution(const std::function<std::string(int)>& msg) {
    const auto Msg = msg;
    // clang-format off
    return {
        Msg(17), "", Msg(2),
        "A(1;1),    B(2;1),    C(1;2).",
        "",
        Msg(19),
        "AB(2-1;1-1)=(1;0)",
        "|AB|=(1+0)^(1/2)=1",
        Msg(20) + "   (x-A[x])/(B[x]-A[x])=(y-A[y])/(B[y]-A[y])",
        Msg(21),
        "y=1",
        "",
        "BC(1-2;2-1)=(-1;1)",
        "|BC|=(1+1)^(1/2)=1.4142135623731",
        Msg(22) + " BC",
        "(x-2)/(-1)=(y-1)/1",
        "або   y+1.0000x-3.0000=0",
        "",
        "AC(1-1;2-1)=(0;1)",
        "|AC|=1.0000",
        Msg(22) + " AC",
        "x=1",
        "",
        Msg(23), Msg(24),
        "          cos(phi)=AB*AC/(|AB|*|AC|) ",
        Msg(25),
        "          phi=arccos(cos(phi))/Pi*180",
        "",
        "AB*AC=1*0+0*1=0+0=0",
        "cos(AB^AC)=0/(1.0000*1.0000)=0.000000",
        "<(AB^AC)=arccos(0.0000)/Pi*180=90.0000",
        "",
        "BA*BC=-1*(-1)+0*1=1+0=1",
        "cos(BA^BC)=1/(1.0000*1.4142)=0.707107",
        "<(BA^BC)=arccos(0.7071)/Pi*180=45.0000",
        "",
        "CA*CB=0*1+(-1)*(-1)=0+1=1",
        "cos(CA^CB)=1/(1.0000*1.4142)=0.707107",
        "<(CA^CB)=arccos(0.7071)/Pi*180=45.0000",
        "",
        Msg(26), Msg(27),
        "Mx=(2+1)/2=1.5      My=(1+2)/2=1.5",
        "AM(1.5-1;1.5-1)=(0.5;0.5)",
        "|AM|=0.7071",
        "",
        Msg(28),
        "           (x-1)/0.5=(y-1)/0.5",
        Msg(29) + "      y-1.0000x=0",
        "",
        Msg(30), Msg(5),
        "   k=(Cy-By)/(Cx-Bx)",
        Msg(32) + "Cx-Bx=0, " + Msg(33) + "  y=Ay",
        Msg(32) + "   Cy-By=0 - " + Msg(33) + "  x=Ax",
        "",
        "              k=1/(-1)=-1.0000",
        Msg(34) + " А(Ax;Ay) " + Msg(35) + " k1=-1/k.",
        Msg(36) + "   y-Ay=k1(x-Ax)",
        "",
        "              k1=-1/(-1.0000)=1.0000",
        "              y-1=1.0000(x-1)",
        Msg(29) + "        y-1.0000x=0",
        "",
        Msg(37), Msg(38),
        Msg(39) + "  P=BK/KC=AB/AC.",
        "P=1.0000/1.0000=1.0000",
        Msg(40),
        "     Kx=(Bx+P*Cx)/(1+P),  Ky=(By+P*Cy)/(1+P)",
        "",
        "     Kx=(2+1*1.0000)/(1+1.0000)=1.5000",
        "     Ky=(1+2*1.0000)/(1+1.0000)=1.5000",
        "",
        Msg(41),
        "     |AK|=((1.5000-1)^2+(1.5000-1)^2)^(1/2)=(0.2500+0.2500)^(1/2)=0.7071",
        " ",
        Msg(42),
        "      y-1.0000x=0",
        " ",
        Msg(43),
        "      Ix=(Ax+Bx+Cx)/3, Iy=(Ay+By+Cy)/3   ",
        "",
        "      Ix=(1+2+1)/3=1.3333",
        "      Iy=(1+1+2)/3=1.3333"};
    // clang-format on
}

} // namespace tc::test
