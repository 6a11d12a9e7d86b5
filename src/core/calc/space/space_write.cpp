// SPDX-License-Identifier: GPL-3.0-or-later
// The data, the captions and the tasks that find a plane or a line.

#include "calc/space/space_write_parts.h"

#include "widgets/names.h"

namespace tc {

namespace {

using L = Line;

const SpaceText kTaskNames[kSpaceTaskCount] = {
    {L::sp_task_0, "Plane through three points"},
    {L::sp_task_1, "Plane through a point with a normal vector"},
    {L::sp_task_2, "Plane through a point parallel to two vectors"},
    {L::sp_task_3, "Line through two points"},
    {L::sp_task_4, "Line where two planes meet"},
    {L::sp_task_5, "Distance from a point to a plane"},
    {L::sp_task_6, "Distance from a point to a line"},
    {L::sp_task_7, "Distance between two lines"},
    {L::sp_task_8, "Angle between two lines"},
    {L::sp_task_9, "Angle between a line and a plane"},
    {L::sp_task_10, "Angle between two planes"},
    {L::sp_task_11, "Where a line meets a plane"},
    {L::sp_task_12, "Where two lines meet"},
    {L::sp_task_13, "Projection of a point onto a plane"},
    {L::sp_task_14, "Projection of a point onto a line"},
};

const SpaceText kPlane{L::sp_res_plane, "Plane"};
const SpaceText kCanonical{L::sp_res_canonical, "Canonical equations"};
const SpaceText kParametric{L::sp_res_parametric, "Parametric equations"};
const SpaceText kDistance{L::sp_res_distance, "Distance"};
const SpaceText kPosition{L::sp_res_position, "Position"};
const SpaceText kAngle{L::sp_res_angle, "Angle"};
const SpaceText kPoint{L::sp_res_point, "Point"};
const SpaceText kProjection{L::sp_res_projection, "Projection"};
const SpaceText kSymmetric{L::sp_res_symmetric, "Symmetric point"};

// "P1(1; 2; 3)", "N=(2; -1; 3)", "Plane 1: 2x-y+3z-5=0".
std::string RowText(const Wording& w, const SpaceInput& in, int row) {
    const SpaceRow& r = TaskRows(in.task)[static_cast<std::size_t>(row)];
    switch (r.kind) {
    case RowKind::Point:
    case RowKind::LinePoint: return r.name + space::VecText(in.vec(row));
    case RowKind::Plane: {
        const std::string caption = *r.name ? w.messages.format(L::sp_row_plane_n, "Plane %1", {r.name})
                                            : w.messages.text(L::sp_row_plane, "Plane");
        return caption + ": " + space::PlaneEquation(in.plane(row));
    }
    default: return r.name + ("=" + space::VecText(in.vec(row)));
    }
}

} // namespace

std::array<std::optional<SpaceText>, 3> ResultCaptions(SpaceTask task) {
    switch (GroupOf(task)) {
    case TaskGroup::Plane: return {kPlane, std::nullopt, std::nullopt};
    case TaskGroup::Line: return {kCanonical, kParametric, std::nullopt};
    case TaskGroup::Distance:
        if (task == SpaceTask::DistanceLines) return {kPosition, kDistance, std::nullopt};
        return {kDistance, std::nullopt, std::nullopt};
    case TaskGroup::Angle: return {kAngle, std::nullopt, std::nullopt};
    case TaskGroup::Meeting: return {kPosition, kPoint, std::nullopt};
    case TaskGroup::Projection: return {kProjection, kSymmetric, kDistance};
    }
    return {};
}

SpaceText TaskName(SpaceTask task) {
    return kTaskNames[static_cast<int>(task)];
}

namespace space {

std::string Writer::valueText(const RootValue& v, Ext decimal) const {
    const std::string exact = RootText(v);
    // A whole or a fraction is its own value; only a root gets its decimals.
    if (v.radicand == 1) return exact;
    return exact + "=" + w.nums.fixed(decimal, 4);
}

void Writer::distance(const std::string& formula, const DistanceValue& d, const char* fieldName) {
    // The quotient of the roots is written only where it still has a root to
    // take out: "|7|/sqrt(26)" goes straight on as "7/sqrt(26)".
    const std::string quotient = QuotientOfRoots(d.top, d.bottom);
    const std::string value = valueText(d.exact, d.decimal);
    line(formula + "=" + (quotient == RootText(d.exact) ? value : quotient + "=" + value));
    field(fieldName, valueText(d.exact, d.decimal));
}

void Writer::checkFoot(const std::string& segment) {
    if (!check || !r.distance) return;
    line(w.messages.text(L::sp_check_distance, "The length of the perpendicular equals d:"));
    line("|" + segment + "|^2=" + FractionText(r.footSquared) + (r.footSquared == r.distance->exact.square ? "=" : "!=") +
         "d^2");
}

std::string Writer::verdictText() const {
    switch (r.verdict) {
    case Verdict::Intersecting: return w.messages.text(L::sp_lines_intersecting, "The lines intersect");
    case Verdict::Parallel:
        return in.task == SpaceTask::LineMeetsPlane
                   ? w.messages.text(L::sp_line_parallel_plane, "The line is parallel to the plane")
                   : w.messages.text(L::sp_lines_parallel, "The lines are parallel");
    case Verdict::Skew: return w.messages.text(L::sp_lines_skew, "The lines are skew");
    case Verdict::Same: return w.messages.text(L::sp_lines_same, "The lines coincide");
    case Verdict::Point: return w.messages.text(L::sp_line_meets_plane, "The line meets the plane at one point");
    case Verdict::InPlane: return w.messages.text(L::sp_line_in_plane, "The line lies in the plane");
    case Verdict::None: break;
    }
    return "";
}

void WritePlane(Writer& wr) {
    const SpaceResult& r = wr.r;
    const Vec3 p = wr.in.vec(0);
    if (wr.in.task == SpaceTask::PlaneThreePoints) {
        wr.say(L::sp_vectors_in_plane, "Vectors lying in the plane:");
        wr.line("P1P2=" + DiffText(wr.in.vec(1), p) + "=" + VecText(r.u));
        wr.line("P1P3=" + DiffText(wr.in.vec(2), p) + "=" + VecText(r.v));
    }
    if (r.hasCross) {
        wr.say(L::sp_normal_by_cross, "The normal vector as the cross product:");
        const char* product = wr.in.task == SpaceTask::PlaneThreePoints ? "N=P1P2 x P1P3=" : "N=a x b=";
        wr.line(product + CrossText(r.u, r.v, r.w));
    }
    wr.say(L::sp_plane_by_point, "The plane through the point with the normal vector N:");
    wr.line("A(x-x0)+B(y-y0)+C(z-z0)=0");
    wr.line(PlaneByPoint(r.plane.n, p));
    wr.line(PlaneEquation(r.plane));
    const bool divided = r.planeWhole.n != r.plane.n;
    if (divided) {
        wr.say(L::sp_divided, "Divided by the common factor:");
        wr.line(PlaneEquation(r.planeWhole));
    }
    wr.field(names::Sp_R1, PlaneEquation(r.planeWhole));
    if (!wr.check) return;
    wr.say(L::sp_check, "Check:");
    const char* const threePoints[] = {"P1", "P2", "P3"};
    const char* const twoVectors[] = {"P", "P+a", "P+b"};
    const Vec3 points[] = {p, wr.in.task == SpaceTask::PlaneThreePoints ? wr.in.vec(1) : p + r.u,
                           wr.in.task == SpaceTask::PlaneThreePoints ? wr.in.vec(2) : p + r.v};
    for (std::size_t i = 0; i < r.putBack.size(); ++i) {
        const char* name = wr.in.task == SpaceTask::PlaneThreePoints ? threePoints[i] : twoVectors[i];
        wr.line(name + (VecText(points[i]) + ": ") + AtPointText(r.planeWhole, points[i]) + "=" +
                FractionText(r.putBack[i]));
    }
}

void WriteLine(Writer& wr) {
    const SpaceResult& r = wr.r;
    if (wr.in.task == SpaceTask::LineTwoPoints) {
        wr.say(L::sp_direction, "The direction vector of the line:");
        wr.line("s=P1P2=" + DiffText(wr.in.vec(1), wr.in.vec(0)) + "=" + VecText(r.line.dir));
    } else {
        wr.say(L::sp_direction_by_cross, "The direction vector as the cross product of the normal vectors:");
        wr.line("s=N1 x N2=" + CrossText(r.u, r.v, r.w));
        const auto i = static_cast<std::size_t>((r.zeroAxis + 1) % 3), j = static_cast<std::size_t>((r.zeroAxis + 2) % 3);
        const std::string xi = Axis(static_cast<int>(i)), xj = Axis(static_cast<int>(j));
        wr.line(wr.w.messages.format(L::sp_line_point, "A point of the line: with %1=0 the equations of the planes give",
                                     {Axis(r.zeroAxis)}));
        const SpacePlane p1 = wr.in.plane(0), p2 = wr.in.plane(1);
        for (const SpacePlane* p : {&p1, &p2}) {
            SpacePlane flat = *p;
            flat.n[static_cast<std::size_t>(r.zeroAxis)] = 0;
            flat.d = 0;
            const std::string left = PlaneEquation(flat);
            wr.line(left.substr(0, left.size() - 2) + "=" + FractionText(-p->d));
        }
        wr.line("det=" + Factor(p1.n[i]) + "*" + Factor(p2.n[j]) + "-" + Factor(p1.n[j]) + "*" + Factor(p2.n[i]) + "=" +
                FractionText(r.minor));
        wr.line(xi + "=(" + Factor(-p1.d) + "*" + Factor(p2.n[j]) + "-" + Factor(p1.n[j]) + "*" + Factor(-p2.d) +
                ")/" + Factor(r.minor) + "=" + FractionText(r.line.point[i]));
        wr.line(xj + "=(" + Factor(p1.n[i]) + "*" + Factor(-p2.d) + "-" + Factor(-p1.d) + "*" + Factor(p2.n[i]) +
                ")/" + Factor(r.minor) + "=" + FractionText(r.line.point[j]));
        wr.line("M" + VecText(r.line.point));
    }
    wr.say(L::sp_canonical, "Canonical equations:");
    wr.line("(x-x0)/l=(y-y0)/m=(z-z0)/n");
    wr.line(Canonical(r.line));
    wr.say(L::sp_parametric, "Parametric equations:");
    wr.line("x=x0+l*t; y=y0+m*t; z=z0+n*t");
    wr.line(Parametric(r.line));
    wr.field(names::Sp_R1, Canonical(r.line));
    wr.field(names::Sp_R2, Parametric(r.line));
    if (!wr.check || wr.in.task != SpaceTask::LineTwoPlanes) return;
    wr.say(L::sp_check, "Check:");
    const SpacePlane planes[] = {wr.in.plane(0), wr.in.plane(1)};
    for (std::size_t k = 0; k < 2; ++k)
        wr.line("M: " + AtPointText(planes[k], r.line.point) + "=" + FractionText(r.putBack[k]));
}

} // namespace space

TabOutput WriteSpace(const SpaceInput& in, bool read, const SpaceResult* result, const Wording& wording, bool check) {
    const SpaceResult empty;
    space::Writer wr{in, result ? *result : empty, wording, check, {}};
    const SpaceText name = TaskName(in.task);
    wr.say(name.line, name.fallback);
    if (!read) return wr.out;
    wr.say(L::sp_given, "Given:");
    for (std::size_t i = 0; i < TaskRows(in.task).size(); ++i)
        wr.line(RowText(wording, in, static_cast<int>(i)));
    if (!result) return wr.out;
    switch (GroupOf(in.task)) {
    case TaskGroup::Plane: space::WritePlane(wr); break;
    case TaskGroup::Line: space::WriteLine(wr); break;
    case TaskGroup::Distance: space::WriteDistance(wr); break;
    case TaskGroup::Angle: space::WriteAngle(wr); break;
    case TaskGroup::Meeting: space::WriteMeeting(wr); break;
    case TaskGroup::Projection: space::WriteProjection(wr); break;
    }
    return wr.out;
}

} // namespace tc
