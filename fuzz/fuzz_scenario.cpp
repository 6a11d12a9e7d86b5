// SPDX-License-Identifier: GPL-3.0-or-later
// Reads arbitrary bytes as a scenario and replays it against the window, as
// the scenario runner does: either the scenario is refused as unusable or its
// whole state is printed, and nothing else may happen.

#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "numbers/system_decimal.h"
#include "scenario.h"
#include "state_dump.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string& folder = tc::fuzz::WorkFolder();
    (void)folder;
    const std::string text(reinterpret_cast<const char*>(data), size);
    tc::fuzz::ContainedHost host;
    try {
        const nlohmann::json scenario = tc::cli::ParseScenario(text);
        tc::Settings settings{tc::cli::ScenarioDecimal(scenario, '.'), {TOVRIN_LANG_SOURCE_DIR}};
        tc::MainWindow window(host, settings);
        window.start();
        auto actions = scenario.find("actions");
        if (actions != scenario.end()) {
            tc::cli::RunActions(*actions, window, host);
            tc::fuzz::RequireUtf8State(window, host);
            (void)tc::cli::DumpState(window, host).dump(2);
        }
    } catch (const nlohmann::json::exception&) {
    } catch (const tc::UsageError&) {
    }
    if (host.saved) tc::fuzz::ClearWorkFolder();
    return 0;
}
