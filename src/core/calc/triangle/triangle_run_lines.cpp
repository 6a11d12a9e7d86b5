// The later sections of a Triangle computation: the median, height and
// bisector drawn from A, and the centroid.

#include "calc/triangle/triangle_run.h"
#include "text/triangle_text.h"

namespace tc {

std::string TriangleRun::minus(Ext v) const {
    if (v > 0.0L) return "-" + nums_.g(v);
    if (v < 0.0L) return "+" + nums_.g(-v);
    return "";
}

std::string TriangleRun::axisLineFromA(Ext dx, Ext dy) const {
    std::string text;
    if (dx == 0.0L) text = "x=" + nums_.g(a_.x);
    if (dy == 0.0L) text = "y=" + nums_.g(a_.y);
    return text;
}

void TriangleRun::median() {
    line(msg(26));
    line(msg(27));
    const Point m{(b_.x + c_.x) / 2.0L, (b_.y + c_.y) / 2.0L};
    line("Mx=(" + nums_.g(b_.x) + plus(c_.x) + ")/2=" + nums_.g(m.x) + "      " + "My=(" + nums_.g(b_.y) +
         plus(c_.y) + ")/2=" + nums_.g(m.y));

    const TriangleLines e = SegmentText(nums_, a_.x, a_.y, m.x, m.y);
    const Ext length = Sqrt((m.y - a_.y) * (m.y - a_.y) + (m.x - a_.x) * (m.x - a_.x));
    line("AM" + e[1]);
    line("|AM|=" + e[7]);
    line("");
    line(msg(28));
    line("           " + e[2]);
    if (nums_.read(e[8]) == 0.0L) line(msg(29) + "      " + e[3]);
    line("");
    setField("aMed", nums_.fixed(length, 4));

    const Ext dx = m.x - a_.x;
    const Ext dy = m.y - a_.y;
    std::string equation = axisLineFromA(dx, dy);
    if (dx != 0.0L && dy != 0.0L) {
        // y - k*x + c = 0 through A with k = dy/dx: c = (Ax/dx - Ay/dy)*dy = k*Ax - Ay.
        equation = SlopeForm(nums_, dy / dx, (a_.x / dx - a_.y / dy) * dy);
    }
    setField("Med", equation);
}

void TriangleRun::height() {
    line(msg(30));
    line(msg(5));
    line("   k=(Cy-By)/(Cx-Bx)");
    line(msg(32) + "Cx-Bx=0, " + msg(33) + "  y=Ay");
    line(msg(32) + "   Cy-By=0 - " + msg(33) + "  x=Ax");
    line("");

    if (bc_.x == 0.0L) {
        // BC vertical: the height is horizontal.
        setField("H1", "y=" + nums_.g(a_.y));
        setField("Ha1", nums_.g(Abs(a_.x - b_.x)));
        line("y=" + nums_.g(a_.y));
    }
    if (bc_.y == 0.0L) {
        // BC horizontal: the height is vertical.
        setField("H1", "x=" + nums_.g(a_.x));
        setField("Ha1", nums_.g(Abs(a_.y - b_.y)));
        line("x=" + nums_.g(a_.x));
    }
    if (bc_.x == 0.0L || bc_.y == 0.0L) return;

    // The height's slope is k1 = -1/k = -q with k the slope of BC.
    const Ext q = bc_.x / bc_.y;
    const Ext c = (-q) * a_.x - a_.y;
    const Ext k = bc_.y / bc_.x;
    const std::string blanks(14, ' ');
    line(blanks + "k=" + nums_.g(bc_.y) +
         (bc_.x < 0.0L ? "/(" + nums_.g(bc_.x) + ")=" : "/" + nums_.g(bc_.x) + "=") + nums_.fixed(k, 4));
    line(msg(34) + " А(Ax;Ay) " + msg(35) + " k1=-1/k.");
    line(msg(36) + "   y-Ay=k1(x-Ax)");
    line("");
    line(blanks + (q < 0.0L ? "k1=-1/(" + nums_.fixed(k, 4) + ")=" : "k1=-1/" + nums_.fixed(k, 4) + "=") +
         nums_.fixed(-q, 4));
    line(blanks + "y" + minus(a_.y) + "=" + nums_.fixed(-q, 4) + "(x" + minus(a_.x) + ")");

    // y + q*x + c = 0.
    const std::string qx = q < 0.0L ? "-" + nums_.fixed(-q, 4) : "+" + nums_.fixed(q, 4);
    const std::string equation = "y" + qx + "x" + ConstantTerm(nums_, c) + "=0";
    setField("H1", equation);
    line(msg(29) + "        " + equation);
    line("");

    // Distance from A to BC written as a*y + b*x + d = 0 with a = 1.
    const Ext b = -bc_.y / bc_.x;
    const Ext d = (b_.x * bc_.y) / bc_.x + (-b_.y);
    const Ext h = Abs(1.0L * a_.y + b * a_.x + d) / Sqrt(b * b + 1.0L);
    setField("Ha1", nums_.fixed(h, 4));
}

void TriangleRun::bisector() {
    line(msg(37));
    line(msg(38));
    line(msg(39) + "  P=BK/KC=AB/AC.");
    // The bisector from A divides BC in the ratio of the adjacent sides.
    const Ext p = lenAB_ / lenAC_;
    const std::string fp = nums_.fixed(p, 4);
    line("P=" + nums_.fixed(lenAB_, 4) + "/" + nums_.fixed(lenAC_, 4) + "=" + fp);
    line(msg(40));
    line("     Kx=(Bx+P*Cx)/(1+P),  Ky=(By+P*Cy)/(1+P)");
    line("");

    const Point k{(p * c_.x + b_.x) / (p + 1.0L), (p * c_.y + b_.y) / (p + 1.0L)};
    line("     Kx=(" + nums_.g(b_.x) + plus(c_.x) + "*" + fp + ")/(1+" + fp + ")=" + nums_.fixed(k.x, 4));
    line("     Ky=(" + nums_.g(b_.y) + plus(c_.y) + "*" + fp + ")/(1+" + fp + ")=" + nums_.fixed(k.y, 4));

    const Ext dx = k.x - a_.x;
    const Ext dy = k.y - a_.y;
    const Ext length = Sqrt(dy * dy + dx * dx);
    line("");
    line(msg(41));
    line("     |AK|=((" + nums_.fixed(k.x, 4) + minus(a_.x) + ")^2" + "+(" + nums_.fixed(k.y, 4) +
         minus(a_.y) + ")^2" + ")^(1/2)=(" + nums_.fixed(dx * dx, 4) + "+" + nums_.fixed(dy * dy, 4) +
         ")^(1/2)=" + nums_.fixed(length, 4));
    setField("aBis", nums_.fixed(length, 4));

    std::string equation = axisLineFromA(dx, dy);
    if (dx != 0.0L && dy != 0.0L) {
        const Ext m = dy / dx;
        equation = SlopeForm(nums_, m, m * a_.x + (-a_.y));
    }
    setField("Bis", equation);
    line(" ");
    line(msg(42));
    line("      " + equation);
    line(" ");
}

void TriangleRun::centroid() {
    line(msg(43));
    line("      Ix=(Ax+Bx+Cx)/3, Iy=(Ay+By+Cy)/3   ");
    line("");
    setField("Ix", nums_.fixed((a_.x + b_.x + c_.x) / 3.0L, 4));
    setField("Iy", nums_.fixed((a_.y + b_.y + c_.y) / 3.0L, 4));
    line("      Ix=(" + nums_.g(a_.x) + plus(b_.x) + plus(c_.x) + ")/3=" + field("Ix"));
    line("      Iy=(" + nums_.g(a_.y) + plus(b_.y) + plus(c_.y) + ")/3=" + field("Iy"));
}

} // namespace tc
