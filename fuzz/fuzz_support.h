// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window-level fuzz targets share: a private working folder, and a
// host that keeps every save inside it.

#include <optional>
#include <string>

#include "app/main_window.h"
#include "context/recording_host.h"

namespace tc::fuzz {

// A fresh folder under the system's temporary folder, made the current
// directory for the rest of the run (the fuzzer's own folder stays clean);
// removed when the run ends.
const std::string& WorkFolder();

// Removes whatever a run left in the working folder.
void ClearWorkFolder();

// Every text the window shows is UTF-8: captions, fields, cells, memos, boxes.
void RequireUtf8State(const MainWindow& window, const RecordingHost& host);

// Answers the save dialog as the recording host does, but with any folder part
// of the chosen name turned into a plain name: a scenario may name any file,
// and a fuzzer runs as a user who can overwrite them.
class ContainedHost : public RecordingHost {
public:
    std::optional<std::string> askSaveName(const std::string& lastName) override;
    bool saved = false;
};

} // namespace tc::fuzz
