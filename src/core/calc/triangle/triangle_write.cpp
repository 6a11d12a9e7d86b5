// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/triangle/triangle_write.h"

#include <initializer_list>

#include "calc/common/terms.h"
#include "calc/triangle/triangle_measure_write.h"
#include "widgets/names.h"

namespace tc {

namespace {

namespace n = names;

class Writer {
public:
    Writer(const Wording& w, TabOutput& out) : nums_(w.nums), msg_(w.messages), out_(out) {}

    void data(const TriangleInput& in);
    bool sides(const TriangleResult& r);
    bool angles(const TriangleResult& r);
    bool median(const TriangleResult& r);
    bool height(const TriangleResult& r);
    bool bisector(const TriangleResult& r);
    void centroid(const TriangleResult& r);

private:
    void line(std::string text) { out_.lines.push_back(std::move(text)); }
    void field(const char* name, std::string text) { out_.fields.emplace_back(name, std::move(text)); }
    void angleCell(int col, int row, std::string text) { out_.cells.push_back({n::REZ5, col, row, std::move(text)}); }
    const std::string& msg(Line l) const { return msg_(l); }
    // A text that older language files lack, with the text shown before it existed.
    std::string text(Line l, const char* before) const { return msg_.text(l, before); }

    void side(const std::string& name, const Segment2& s, bool formulaLength,
              std::initializer_list<std::string> headings, const char* lineField);
    void angle(const std::string& name, const Angle2& a);
    // The line through A: "x=Ax", "y=Ay" or the slope form.
    std::string lineFromA(const TriangleResult& r, const LineFromA& l) const;
    // The text for "minus v": "-v", "+|v|", or nothing for 0.
    std::string minus(Ext v) const;
    // The heading of side `name`'s equation; older files have no colon after it.
    std::string sideEquation(const char* name) const {
        return msg_.format(Line::tri_side_equation, msg(Line::msg22_side_equation) + " %1", {name});
    }

