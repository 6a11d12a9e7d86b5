// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state the window would show, as one JSON object.

#include <nlohmann/json.hpp>

#include "app/main_window.h"
#include "context/recording_host.h"

namespace tc::cli {

nlohmann::ordered_json DumpState(const MainWindow& window, const RecordingHost& host);

} // namespace tc::cli
