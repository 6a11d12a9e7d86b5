// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/space/space_inputs.h"

namespace tc {

namespace {

using K = RowKind;
// Row by row, in the order of the task list.
const std::vector<SpaceRow> kRows[kSpaceTaskCount] = {
    {{K::Point, "P1"}, {K::Point, "P2"}, {K::Point, "P3"}},
    {{K::Point, "P"}, {K::Normal, "N"}},
    {{K::Point, "P"}, {K::Vector, "a"}, {K::Vector, "b"}},
    {{K::Point, "P1"}, {K::Point, "P2"}},
    {{K::Plane, "1"}, {K::Plane, "2"}},
    {{K::Point, "P"}, {K::Plane, ""}},
    {{K::Point, "P"}, {K::LinePoint, "M"}, {K::Direction, "s"}},
    {{K::LinePoint, "M1"}, {K::Direction, "s1"}, {K::LinePoint, "M2"}, {K::Direction, "s2"}},
    {{K::LinePoint, "M1"}, {K::Direction, "s1"}, {K::LinePoint, "M2"}, {K::Direction, "s2"}},
    {{K::LinePoint, "M"}, {K::Direction, "s"}, {K::Plane, ""}},
    {{K::Plane, "1"}, {K::Plane, "2"}},
    {{K::LinePoint, "M"}, {K::Direction, "s"}, {K::Plane, ""}},
    {{K::LinePoint, "M1"}, {K::Direction, "s1"}, {K::LinePoint, "M2"}, {K::Direction, "s2"}},
    {{K::Point, "P"}, {K::Plane, ""}},
    {{K::Point, "P"}, {K::LinePoint, "M"}, {K::Direction, "s"}},
};

std::size_t At(int row) {
    return static_cast<std::size_t>(row);
}

} // namespace

const std::vector<SpaceRow>& TaskRows(SpaceTask task) {
    return kRows[static_cast<int>(task)];
}

Vec3 SpaceInput::vec(int row) const {
    const auto& v = values[At(row)];
    return {v[0], v[1], v[2]};
}

SpacePlane SpaceInput::plane(int row) const {
    return {vec(row), values[At(row)][3]};
}

SpaceLine SpaceInput::line(int row) const {
    return {vec(row), vec(row + 1)};
}

} // namespace tc
