// How long the window logic takes to start and to answer a click. Run with
// build-release: cmake -DTOVRIN_BUILD_BENCHMARKS=ON, then bin/tovrin_bench.

#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "app/recording_host.h"

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

} // namespace
