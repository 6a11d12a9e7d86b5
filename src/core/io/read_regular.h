// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a small file that anyone may have put in place of the expected one:
// only a regular file of a bounded size is read, and opening never waits (a
// FIFO would hold the program until some writer came along).

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace tc {

// The whole regular file at `path` (links followed), or nullopt with `reason`
// set to the system's reason as UTF-8: the file is missing or unreadable, is a
// folder, is no regular file (a FIFO, a device such as /dev/zero), or holds
// more than `limit` bytes.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path, std::size_t limit,
                                           std::string& reason);

} // namespace tc
