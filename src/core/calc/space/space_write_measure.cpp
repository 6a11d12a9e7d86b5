// SPDX-License-Identifier: GPL-3.0-or-later
// Distances, angles, meeting points and projections.

#include "calc/space/space_write_parts.h"

#include "widgets/names.h"

namespace tc::space {

namespace {

using L = Line;

// s1 x s2, M1M2 and the mixed product or M1M2 x s1: how two lines lie.
void WriteTwoLines(Writer& wr) {
    const SpaceResult& r = wr.r;
    wr.say(L::sp_directions_cross, "The cross product of the direction vectors:");
    wr.line("s1 x s2=" + CrossText(r.u, r.v, r.w));
    wr.line("M1M2=" + DiffText(wr.in.vec(2), wr.in.vec(0)) + "=" + VecText(r.between));
    if (r.verdict == Verdict::Parallel || r.verdict == Verdict::Same) {
        wr.line("M1M2 x s1=" + CrossText(r.between, r.u, r.parallelCross));
    } else {
        wr.say(L::sp_mixed, "The mixed product:");
        wr.line("(M1M2, s1, s2)=M1M2*(s1 x s2)=" + DotText(r.between, r.w) + "=" + FractionText(r.mixed));
    }
    wr.line(wr.verdictText());
    wr.field(names::Sp_R1, wr.verdictText());
}

std::string Degrees(const Writer& wr, Ext degrees) {
    return wr.w.nums.fixed(degrees, 4) + "\xC2\xB0";
}

// "H=M+t*s=(...)" or the like.
void WritePoint(Writer& wr, const std::string& formula, const char* fieldName) {
    wr.line(formula + "=" + VecText(*wr.r.point));
    if (fieldName) wr.field(fieldName, VecText(*wr.r.point));
}

} // namespace

void WriteDistance(Writer& wr) {
    const SpaceResult& r = wr.r;
    const DistanceValue& d = *r.distance;
    switch (wr.in.task) {
    case SpaceTask::DistancePointPlane: {
        const SpacePlane plane = wr.in.plane(1);
        wr.say(L::sp_distance_point_plane, "The distance from the point to the plane:");
        wr.line("d=|A*x0+B*y0+C*z0+D|/sqrt(A^2+B^2+C^2)");
        wr.line("d=|" + AtPointText(plane, wr.in.vec(0)) + "|/sqrt(" + SquaresText(plane.n) + ")=|" +
                FractionText(r.atPoint) + "|/sqrt(" + FractionText(d.bottom) + ")");
        wr.distance("d", d, names::Sp_R1);
        wr.checkFoot("PH");
        break;
    }
    case SpaceTask::DistancePointLine:
        wr.say(L::sp_distance_point_line, "The distance from the point to the line:");
        wr.line("d=|MP x s|/|s|");
        wr.line("MP=" + DiffText(wr.in.vec(0), wr.in.vec(1)) + "=" + VecText(r.u));
        wr.line("MP x s=" + CrossText(r.u, r.v, r.w));
        wr.line("d=sqrt(" + SquaresText(r.w) + ")/sqrt(" + SquaresText(r.v) + ")");
        wr.distance("d", d, names::Sp_R1);
        wr.checkFoot("PH");
        break;
    default:
        WriteTwoLines(wr);
        if (r.verdict == Verdict::Skew) {
            wr.say(L::sp_distance_skew, "The distance between the skew lines:");
            wr.line("d=|(M1M2, s1, s2)|/|s1 x s2|=|" + FractionText(r.mixed) + "|/sqrt(" + SquaresText(r.w) + ")");
            wr.distance("d", d, names::Sp_R2);
            wr.checkFoot("H1H2");
        } else if (r.verdict == Verdict::Parallel) {
            wr.say(L::sp_distance_parallel, "The distance between the parallel lines:");
            wr.line("d=|M1M2 x s1|/|s1|=sqrt(" + SquaresText(r.parallelCross) + ")/sqrt(" + SquaresText(r.u) + ")");
            wr.distance("d", d, names::Sp_R2);
        } else {
            wr.line("d=0");
            wr.field(names::Sp_R2, "0");
        }
        break;
    }
}

void WriteAngle(Writer& wr) {
    const AngleValue& a = *wr.r.angle;
    const bool sine = wr.in.task == SpaceTask::AngleLinePlane;
    Vec3 first = wr.in.vec(0), second = wr.in.vec(1);
    std::string formula = "cos(phi)=|N1*N2|/(|N1|*|N2|)";
    if (wr.in.task == SpaceTask::AngleLines) {
        first = wr.in.vec(1);
        second = wr.in.vec(3);
        formula = "cos(phi)=|s1*s2|/(|s1|*|s2|)";
        wr.say(L::sp_angle_lines, "The angle between the lines:");
    } else if (sine) {
        first = wr.in.vec(2);
        second = wr.in.vec(1);
        formula = "sin(phi)=|N*s|/(|N|*|s|)";
        wr.say(L::sp_angle_line_plane, "The angle between the line and the plane:");
    } else {
        wr.say(L::sp_angle_planes, "The angle between the planes:");
    }
    wr.line(formula);
    const char* trig = sine ? "sin(phi)" : "cos(phi)";
    wr.line(trig + ("=|" + DotText(first, second) + "|/(sqrt(" + SquaresText(first) + ")*sqrt(" +
                    SquaresText(second) + "))"));
    wr.line(trig + ("=|" + FractionText(a.dot) + "|/sqrt(" + FractionText(a.sq1) + "*" + FractionText(a.sq2) +
                    ")=" + wr.valueText(a.trig, a.decimal)));
    const std::string angle =
        (sine ? "arcsin(" : "arccos(") + RootText(a.trig) + ")=" + Degrees(wr, a.degrees);
    wr.line("phi=" + angle);
    wr.field(names::Sp_R1, angle);
}

void WriteMeeting(Writer& wr) {
    const SpaceResult& r = wr.r;
    if (wr.in.task == SpaceTask::LinesMeet) {
        WriteTwoLines(wr);
        if (r.verdict != Verdict::Intersecting) return;
        wr.say(L::sp_equate, "The parametric equations of the lines equated:");
        const SpaceLine l1 = wr.in.line(0), l2 = wr.in.line(2);
        wr.line(Parametric(l1));
        wr.line(Parametric(l2, "u"));
        for (int axis : r.axes) {
            const auto k = static_cast<std::size_t>(axis);
            const std::string left = Term(l1.dir[k], "t", true);
            wr.line(left + Term(-l2.dir[k], "u", left.empty()) + "=" + FractionText(r.between[k]));
        }
        wr.line("t=" + FractionText(r.t) + "; u=" + FractionText(r.t2));
        WritePoint(wr, "M=M1+t*s1", names::Sp_R2);
        if (!wr.check) return;
        wr.say(L::sp_check, "Check:");
        wr.line("M2+u*s2=" + VecText(l2.point + r.t2 * l2.dir));
        return;
    }
    const SpacePlane plane = wr.in.plane(2);
    wr.say(L::sp_substitute, "The parametric equations put into the equation of the plane:");
    wr.line(Parametric(wr.in.line(0)));
    wr.line("(N*s)*t+(N*M+D)=0");
    wr.line("N*s=" + DotText(plane.n, wr.in.vec(1)) + "=" + FractionText(r.ns));
    wr.line("N*M+D=" + AtPointText(plane, wr.in.vec(0)) + "=" + FractionText(r.atPoint));
    wr.line(wr.verdictText());
    wr.field(names::Sp_R1, wr.verdictText());
    if (r.verdict != Verdict::Point) return;
    wr.line("t=-(" + FractionText(r.atPoint) + ")/" + Factor(r.ns) + "=" + FractionText(r.t));
    WritePoint(wr, "M0=M+t*s", names::Sp_R2);
    if (!wr.check) return;
    wr.say(L::sp_check, "Check:");
    wr.line("M0: " + AtPointText(plane, *r.point) + "=" + FractionText(r.putBack[0]));
}

void WriteProjection(Writer& wr) {
    const SpaceResult& r = wr.r;
    const Vec3 p = wr.in.vec(0);
    if (wr.in.task == SpaceTask::ProjectionOnPlane) {
        const SpacePlane plane = wr.in.plane(1);
        wr.say(L::sp_perpendicular, "The perpendicular from P to the plane:");
        wr.line(Parametric({p, plane.n}));
        wr.say(L::sp_substitute, "The parametric equations put into the equation of the plane:");
        wr.line("|N|^2*t+(N*P+D)=0: " + Term(r.ns, "t", true) + Term(r.atPoint, "", false) + "=0");
        wr.line("t=" + FractionText(r.t));
        wr.say(L::sp_foot, "The foot of the perpendicular:");
        WritePoint(wr, "H=P+t*N", names::Sp_R1);
    } else {
        const SpaceLine line = wr.in.line(1);
        wr.say(L::sp_perpendicular_plane, "The plane through P perpendicular to the line:");
        wr.line(PlaneByPoint(line.dir, p));
        wr.say(L::sp_substitute, "The parametric equations put into the equation of the plane:");
        wr.line(Parametric(line));
        wr.line("|s|^2*t+s*(M-P)=0: " + Term(r.ns, "t", true) + Term(r.atPoint, "", false) + "=0");
        wr.line("t=" + FractionText(r.t));
        wr.say(L::sp_foot, "The foot of the perpendicular:");
        WritePoint(wr, "H=M+t*s", names::Sp_R1);
    }
    wr.say(L::sp_symmetric, "The point symmetric to P:");
    wr.line("P'=2H-P=" + VecText(*r.symmetric));
    wr.field(names::Sp_R2, VecText(*r.symmetric));
    wr.distance("d=|PH|", *r.distance, names::Sp_R3);
    if (!wr.check) return;
    wr.say(L::sp_check, "Check:");
    if (wr.in.task == SpaceTask::ProjectionOnPlane)
        wr.line("H: " + AtPointText(wr.in.plane(1), *r.point) + "=" + FractionText(r.putBack[0]));
    else
        wr.line("PH*s=" + DotText(*r.point - p, wr.in.vec(2)) + "=" + FractionText(r.putBack[0]));
    wr.checkFoot("PH");
}

} // namespace tc::space
