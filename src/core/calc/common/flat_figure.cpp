// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/common/flat_figure.h"

namespace tc {

bool TypedOnOneLine(const std::array<std::string, 6>& typed, char decimal) {
    std::array<Rational, 6> v;
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = ReadExact(typed[i], decimal);
    // AB x AC is twice the signed area.
    const Rational abx = v[2] - v[0], aby = v[3] - v[1];
    const Rational acx = v[4] - v[0], acy = v[5] - v[1];
    return abx * acy - aby * acx == 0;
}

bool TypedInOnePlane(const std::array<std::array<std::string, 3>, 4>& typed, char decimal) {
    std::array<std::array<Rational, 3>, 3> d; // AB, AC, AD
    for (std::size_t k = 0; k < 3; ++k)
        for (std::size_t i = 0; i < 3; ++i)
            d[k][i] = ReadExact(typed[k + 1][i], decimal) - ReadExact(typed[0][i], decimal);
    // The mixed product AB . (AC x AD) is six times the signed volume.
    const Rational volume6 = d[0][0] * (d[1][1] * d[2][2] - d[1][2] * d[2][1]) -
                             d[0][1] * (d[1][0] * d[2][2] - d[1][2] * d[2][0]) +
                             d[0][2] * (d[1][0] * d[2][1] - d[1][1] * d[2][0]);
    return volume6 == 0;
}

} // namespace tc
