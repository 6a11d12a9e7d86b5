// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact matrices for the Gauss tab's tests: written as rows of texts, and a
// rank found without the tab's own elimination.

#include <string>
#include <vector>

#include "calc/gauss/gauss_inputs.h"

namespace tc::test {

// Rows of "p/q" or whole texts.
inline QMatrix Q(const std::vector<std::vector<std::string>>& rows) {
    QMatrix m;
    for (const auto& row : rows) {
        m.emplace_back();
        for (const std::string& t : row)
            m.back().push_back(ReadExact(t, '.', true));
    }
    return m;
}

// The rank by fraction-free (Bareiss) elimination on the numerators once
// every row is brought to whole numbers: a second method beside the tab's.
inline int BareissRank(QMatrix m) {
    std::vector<std::vector<mpz_class>> a;
    for (auto& row : m) {
        mpz_class den = 1;
        for (const Rational& x : row)
            den = lcm(den, x.get_den());
        a.emplace_back();
        for (const Rational& x : row)
            a.back().push_back(mpz_class(x.get_num() * (den / x.get_den())));
    }
    const std::size_t rows = a.size(), cols = rows ? a[0].size() : 0;
    mpz_class prev = 1;
    std::size_t r = 0;
    for (std::size_t c = 0; c < cols && r < rows; ++c) {
        std::size_t p = r;
        while (p < rows && a[p][c] == 0)
            ++p;
        if (p == rows) continue;
        std::swap(a[p], a[r]);
        for (std::size_t i = r + 1; i < rows; ++i) {
            for (std::size_t j = c + 1; j < cols; ++j)
                a[i][j] = (a[r][c] * a[i][j] - a[i][c] * a[r][j]) / prev;
            a[i][c] = 0;
        }
        prev = a[r][c];
        ++r;
    }
    return static_cast<int>(r);
}

} // namespace tc::test
