// SPDX-License-Identifier: GPL-3.0-or-later
// Heights and the volume.

#include "calc/tetrahedron/tetra_measure_write.h"

#include "calc/common/terms.h"

namespace tc {

namespace {

// "(x-3)/", "(x+4)/" or, for a zero coordinate, "x/".
std::string Opening(const Numbers& nums, const std::string& axis, Ext v) {
    if (v > 0.0L) return "(" + axis + "-" + nums.text(v) + ")/";
    if (v < 0.0L) return "(" + axis + "+" + nums.text(-v) + ")/";
    return axis + "/";
}

} // namespace

std::string HeightText(const Numbers& nums, const Point3& n, const Point3& vertex) {
    return Opening(nums, "x", vertex.x) + Bracketed(nums, n.x) + "=" + Opening(nums, "y", vertex.y) +
           Bracketed(nums, n.y) + "=" + Opening(nums, "z", vertex.z) + Bracketed(nums, n.z);
}

Ext TetraVolume(const Point3& ab, const Point3& ac, const Point3& ad) {
    const Ext det = ab.x * ac.y * ad.z + ab.y * ac.z * ad.x + ab.z * ac.x * ad.y - ab.z * ac.y * ad.x -
                    ab.x * ac.z * ad.y - ab.y * ac.x * ad.z;
    return Abs(det) / 6.0L;
}

} // namespace tc