    const Numbers& nums_;
    const MessageTable& msg_;
    TabOutput& out_;
};

std::string Writer::minus(Ext v) const {
    if (v > 0.0L) return "-" + nums_.text(v);
    if (v < 0.0L) return "+" + nums_.text(-v);
    return "";
}

std::string Writer::lineFromA(const TriangleResult& r, const LineFromA& l) const {
    switch (l.kind) {
    case LineFromA::Kind::Vertical: return "x=" + nums_.text(r.a.x);
    case LineFromA::Kind::Horizontal: return "y=" + nums_.text(r.a.y);
    case LineFromA::Kind::Slope: break;
    }
    return SlopeForm(nums_, l.slope);
}

void Writer::data(const TriangleInput& in) {
    const auto& t = in.typed;
    line(msg(Line::msg17_tri_title));
    line("");
    line(msg(Line::msg02_given));
    line("A(" + t[0] + ";" + t[1] + "),    B(" + t[2] + ";" + t[3] + "),    C(" + t[4] + ";" + t[5] + ").");
}

void Writer::side(const std::string& name, const Segment2& s, bool formulaLength,
                  std::initializer_list<std::string> headings, const char* lineField) {
    const SegmentTexts t = SegmentText(nums_, s);
    line(name + t.vector);
    line("|" + name + "|=" + (formulaLength ? t.lengthFormula : t.length));
    for (const std::string& heading : headings)
        line(heading);
    line(t.line);
    if (s.slope) {
        line(text(Line::tri_or, "або") + "   " + t.slopeForm);
        field(lineField, t.slopeForm);
    } else {
        field(lineField, t.line);
    }
    line("");
}

bool Writer::sides(const TriangleResult& r) {
    line("");
    if (!r.vectors) return false;
    line(msg(Line::msg19_tri_sides));
    if (!r.ab) return false;
    side("AB", *r.ab, true,
         {msg(Line::msg20_line_two_points) + "   (x-A[x])/(B[x]-A[x])=(y-A[y])/(B[y]-A[y])",
          msg(Line::msg21_side_ab)},
         n::AB_l);
    if (!r.bc) return false;
    side("BC", *r.bc, true, {sideEquation("BC")}, n::BC_l);
    if (!r.ac) return false;
    // AC shows its length with 4 decimals where the others show the formula.
    side("AC", *r.ac, false, {sideEquation("AC")}, n::AC_l);

    const auto& [ab, bc, ac] = *r.vectors;
    field(n::abx, nums_.text(ab.x));
    field(n::aby, nums_.text(ab.y));
    field(n::bcx, nums_.text(bc.x));
    field(n::bcy, nums_.text(bc.y));
    field(n::acx, nums_.text(ac.x));
    field(n::acy, nums_.text(ac.y));
    field(n::AB, nums_.text(r.ab->length));
    field(n::BC, nums_.text(r.bc->length));
    field(n::AC, nums_.text(r.ac->length));
    return true;
}

void Writer::angle(const std::string& name, const Angle2& a) {
    const AngleTexts t = AngleText(nums_, a);
    line(name.substr(0, 2) + "*" + name.substr(3) + "=" + t.product);
    line("cos(" + name + ")=" + t.cosine);
    line("<(" + name + ")=" + t.degrees);
    line("");
}

bool Writer::angles(const TriangleResult& r) {
    line(msg(Line::msg23_tri_angles));
    line(msg(Line::msg24_cos_sides));
    line("          cos(phi)=AB*AC/(|AB|*|AC|) ");
    line(msg(Line::msg25_angle_degrees));
    line("          phi=arccos(cos(phi))/Pi*180");
    line("");
    if (!r.angleA) return false;
    angle("AB^AC", *r.angleA);
    if (!r.angleB) return false;
    angle("BA^BC", *r.angleB);
    if (!r.angleC) return false;
    angle("CA^CB", *r.angleC);

    // Older files spell the third angle "hamma".
    const std::string gamma = text(Line::tri_gamma, "hamma");
    const std::string headings[] = {text(Line::tri_angles, "Кути"),
                                    "cos(alpha)",
                                    "cos(beta)",
                                    "cos(" + gamma + ")",
                                    "alpha",
                                    "beta",
                                    gamma};
    for (int col = 0; col < 7; ++col)
        angleCell(col, 0, headings[col]);
    const Angle2* angles[] = {&*r.angleA, &*r.angleB, &*r.angleC};
    angleCell(0, 1, text(Line::tri_angle_values, "cos/180"));
    for (int k = 0; k < 3; ++k) {
        angleCell(1 + k, 1, nums_.fixed(angles[k]->cos, 5));
        angleCell(4 + k, 1, nums_.fixed(angles[k]->degrees, 4));
    }
    return true;
}

bool Writer::median(const TriangleResult& r) {
    line(msg(Line::msg26_tri_median));
    line(msg(Line::msg27_midpoint));
    if (!r.median) return false;
    const TriangleResult::Median& m = *r.median;
    line("Mx=(" + nums_.text(r.b.x) + Signed(nums_, r.c.x) + ")/2=" + nums_.text(m.foot.x) + "      " + "My=(" +
         nums_.text(r.b.y) + Signed(nums_, r.c.y) + ")/2=" + nums_.text(m.foot.y));
    if (!m.segment) return false;
    const SegmentTexts t = SegmentText(nums_, *m.segment);
    line("AM" + t.vector);
    line("|AM|=" + t.length);
    line("");
    line(msg(Line::msg28_median_equation));
    line("           " + t.line);
    if (m.segment->slope) line(msg(Line::msg29_that_is) + "      " + t.slopeForm);
    line("");
    field(n::aMed, t.length);
    if (!m.line) return false;
    field(n::Med, lineFromA(r, *m.line));
    return true;
}

bool Writer::height(const TriangleResult& r) {
    using Height = TriangleResult::Height;
    line(msg(Line::msg30_tri_altitude));
    // A file with its own wording of the second case drops the "Solution:"
    // heading that older files show inside the section.
    if (!msg_.has(Line::tri_altitude_if_horizontal)) line(msg(Line::msg05_solution));
    line("   k=(Cy-By)/(Cx-Bx)");
    line(msg(Line::msg32_if) + "Cx-Bx=0, " + msg(Line::msg33_altitude_is) + "  y=Ay");
    line(msg_.text(Line::tri_altitude_if_horizontal,
                   msg(Line::msg32_if) + "   Cy-By=0 - " + msg(Line::msg33_altitude_is) + "  x=Ax"));
    line("");
    if (!r.height) return false;
    const Height& h = *r.height;
    if (h.kind != Height::Kind::Slope) {
        const std::string equation =
            h.kind == Height::Kind::ToVertical ? "y=" + nums_.text(r.a.y) : "x=" + nums_.text(r.a.x);
        field(n::H1, equation);
        if (!h.length) return false;
        field(n::Ha1, nums_.text(*h.length));
        line(equation);
        return true;
    }

    const Point2 bc = (*r.vectors)[1];
    const std::string blanks(14, ' ');
    line(blanks + "k=" + nums_.text(bc.y) + "/" + Bracketed(nums_, bc.x) + "=" + nums_.fixed(h.k, 4));
    // Older files name the point with a Cyrillic A.
    line(msg(Line::msg34_altitude_through) + " " + text(Line::tri_altitude_point, "А(Ax;Ay)") + " " +
         msg(Line::msg35_altitude_slope) + " k1=-1/k.");
    line(msg(Line::msg36_altitude_equation) + "   y-Ay=k1(x-Ax)");
    line("");
    line(blanks +
         (h.q < 0.0L ? "k1=-1/(" + nums_.fixed(h.k, 4) + ")=" : "k1=-1/" + nums_.fixed(h.k, 4) + "=") +
         nums_.fixed(-h.q, 4));
    line(blanks + "y" + minus(r.a.y) + "=" + nums_.fixed(-h.q, 4) + "(x" + minus(r.a.x) + ")");

    // y + q*x + c = 0.
    const std::string qx = h.q < 0.0L ? "-" + nums_.fixed(-h.q, 4) : "+" + nums_.fixed(h.q, 4);
    const std::string equation = "y" + qx + "x" + ConstantTerm(nums_, h.c) + "=0";
    field(n::H1, equation);
    line(msg(Line::msg29_that_is) + "        " + equation);
    line("");
    if (!h.length) return false;
    field(n::Ha1, nums_.fixed(*h.length, 4));
    return true;
}

bool Writer::bisector(const TriangleResult& r) {
    line(msg(Line::msg37_tri_bisector));
    line(msg(Line::msg38_bisector_point));
    line(msg(Line::msg39_bisector_ratio) + "  P=BK/KC=AB/AC.");
    if (!r.bisector) return false;
    const TriangleResult::Bisector& bis = *r.bisector;
    const std::string fp = nums_.fixed(bis.ratio, 4);
    line("P=" + nums_.fixed(r.ab->length, 4) + "/" + nums_.fixed(r.ac->length, 4) + "=" + fp);
    line(msg(Line::msg40_bisector_k));
    line("     Kx=(Bx+P*Cx)/(1+P),  Ky=(By+P*Cy)/(1+P)");
    line("");
    if (!bis.foot) return false;
    const Point2 k = *bis.foot;
    line("     Kx=(" + nums_.text(r.b.x) + Signed(nums_, r.c.x) + "*" + fp + ")/(1+" + fp +
         ")=" + nums_.fixed(k.x, 4));
    line("     Ky=(" + nums_.text(r.b.y) + Signed(nums_, r.c.y) + "*" + fp + ")/(1+" + fp +
         ")=" + nums_.fixed(k.y, 4));
    if (!bis.segment) return false;
    const Segment2& s = *bis.segment;
    const std::string length = nums_.fixed(s.length, 4);
    line("");
    line(msg(Line::msg41_bisector_length));
    line("     |AK|=((" + nums_.fixed(k.x, 4) + minus(r.a.x) + ")^2" + "+(" + nums_.fixed(k.y, 4) +
         minus(r.a.y) + ")^2" + ")^(1/2)=(" + nums_.fixed(s.dxx, 4) + "+" + nums_.fixed(s.dyy, 4) +
         ")^(1/2)=" + length);
    field(n::aBis, length);
    if (!bis.line) return false;
    const std::string equation = lineFromA(r, *bis.line);
    field(n::Bis, equation);
    line(" ");
    line(msg(Line::msg42_bisector_equation));
    line("      " + equation);
    line(" ");
    return true;
}

void Writer::centroid(const TriangleResult& r) {
    line(msg(Line::msg43_centroid));
    line("      Ix=(Ax+Bx+Cx)/3, Iy=(Ay+By+Cy)/3   ");
    line("");
    if (!r.centroidX) return;
    const std::string x = nums_.fixed(*r.centroidX, 4);
    field(n::Ix, x);
    if (!r.centroidY) return;
    const std::string y = nums_.fixed(*r.centroidY, 4);
    field(n::Iy, y);
    line("      Ix=(" + nums_.text(r.a.x) + Signed(nums_, r.b.x) + Signed(nums_, r.c.x) + ")/3=" + x);
    line("      Iy=(" + nums_.text(r.a.y) + Signed(nums_, r.b.y) + Signed(nums_, r.c.y) + ")/3=" + y);
}

} // namespace

TabOutput WriteTriangle(const TriangleInput& input, const TriangleResult* result, const Wording& wording) {
    TabOutput out;
    Writer w(wording, out);
    w.data(input);
    if (!result || (result->collinear && !result->vectors)) return out;
    if (w.sides(*result) && w.angles(*result) && w.median(*result) && w.height(*result) &&
        w.bisector(*result))
        w.centroid(*result);
    return out;
}

} // namespace tc
