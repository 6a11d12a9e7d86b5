#include "i18n/language_dirs.h"

#include <filesystem>

namespace tc {

std::vector<std::string> DefaultLanguageDirs(const std::string& executablePath) {
    std::vector<std::string> dirs;
    if (!executablePath.empty()) {
        std::error_code ec;
        std::filesystem::path exe = std::filesystem::absolute(executablePath, ec);
        if (!ec) dirs.push_back(exe.parent_path().string());
    }
    dirs.emplace_back(TOVRIN_DATA_DIR);
    return dirs;
}

} // namespace tc
