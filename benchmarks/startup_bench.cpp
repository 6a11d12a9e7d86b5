// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window logic takes to start and to answer a click. Run with
// build-release: cmake -DTOVRIN_BUILD_BENCHMARKS=ON, then bin/tovrin_bench.

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "context/recording_host.h"

namespace {

void StartUp(benchmark::State& state) {
    for (auto _ : state) {
        tc::RecordingHost host;
        tc::MainWindow window(host, tc::Settings{'.', {}});
        window.start();
        benchmark::DoNotOptimize(window.tab());
    }
}
BENCHMARK(StartUp);

// A click on every compute button, each on its tab's start-up example.
void ComputeEveryTab(benchmark::State& state) {
    tc::RecordingHost host;
    tc::MainWindow window(host, tc::Settings{'.', {}});
    window.start();
    for (auto _ : state) {
        for (const char* button : {"CBut1", "Mat_But", "CTr_But", "CP_But", "CRun", "Eq_Run"})
            window.click(button);
        benchmark::DoNotOptimize(host.boxes.size());
    }
}
BENCHMARK(ComputeEveryTab);

// One click on the inverse of order 4 in exact fractions, with its check, on
// entries of three decimals: the exact arithmetic must stay well under a
// millisecond per click.
void ExactInverseOfOrderFour(benchmark::State& state) {
    tc::RecordingHost host;
    tc::MainWindow window(host, tc::Settings{'.', {}});
    window.start();
    window.menu("NExact");
    window.menu("NCheck");
    window.menu("N11");
    window.menu("N21");
    window.select("M_N1", 2);
    const char* entries[4][4] = {{"1.237", "-0.512", "3.141", "0.007"},
                                 {"2.718", "1.414", "-0.333", "5.001"},
                                 {"-4.096", "0.125", "1.732", "2.236"},
                                 {"0.618", "3.003", "-1.999", "0.999"}};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            window.setCell("Mat1", j + 1, i + 1, entries[i][j]);
    for (auto _ : state) {
        window.click("Mat_But");
        benchmark::DoNotOptimize(window.widgets().get<tc::Edit>("DET_A").text);
    }
    if (!host.boxes.empty()) state.SkipWithError("the inverse failed");
}
BENCHMARK(ExactInverseOfOrderFour)->Unit(benchmark::kMicrosecond);

} // namespace
