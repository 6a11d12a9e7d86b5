// SPDX-License-Identifier: GPL-3.0-or-later
// The vector solver's steps where a failure stops it: what it finished is
// kept, and the failure comes at the component where the solution meets it.

#include <gtest/gtest.h>

#include <cmath>

#include "calc/vector/vector_figure.h"
#include "calc/vector/vector_solve.h"

namespace tc {
namespace {

// The input as the tab reads it: a_1, b_1, a_2, ... up to the first cell that
// is not a number, whose failure is kept.
Partial<VectorInput> Input(vec::Task task, std::vector<Ext> a, std::vector<Ext> b,
                           std::optional<Failure> unreadable = std::nullopt) {
    VectorInput in;
    in.task = task;
    in.n = 2;
    in.a = std::move(a);
    in.b = std::move(b);
    return {in, std::move(unreadable)};
}

std::string FailureText(const Partial<VectorResult>& r) {
    return r.failure ? r.failure->what() : "no failure";
}

TEST(VectorSolver, keeps_the_components_computed_before_a_cell_that_is_not_a_number) {
    const auto r = SolveVector<Ext>(Input(vec::kAddition, {4.0L, 5.0L}, {3.0L}, Failure("'x'")));
    EXPECT_EQ(FailureText(r), "'x'");
    EXPECT_EQ(r.result.c, (std::vector<Ext>{7.0L}));
    EXPECT_FALSE(r.result.modulus);
}

TEST(VectorSolver, an_overflow_of_an_earlier_component_comes_before_a_later_unreadable_cell) {
    const auto r = SolveVector<Ext>(Input(vec::kAddition, {1E4932L}, {1E4932L}, Failure("'x'")));
    EXPECT_EQ(FailureText(r), kOverflow);
    EXPECT_TRUE(r.result.c.empty());
}

TEST(VectorSolver, the_angle_of_a_zero_vector_keeps_both_lengths_and_fails_at_the_cosine) {
    const auto r = SolveVector<Ext>(Input(vec::kAngle, {0.0L, 0.0L}, {3.0L, 7.0L}));
    EXPECT_EQ(FailureText(r), kInvalidOperation);
    ASSERT_TRUE(r.result.product && r.result.lengthA && r.result.lengthB);
    EXPECT_EQ(*r.result.product, 0.0L);
    EXPECT_EQ(r.result.lengthB->squares, (std::vector<Ext>{9.0L, 49.0L}));
    EXPECT_EQ(r.result.lengthB->sum, 58.0L);
    EXPECT_FALSE(r.result.cosine);
    EXPECT_FALSE(r.result.phi);
}

TEST(VectorSolver, the_angle_comes_from_the_full_cosine) {
    const auto r = SolveVector<Ext>(Input(vec::kAngle, {2.0L, 5.0L}, {3.0L, 7.0L}));
    ASSERT_TRUE(r.result.cosine && r.result.phi);
    EXPECT_EQ(*r.result.cosine, 41.0L / (Sqrt(29.0L) * Sqrt(58.0L)));
    EXPECT_EQ(*r.result.phi, ArcCos(*r.result.cosine) / Pi() * 180.0L);
    EXPECT_EQ(Numbers().fixed(*r.result.phi, 6), "1.397181");
}

TEST(VectorSolver, the_norm_takes_row_a_alone) {
    const auto r = SolveVector<Ext>(Input(vec::kNorm, {3.0L, -4.0L}, {}));
    EXPECT_FALSE(r.failure);
    ASSERT_TRUE(r.result.lengthA);
    EXPECT_EQ(r.result.lengthA->root, 5.0L);
    EXPECT_TRUE(r.result.b.empty());
}

// In exact fractions the components and squares never overflow; only the
// root, an extended value, can. A reading failure stops the exact solver where
// it stops the decimal one.
TEST(VectorSolver, exact_components_are_kept_before_an_unreadable_cell_and_an_overflowing_root) {
    VectorInput in;
    in.task = vec::kAddition;
    in.n = 2;
    in.exactA = {Rational(1, 2), Rational(1, 3)};
    in.exactB = {Rational(1, 3)};
    auto r = SolveVector<Rational>({in, Failure("'x'")});
    EXPECT_EQ(r.failure ? r.failure->what() : "no failure", std::string("'x'"));
    EXPECT_EQ(r.result.c, (std::vector<Rational>{Rational(5, 6)}));

    in.exactA = {ReadExact("1E3000", '.'), 0};
    in.exactB = {0, Rational(-1, 4)};
    r = SolveVector<Rational>({in, std::nullopt});
    EXPECT_EQ(r.failure ? r.failure->what() : "no failure", std::string(kOverflow));
    EXPECT_EQ(r.result.c.back(), Rational(-1, 4));
    EXPECT_FALSE(r.result.modulus);
}

// The figure draws exact steps at their nearest decimals: the sum 2/3 of
// thirds, not the sum of two rounded thirds; a fraction beyond the extended
// range lies at infinity, which the figure reports as too large to draw.
TEST(VectorDrawing, exact_steps_are_drawn_at_their_nearest_decimals) {
    VectorInput in;
    in.task = vec::kAddition;
    in.n = 2;
    in.exactA = {Rational(1, 3), Rational(1, 2)};
    const Rational big = ReadExact("1E3000", '.');
    in.exactB = {Rational(1, 3), Rational(-big * big)};
    const auto r = SolveVector<Rational>({in, std::nullopt});
    const VectorDrawing d = DrawingOf(vec::kAddition, 2, r.result);
    EXPECT_EQ(d.c.at(0), NearestExt(Rational(2, 3)));
    EXPECT_EQ(d.a.at(1), 0.5L);
    EXPECT_TRUE(std::isinf(d.b.at(1).value()));

    const Numbers nums('.');
    const MessageTable m;
    EXPECT_EQ(VectorFigure({nums, m}, &d).note, "The coordinates are too large to draw.");
    EXPECT_EQ(VectorFigure({nums, m}, nullptr).note, "Compute to see the figure.");
}

} // namespace
} // namespace tc
