// SPDX-License-Identifier: GPL-3.0-or-later
// One click on the cubic equation where its roots are hardest to get right:
// roots 1E60 apart, and a triple root of typed decimals. Each must answer
// well under a millisecond.

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "context/recording_host.h"

namespace {

void SolveCubic(benchmark::State& state, const char* a, const char* b, const char* c, const char* d) {
    tc::RecordingHost host;
    tc::MainWindow window(host, tc::Settings{'.', {}});
    window.start();
    window.menu("N5");
    window.click("eq2");
    window.setText("Eq_e1", a);
    window.setText("eq_e2", b);
    window.setText("Eq_e3", c);
    window.setText("Eq_e4", d);
    for (auto _ : state) {
        window.click("Eq_Run");
        benchmark::DoNotOptimize(window.widgets().get<tc::Edit>("Eq_X1").text);
    }
    if (!host.boxes.empty()) state.SkipWithError(host.boxes.front().text.c_str());
}

// (x-1)(x+2)(x+1E60): three real roots, 1E60 apart.
void CubicRootsFarApart(benchmark::State& state) {
    SolveCubic(state, "1", "1E60", "1E60", "-2E60");
}
BENCHMARK(CubicRootsFarApart)->Unit(benchmark::kMicrosecond);

// (x+1E60)(x^2+1): a pure imaginary pair beside a root 1E60 away.
void CubicPairFarFromItsRealRoot(benchmark::State& state) {
    SolveCubic(state, "1", "1E60", "1", "1E60");
}
BENCHMARK(CubicPairFarFromItsRealRoot)->Unit(benchmark::kMicrosecond);

// -3(x+17.5)^3.
void CubicTripleRoot(benchmark::State& state) {
    SolveCubic(state, "-3", "-157.5", "-2756.25", "-16078.125");
}
BENCHMARK(CubicTripleRoot)->Unit(benchmark::kMicrosecond);

} // namespace
