// SPDX-License-Identifier: GPL-3.0-or-later
// One click on the Gauss tab's largest system: 10 equations in 10 unknowns
// with three-decimal entries, solved exactly and written with every step.
// It must answer well under 20 ms; so must the eigenvalues of a 4 x 4 with
// three-decimal entries (its quartic is solved numerically, each irrational
// eigenvalue's system in extended precision).

#include <benchmark/benchmark.h>

#include <random>

#include "calc/gauss/eigen_solve.h"
#include "calc/gauss/eigen_write.h"
#include "calc/gauss/gauss_solve.h"
#include "calc/gauss/gauss_write.h"

namespace {

tc::GaussInputs ThreeDecimalSystem(tc::GaussTask task) {
    std::mt19937 gen(2026);
    std::uniform_int_distribution<int> thousandths(-99999, 99999);
    tc::GaussInputs in;
    in.task = task;
    in.a.assign(10, {});
    in.b.assign(10, {});
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j)
            in.a[static_cast<std::size_t>(i)].push_back(tc::Rational(thousandths(gen), 1000));
        in.b[static_cast<std::size_t>(i)].push_back(tc::Rational(thousandths(gen), 1000));
    }
    for (auto& row : in.a)
        for (auto& x : row)
            x.canonicalize();
    for (auto& row : in.b)
        row.front().canonicalize();
    return in;
}

// Clicks until the timing settles: `click` solves and writes with the wording.
template <class Click> void Clicks(benchmark::State& state, Click click) {
    const tc::Numbers nums('.');
    const tc::MessageTable messages;
    const tc::Wording words{nums, messages};
    const tc::GaussWording wording{words, true, false};
    for (auto _ : state) {
        const tc::TabOutput out = click(wording);
        benchmark::DoNotOptimize(out.lines.data());
    }
}

void SolveAndWrite(benchmark::State& state, tc::GaussTask task) {
    const tc::GaussInputs in = ThreeDecimalSystem(task);
    Clicks(state, [&in](const tc::GaussWording& g) { return tc::WriteGauss(tc::SolveGauss(in), g); });
}

void Gauss10x10ThreeDecimals(benchmark::State& state) {
    SolveAndWrite(state, tc::GaussTask::Gauss);
}
BENCHMARK(Gauss10x10ThreeDecimals)->Unit(benchmark::kMillisecond);

void GaussJordan10x10ThreeDecimals(benchmark::State& state) {
    SolveAndWrite(state, tc::GaussTask::Jordan);
}
BENCHMARK(GaussJordan10x10ThreeDecimals)->Unit(benchmark::kMillisecond);

void Inverse10x10ThreeDecimals(benchmark::State& state) {
    SolveAndWrite(state, tc::GaussTask::Inverse);
}
BENCHMARK(Inverse10x10ThreeDecimals)->Unit(benchmark::kMillisecond);

void Eigen4x4ThreeDecimals(benchmark::State& state) {
    const tc::GaussInputs in = ThreeDecimalSystem(tc::GaussTask::Eigen);
    tc::QMatrix a;
    for (std::size_t i = 0; i < 4; ++i)
        a.emplace_back(in.a[i].begin(), in.a[i].begin() + 4);
    Clicks(state, [&a](const tc::GaussWording& g) { return tc::WriteEigen(tc::SolveEigen(a), g); });
}
BENCHMARK(Eigen4x4ThreeDecimals)->Unit(benchmark::kMillisecond);

} // namespace
