// SPDX-License-Identifier: GPL-3.0-or-later
// One click on each task of the lines-and-planes tab, on its worked example
// with the check written: every task must answer well under a millisecond.

#include <benchmark/benchmark.h>

#include "calc/space/space_tab.h"
#include "context/recording_host.h"
#include "widgets/names.h"

namespace {

void SpaceTask(benchmark::State& state) {
    tc::RecordingHost host;
    tc::Env env{tc::Numbers('.'), {}, host};
    tc::WidgetTree tree;
    tree.add<tc::MenuItem>(tc::names::NExact, "", tc::MenuItemKind::Check);
    tree.add<tc::MenuItem>(tc::names::NCheck, "", tc::MenuItemKind::Check).checked = true;
    tc::SpaceTab tab(tree, env);
    tab.formCreate();
    tree.get<tc::Combo>(tc::names::Sp_Task).select(static_cast<int>(state.range(0)));
    (*tree.changeHandler(tc::names::Sp_Task))();
    for (auto _ : state) {
        (*tree.clickHandler(tc::names::Sp_Run))();
        benchmark::DoNotOptimize(tree.get<tc::Edit>(tc::names::Sp_R1).text);
    }
}
BENCHMARK(SpaceTask)->DenseRange(0, tc::kSpaceTaskCount - 1)->Unit(benchmark::kMicrosecond);

} // namespace
