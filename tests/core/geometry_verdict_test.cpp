// SPDX-License-Identifier: GPL-3.0-or-later
// Vertices that make no figure, judged by the Triangle and Tetraedr solvers on
// the numbers as typed: the verdict, whether the solution stops, and what the
// writer then shows. A language file without the message on such vertices
// has them computed on as before.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "calc/tetrahedron/tetra_write.h"
#include "calc/triangle/triangle_write.h"

namespace tc {
namespace {

struct VerdictRow {
    const char* name;
    std::vector<const char*> typed; // in field or cell order
    bool refuse;                    // the language file words the refusal
    bool flat;                      // the verdict
    bool fails;                     // the solution stops with a failure
    std::size_t fieldsWritten;
    const char* last; // the memo's last line
};

class Wordings {
protected:
    Numbers nums{'.'};
    MessageTable messages;
    Wording wording() const { return {nums, messages}; }
};

// ---- triangle ----

const VerdictRow kTriangleRows[] = {
    {"a_triangle", {"1", "1", "2", "1", "1", "2"}, true, false, false, 20, "      Iy=(1+1+2)/3=1.3333"},
    {"on_a_line_refused",
     {"0", "0", "1", "1", "2", "2"},
     true,
     true,
     true,
     0,
     "A(0;0),    B(1;1),    C(2;2)."},
    {"on_a_line_only_as_typed",
     {"0.1", "0.1", "0.2", "0.3", "0.3", "0.5"},
     true,
     true,
     true,
     0,
     "A(0.1;0.1),    B(0.2;0.3),    C(0.3;0.5)."},
    {"on_a_line_computed_on_fails_in_the_angles", {"0", "0", "1", "1", "2", "2"}, false, true, true, 12, ""},
    {"on_a_line_computed_on_to_the_end",
     {"0", "0", "1", "2", "3", "6"},
     false,
     true,
     false,
     20,
     "      Iy=(0+2+6)/3=2.6667"},
};

class TriangleVerdict : public ::testing::TestWithParam<VerdictRow>, protected Wordings {};

INSTANTIATE_TEST_SUITE_P(Vertices, TriangleVerdict, ::testing::ValuesIn(kTriangleRows),
                         [](const ::testing::TestParamInfo<VerdictRow>& run) {
                             return std::string(run.param.name);
                         });

TEST_P(TriangleVerdict, the_solver_judges_and_the_writer_follows) {
    const VerdictRow& row = GetParam();
    TriangleInput in;
    std::array<long double, 6> v{};
    for (std::size_t i = 0; i < 6; ++i) {
        in.typed[i] = row.typed[i];
        v[i] = StrToFloat(row.typed[i], '.');
    }
    in.vertices = std::array<Point2, 3>{Point2{v[0], v[1]}, Point2{v[2], v[3]}, Point2{v[4], v[5]}};

    const Partial<TriangleResult> solved = SolveTriangle(in, '.', row.refuse);
    EXPECT_EQ(solved.result.collinear, row.flat);
    ASSERT_EQ(solved.failure.has_value(), row.fails);
    if (row.fails && row.refuse) {
        EXPECT_EQ(solved.failure->line(), Line::tri_collinear);
    }
    const TabOutput out = WriteTriangle(in, &solved.result, wording());
    EXPECT_EQ(out.fields.size(), row.fieldsWritten);
    ASSERT_FALSE(out.lines.empty());
    EXPECT_EQ(out.lines.back(), row.last);
}

// ---- tetrahedron ----

const VerdictRow kTetraRows[] = {
    {"a_tetrahedron",
     {"0", "0", "0", "6", "0", "0", "0", "1", "0", "0", "0", "1"},
     true,
     false,
     false,
     1,
     "              V=1"},
    {"in_a_plane_refused",
     {"0", "0", "0", "1", "0", "0", "0", "1", "0", "1", "1", "0"},
     true,
     true,
     true,
     0,
     ""},
    {"in_a_plane_computed_on",
     {"0", "0", "0", "1", "0", "0", "0", "1", "0", "1", "1", "0"},
     false,
     true,
     false,
     1,
     "              V=0"},
};

class TetraVerdict : public ::testing::TestWithParam<VerdictRow>, protected Wordings {};

INSTANTIATE_TEST_SUITE_P(Vertices, TetraVerdict, ::testing::ValuesIn(kTetraRows),
                         [](const ::testing::TestParamInfo<VerdictRow>& run) {
                             return std::string(run.param.name);
                         });

TEST_P(TetraVerdict, the_solver_judges_and_the_writer_follows) {
    const VerdictRow& row = GetParam();
    TetraInput in;
    Vertices v{};
    for (std::size_t c = 0; c < 4; ++c) {
        const auto at = [&](std::size_t r) { return nums.read(row.typed[c * 3 + r]); };
        for (std::size_t r = 0; r < 3; ++r)
            in.typed[c][r] = row.typed[c * 3 + r];
        v[c] = {at(0), at(1), at(2)};
    }
    in.vertices = v;

    const Partial<TetraResult> solved = SolveTetrahedron(nums, in, row.refuse);
    EXPECT_EQ(solved.result.coplanar, row.flat);
    ASSERT_EQ(solved.failure.has_value(), row.fails);
    if (row.fails && row.refuse) {
        EXPECT_EQ(solved.failure->line(), Line::tet_coplanar);
    }
    const TabOutput out = WriteTetrahedron(in, &solved.result, wording());
    EXPECT_EQ(out.fields.size(), row.fieldsWritten);
    ASSERT_FALSE(out.lines.empty());
    EXPECT_EQ(out.lines.back(), row.last);
}

} // namespace
} // namespace tc
