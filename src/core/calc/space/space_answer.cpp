// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/space/space_answer.h"

#include "numbers/convert.h"

namespace tc {

namespace {

nlohmann::json Vector(const Vec3& v) {
    return {FractionText(v[0]), FractionText(v[1]), FractionText(v[2])};
}

// Rational values exactly, roots as decimals: a program reads them, so the
// separator is always ".".
std::string Value(const RootValue& v, Ext decimal) {
    return v.radicand == 1 ? FractionText(v.factor) : FloatToStr(decimal.value(), '.');
}

} // namespace

const char* VerdictKey(Verdict v) {
    switch (v) {
    case Verdict::Intersecting: return "intersecting";
    case Verdict::Parallel: return "parallel";
    case Verdict::Skew: return "skew";
    case Verdict::Same: return "same";
    case Verdict::Point: return "point";
    case Verdict::InPlane: return "in plane";
    case Verdict::None: break;
    }
    return "";
}

nlohmann::json SpaceAnswer(const SpaceResult& r) {
    nlohmann::json a = nlohmann::json::object();
    switch (GroupOf(r.task)) {
    case TaskGroup::Plane: {
        const SpacePlane& p = r.planeWhole;
        a["plane"] = {FractionText(p.n[0]), FractionText(p.n[1]), FractionText(p.n[2]), FractionText(p.d)};
        break;
    }
    case TaskGroup::Line: a["line"] = {{"point", Vector(r.line.point)}, {"direction", Vector(r.line.dir)}}; break;
    // 0 and 90 degrees are exact; FloatToStr's 15 digits show them whole.
    case TaskGroup::Angle: a["angle"] = FloatToStr(r.angle->degrees.value(), '.'); break;
    case TaskGroup::Projection:
        a["projection"] = Vector(*r.point);
        a["symmetric"] = Vector(*r.symmetric);
        break;
    case TaskGroup::Meeting:
        a["verdict"] = VerdictKey(r.verdict);
        if (r.point) a["point"] = Vector(*r.point);
        break;
    case TaskGroup::Distance:
        if (r.verdict != Verdict::None) a["verdict"] = VerdictKey(r.verdict);
        break;
    }
    if (r.distance) a["distance"] = Value(r.distance->exact, r.distance->decimal);
    return a;
}

} // namespace tc
