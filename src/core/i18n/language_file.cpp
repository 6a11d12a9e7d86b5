// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/language_file.h"

#include <filesystem>
#include <system_error>

#include "encoding/system_text.h"
#include "io/read_regular.h"
#include "base/failure.h"

namespace tc {

namespace {

// A language file holds a few hundred short lines, tens of kilobytes; a file
// far beyond that is no language file (or a device that never ends).
constexpr std::size_t kLanguageFileLimit = 1 << 20;

} // namespace

LanguageTable ReadLanguageFile(const std::string& fileName, const std::vector<std::string>& dirs) {
    std::error_code ec;
    std::filesystem::path here = std::filesystem::current_path(ec) / fileName;
    if (ec) here = fileName;

    std::string hereReason;
    if (auto bytes = ReadRegularFile(here, kLanguageFileLimit, hereReason))
        return LanguageTable(LanguageLines(*bytes));
    for (const std::string& dir : dirs) {
        std::string reason;
        if (auto bytes = ReadRegularFile(std::filesystem::path(dir) / fileName, kLanguageFileLimit, reason))
            return LanguageTable(LanguageLines(*bytes));
    }
    // The current folder's name comes from the file system, in the locale's encoding.
    const std::string path = SystemText(here.u8string());
    throw Failure(Line::fail_cannot_open, "Cannot open file \"" + path + "\". " + hereReason,
                  {path, hereReason});
}

} // namespace tc
