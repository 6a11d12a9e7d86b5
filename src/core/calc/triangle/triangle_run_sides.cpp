// The first sections of a Triangle computation: the vertices, the sides and
// the angles.

#include "calc/triangle/triangle_run.h"
#include "text/triangle_text.h"

namespace tc {

void TriangleRun::startAndInputs() {
    memo_.clear();
    line(msg(17));
    line("");
    line(msg(2));
    line("A(" + field("ax") + ";" + field("ay") + "),    B(" + field("bx") + ";" + field("by") + "),    C(" +
         field("cx") + ";" + field("cy") + ").");
    // Read in field order, so the first bad field is the one reported.
    a_.x = nums_.read(field("ax"));
    a_.y = nums_.read(field("ay"));
    b_.x = nums_.read(field("bx"));
    b_.y = nums_.read(field("by"));
    c_.x = nums_.read(field("cx"));
    c_.y = nums_.read(field("cy"));
    line("");
    ab_ = {b_.x - a_.x, b_.y - a_.y};
    bc_ = {c_.x - b_.x, c_.y - b_.y};
    ac_ = {c_.x - a_.x, c_.y - a_.y};
}

void TriangleRun::side(const std::string& name, Point from, Point to, bool formulaLength,
                       std::initializer_list<std::string> headings, const char* lineField) {
    const TriangleLines e = SegmentText(nums_, from.x, from.y, to.x, to.y);
    line(name + e[1]);
    line("|" + name + "|=" + (formulaLength ? e[6] : e[7]));
    for (const std::string& heading : headings)
        line(heading);
    line(e[2]);
    if (nums_.read(e[8]) == 0.0L) {
        line("або   " + e[3]);
        setField(lineField, e[3]);
    } else {
        setField(lineField, e[2]);
    }
    line("");
}

void TriangleRun::sides() {
    line(msg(19));
    side("AB", a_, b_, true, {msg(20) + "   (x-A[x])/(B[x]-A[x])=(y-A[y])/(B[y]-A[y])", msg(21)}, "AB_l");
    side("BC", b_, c_, true, {msg(22) + " BC"}, "BC_l");
    // AC shows its length with 4 decimals where the others show the formula.
    side("AC", a_, c_, false, {msg(22) + " AC"}, "AC_l");

    setField("abx", nums_.g(ab_.x));
    setField("aby", nums_.g(ab_.y));
    setField("bcx", nums_.g(bc_.x));
    setField("bcy", nums_.g(bc_.y));
    setField("acx", nums_.g(ac_.x));
    setField("acy", nums_.g(ac_.y));
    lenAB_ = Sqrt(ab_.y * ab_.y + ab_.x * ab_.x);
    lenBC_ = Sqrt(bc_.y * bc_.y + bc_.x * bc_.x);
    lenAC_ = Sqrt(ac_.y * ac_.y + ac_.x * ac_.x);
    setField("AB", nums_.g(lenAB_));
    setField("BC", nums_.g(lenBC_));
    setField("AC", nums_.g(lenAC_));
}

void TriangleRun::angle(const std::string& name, Point u, Point v) {
    const TriangleLines e = AngleText(nums_, u.x, u.y, v.x, v.y);
    line(name.substr(0, 2) + "*" + name.substr(3) + "=" + e[1]);
    line("cos(" + name + ")=" + e[4]);
    line("<(" + name + ")=" + e[5]);
    line("");
}

void TriangleRun::angles() {
    line(msg(23));
    line(msg(24));
    line("          cos(phi)=AB*AC/(|AB|*|AC|) ");
    line(msg(25));
    line("          phi=arccos(cos(phi))/3,14*180");
    line("");

    const Point ba{-ab_.x, -ab_.y};
    const Point ca{-ac_.x, -ac_.y};
    const Point cb{-bc_.x, -bc_.y};
    angle("AB^AC", ab_, ac_);
    angle("BA^BC", ba, bc_);
    angle("CA^CB", ca, cb);

    const Ext cosA = (ab_.x * ac_.x + ab_.y * ac_.y) / (lenAB_ * lenAC_);
    const Ext cosB = ((-ab_.x) * bc_.x - ab_.y * bc_.y) / (lenAB_ * lenBC_);
    const Ext cosC = (ac_.x * bc_.x + ac_.y * bc_.y) / (lenAC_ * lenBC_);
    // Degrees from radians with pi at full precision; "3,14" is only text.
    const Ext alpha = ArcCos(cosA) / Pi() * 180.0L;
    const Ext beta = ArcCos(cosB) / Pi() * 180.0L;
    const Ext gamma = ArcCos(cosC) / Pi() * 180.0L;

    Grid& grid = tree_.get<Grid>("REZ5");
    const char* headings[] = {"Кути", "cos(alpha)", "cos(beta)", "cos(hamma)", "alpha", "beta", "hamma"};
    for (int col = 0; col < 7; ++col)
        grid.setCell(col, 0, headings[col]);
    grid.setCell(0, 1, "cos/180");
    grid.setCell(1, 1, nums_.fixed(cosA, 5));
    grid.setCell(2, 1, nums_.fixed(cosB, 5));
    grid.setCell(3, 1, nums_.fixed(cosC, 5));
    grid.setCell(4, 1, nums_.fixed(alpha, 4));
    grid.setCell(5, 1, nums_.fixed(beta, 4));
    grid.setCell(6, 1, nums_.fixed(gamma, 4));
}

} // namespace tc
