// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/language_dirs.h"

#include <filesystem>

namespace tc {

namespace fs = std::filesystem;

std::vector<std::string> DefaultLanguageDirs(const std::string& executablePath) {
    std::vector<std::string> dirs;
    if (!executablePath.empty()) {
        std::error_code ec;
        fs::path exe = fs::absolute(executablePath, ec);
        if (!ec) {
            const fs::path bin = exe.parent_path();
            dirs.push_back(bin.string());
            dirs.push_back((bin / ".." / "share" / "tovrincalc").lexically_normal().string());
        }
    }
    dirs.emplace_back(TOVRIN_DATA_DIR);
    return dirs;
}

std::string ExecutablePath(const std::string& argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? argv0 : self.string();
}

} // namespace tc
