// SPDX-License-Identifier: GPL-3.0-or-later
// The fifteen tasks of the lines-and-planes tab: each verdict and exact
// answer from typed rows, the result fields with both separators, and the
// degenerate data that must fail naming what is wrong.

#include <nlohmann/json.hpp>

#include "calc/space/space_answer.h"
#include "calc/space/space_write.h"
#include "space_test_support.h"

namespace tc::test {
namespace {

struct AnswerRow {
    const char* name;
    int task;
    SpaceRows rows;
    const char* answer; // the structured answer, as JSON
    const char* field;  // Sp_R1 with the decimal comma
};

const AnswerRow kAnswers[] = {
    {"plane_three_points", 0, {{"1", "2", "-1"}, {"3", "0", "1"}, {"2", "1", "3"}},
     R"({"plane":["1","1","0","-3"]})", "x+y-3=0"},
    {"plane_point_normal", 1, {{"1", "2", "3"}, {"2", "-1", "3"}}, R"({"plane":["2","-1","3","-9"]})",
     "2x-y+3z-9=0"},
    {"plane_fraction_vectors", 2, {{"1", "0", "2"}, {"1", "2", "0"}, {"0", "1", "1/2"}},
     R"({"plane":["2","-1","2","-6"]})", "2x-y+2z-6=0"},
    {"plane_decimals", 1, {{"0.5", "0", "0"}, {"0", "0", "-0.25"}}, R"({"plane":["0","0","1","0"]})", "z=0"},
    {"line_two_points", 3, {{"1", "-3", "4"}, {"3", "-4", "8"}},
     R"({"line":{"direction":["2","-1","4"],"point":["1","-3","4"]}})", "(x-1)/2=(y+3)/(-1)=(z-4)/4"},
    {"line_two_planes", 4, {{"2", "-1", "3", "-5"}, {"1", "1", "-1", "2"}},
     R"({"line":{"direction":["-2","5","3"],"point":["1","-3","0"]}})", "(x-1)/(-2)=(y+3)/5=z/3"},
    {"line_two_planes_z_fixed", 4, {{"1", "0", "0", "-1"}, {"0", "1", "0", "-2"}},
     R"({"line":{"direction":["0","0","1"],"point":["1","2","0"]}})", "(x-1)/0=(y-2)/0=z/1"},
    {"distance_point_plane", 5, {{"1", "0", "2"}, {"3", "-4", "1", "2"}}, R"({"distance":"1.37281294596729"})",
     "7/sqrt(26)=1,3728"},
    {"distance_point_in_plane", 5, {{"1", "2", "3"}, {"3", "-4", "1", "2"}}, R"({"distance":"0"})", "0"},
    {"distance_point_line", 6, {{"1", "2", "3"}, {"0", "0", "0"}, {"1", "1", "1"}},
     R"({"distance":"1.4142135623731"})", "sqrt(2)=1,4142"},
    {"lines_skew", 7, {{"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}},
     R"({"distance":"1","verdict":"skew"})", "The lines are skew"},
    {"lines_parallel", 7, {{"0", "0", "0"}, {"1", "1", "0"}, {"1", "0", "0"}, {"2", "2", "0"}},
     R"({"distance":"0.707106781186548","verdict":"parallel"})", "The lines are parallel"},
    {"lines_same", 7, {{"0", "0", "0"}, {"1", "1", "0"}, {"2", "2", "0"}, {"-3", "-3", "0"}},
     R"({"distance":"0","verdict":"same"})", "The lines coincide"},
    {"lines_intersecting_distance", 7, {{"1", "2", "3"}, {"1", "1", "1"}, {"3", "2", "1"}, {"-1", "1", "3"}},
     R"({"distance":"0","verdict":"intersecting"})", "The lines intersect"},
    {"angle_lines", 8, {{"0", "0", "0"}, {"1", "2", "2"}, {"0", "1", "0"}, {"2", "-1", "2"}},
     R"({"angle":"63.612200038757"})", "arccos(4/9)=63,6122\xC2\xB0"},
    {"angle_lines_obtuse_taken_acute", 8, {{"0", "0", "0"}, {"1", "0", "0"}, {"0", "0", "0"}, {"-1", "1", "0"}},
     R"({"angle":"45"})", "arccos(1/sqrt(2))=45,0000\xC2\xB0"},
    {"angle_line_plane", 9, {{"0", "0", "0"}, {"1", "1", "1"}, {"1", "0", "0", "2"}},
     R"({"angle":"35.2643896827547"})", "arcsin(1/sqrt(3))=35,2644\xC2\xB0"},
    {"angle_line_in_plane", 9, {{"0", "0", "0"}, {"1", "1", "0"}, {"0", "0", "1", "0"}}, R"({"angle":"0"})",
     "arcsin(0)=0,0000\xC2\xB0"},
    {"angle_planes", 10, {{"1", "2", "2", "-3"}, {"2", "-1", "2", "5"}}, R"({"angle":"63.612200038757"})",
     "arccos(4/9)=63,6122\xC2\xB0"},
    {"angle_planes_perpendicular", 10, {{"1", "0", "0", "0"}, {"0", "1", "0", "0"}}, R"({"angle":"90"})",
     "arccos(0)=90,0000\xC2\xB0"},
    {"line_meets_plane", 11, {{"1", "0", "-1"}, {"2", "1", "3"}, {"1", "-1", "2", "-4"}},
     R"({"point":["17/7","5/7","8/7"],"verdict":"point"})", "The line meets the plane at one point"},
    {"line_parallel_plane", 11, {{"0", "0", "1"}, {"1", "1", "0"}, {"0", "0", "1", "0"}},
     R"({"verdict":"parallel"})", "The line is parallel to the plane"},
    {"line_in_plane", 11, {{"0", "0", "0"}, {"1", "1", "0"}, {"0", "0", "1", "0"}}, R"({"verdict":"in plane"})",
     "The line lies in the plane"},
    {"lines_meet", 12, {{"1", "2", "3"}, {"1", "1", "1"}, {"3", "2", "1"}, {"-1", "1", "3"}},
     R"({"point":["2","3","4"],"verdict":"intersecting"})", "The lines intersect"},
    {"lines_meet_skew", 12, {{"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}},
     R"({"verdict":"skew"})", "The lines are skew"},
    {"lines_meet_parallel", 12, {{"0", "0", "0"}, {"1", "1", "0"}, {"1", "0", "0"}, {"2", "2", "0"}},
     R"({"verdict":"parallel"})", "The lines are parallel"},
    {"lines_meet_same", 12, {{"0", "0", "0"}, {"1", "1", "0"}, {"2", "2", "0"}, {"1", "1", "0"}},
     R"({"verdict":"same"})", "The lines coincide"},
    {"projection_on_plane", 13, {{"1", "0", "2"}, {"3", "-4", "1", "2"}},
     R"({"distance":"1.37281294596729","projection":["5/26","14/13","45/26"],"symmetric":["-8/13","28/13","19/13"]})",
     "(5/26; 14/13; 45/26)"},
    {"projection_on_line", 14, {{"1", "2", "3"}, {"0", "0", "0"}, {"1", "1", "1"}},
     R"({"distance":"1.4142135623731","projection":["2","2","2"],"symmetric":["3","2","1"]})", "(2; 2; 2)"},
};

class SpaceAnswers : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(SpaceAnswers, gives_the_exact_answer_and_the_first_result_field) {
    const AnswerRow& row = GetParam();
    const SpaceInput in = SpaceData(row.task, row.rows);
    const SpaceResult r = SolveSpace(in);
    EXPECT_EQ(SpaceAnswer(r), nlohmann::json::parse(row.answer));
    const Numbers comma(',');
    const MessageTable messages;
    const TabOutput out = WriteSpace(in, true, &r, Wording{comma, messages}, false);
    ASSERT_FALSE(out.fields.empty());
    EXPECT_EQ(out.fields[0].first, "Sp_R1");
    EXPECT_EQ(out.fields[0].second, row.field);
}

INSTANTIATE_TEST_SUITE_P(Tasks, SpaceAnswers, ::testing::ValuesIn(kAnswers),
                         [](const auto& run) { return std::string(run.param.name); });

struct FailureRow {
    const char* name;
    int task;
    SpaceRows rows;
    Line line;
    const char* message;
};

const FailureRow kFailures[] = {
    {"equal_points_of_a_plane", 0, {{"1", "2", "3"}, {"1", "2", "3"}, {"0", "0", "1"}}, Line::sp_fail_same_points,
     "Points P1 and P2 coincide."},
    {"equal_last_points", 0, {{"1", "2", "3"}, {"0", "0", "1"}, {"0", "0", "1"}}, Line::sp_fail_same_points,
     "Points P2 and P3 coincide."},
    {"collinear_points", 0, {{"0", "0", "0"}, {"1", "1", "1"}, {"2", "2", "2"}}, Line::sp_fail_collinear,
     "Points P1, P2 and P3 lie on one line: they do not determine a plane."},
    {"zero_normal", 1, {{"1", "2", "3"}, {"0", "0", "0"}}, Line::sp_fail_zero_vector, "N is the zero vector."},
    {"collinear_vectors", 2, {{"1", "2", "3"}, {"1", "2", "3"}, {"-2", "-4", "-6"}}, Line::sp_fail_collinear_vectors,
     "The vectors a and b are collinear: they do not determine a plane."},
    {"equal_points_of_a_line", 3, {{"1", "2", "3"}, {"1", "2", "3"}}, Line::sp_fail_same_points,
     "Points P1 and P2 coincide."},
    {"parallel_planes", 4, {{"1", "1", "1", "1"}, {"2", "2", "2", "5"}}, Line::sp_fail_parallel_planes,
     "The planes are parallel: they have no common line."},
    {"same_planes", 4, {{"1", "1", "1", "1"}, {"2", "2", "2", "2"}}, Line::sp_fail_same_planes,
     "The planes coincide: they have no single common line."},
    {"no_plane", 5, {{"1", "2", "3"}, {"0", "0", "0", "4"}}, Line::sp_fail_zero_normal,
     "Plane: A, B and C are all zero, so this is no plane."},
    {"no_second_plane", 10, {{"1", "2", "3", "0"}, {"0", "0", "0", "4"}}, Line::sp_fail_zero_normal,
     "Plane 2: A, B and C are all zero, so this is no plane."},
    {"zero_direction", 6, {{"1", "2", "3"}, {"0", "0", "0"}, {"0", "0", "0"}}, Line::sp_fail_zero_vector,
     "s is the zero vector."},
    {"zero_second_direction", 12, {{"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "0"}},
     Line::sp_fail_zero_vector, "s2 is the zero vector."},
};

class SpaceFailures : public ::testing::TestWithParam<FailureRow> {};

TEST_P(SpaceFailures, names_what_is_wrong) {
    const FailureRow& row = GetParam();
    try {
        SolveSpace(SpaceData(row.task, row.rows));
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_EQ(f.line(), row.line);
        EXPECT_EQ(f.message(), row.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Degenerate, SpaceFailures, ::testing::ValuesIn(kFailures),
                         [](const auto& run) { return std::string(run.param.name); });

TEST(SpaceRoot, takes_the_squares_out_from_under_the_root) {
    const std::pair<const char*, const char*> rows[] = {
        {"49/26", "7/sqrt(26)"}, {"2/3", "sqrt(6)/3"}, {"8", "2*sqrt(2)"},   {"3/4", "sqrt(3)/2"},
        {"9/4", "3/2"},          {"0", "0"},           {"1/50", "1/(5*sqrt(2))"}, {"5", "sqrt(5)"},
    };
    for (const auto& [square, text] : rows)
        EXPECT_EQ(RootText(MakeRoot(ReadExact(square, '.', true))), text) << square;
}

TEST(SpaceRoot, a_quotient_of_roots_writes_rational_parts_without_the_root) {
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"49", "26", "7/sqrt(26)"},      {"6", "3", "sqrt(6)/sqrt(3)"}, {"1", "1", "1"},
        {"4", "9", "2/3"},               {"2", "1", "sqrt(2)"},         {"49/4", "26", "(7/2)/sqrt(26)"},
        {"8", "1/4", "sqrt(8)/(1/2)"},  {"9/4", "1", "3/2"},
    };
    for (const auto& [top, bottom, text] : rows)
        EXPECT_EQ(QuotientOfRoots(ReadExact(top, '.', true), ReadExact(bottom, '.', true)), text) << top << "/" << bottom;
}

} // namespace
} // namespace tc::test
