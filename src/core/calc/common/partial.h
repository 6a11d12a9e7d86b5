// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a solver hands back: the result with every step it finished, and the
// failure that stopped it, if one did. A failure ends the handler, but what the
// handler wrote before it stays, so the writer writes the finished steps and
// the handler applies them before it passes the failure on. Every tab follows
// this one rule instead of writing into widgets halfway through its maths.

#include <optional>
#include <utility>

#include "base/failure.h"

namespace tc {

template <class Result> struct Partial {
    Result result;                  // the steps the solver finished; later ones stay empty
    std::optional<Failure> failure; // what stopped the solver, if anything did

    // Passes the failure on once the finished steps have been applied.
    void rethrow() const {
        if (failure) throw *failure;
    }
};

// Runs `solve(result)`, which fills `result` step by step. A Failure thrown on
// the way is kept beside what was filled before it; any other exception is a
// bug and passes through.
template <class Result, class Solve> Partial<Result> SolvePartially(Result start, Solve&& solve) {
    Partial<Result> out{std::move(start), std::nullopt};
    try {
        std::forward<Solve>(solve)(out.result);
    } catch (const Failure& f) {
        out.failure = f;
    }
    return out;
}

} // namespace tc
