// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replaying a scenario of user actions against the main window model.

#include <nlohmann/json.hpp>

#include "app/main_window.h"
#include "context/recording_host.h"

namespace tc::cli {

// The scenario in `text`: a JSON object nested no deeper than kMaxDepth.
// Throws UsageError for anything else (json exceptions for text that is not
// JSON at all).
nlohmann::json ParseScenario(const std::string& text);
inline constexpr int kMaxDepth = 64;

// Applies the scenario's actions in order until the end or until the window
// closes. Throws UsageError for an action that cannot be applied (an unknown
// action, widget or key, a value of the wrong type, an index out of range, an
// action with two verbs).
void RunActions(const nlohmann::json& actions, MainWindow& window, RecordingHost& host);

// The decimal separator a scenario asks for, or `fallback` when it names none.
char ScenarioDecimal(const nlohmann::json& scenario, char fallback);

// The date saved pages show: the scenario's "date", else `fallback` (the
// environment's TOVRIN_DATE); empty for today. Any text is taken as it is.
std::string ScenarioDate(const nlohmann::json& scenario, const char* fallback);

} // namespace tc::cli
