// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A fresh working folder for tests that write files: created empty under the
// system's temporary folder, made the current directory for the test, and
// removed with everything in it afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

namespace tc::test {

namespace fs = std::filesystem;

class WorkFolder {
public:
    WorkFolder() : previous_(fs::current_path()) {
        std::random_device seed;
        path_ =
            fs::temp_directory_path() / ("tovrin-save-" + std::to_string(seed()) + std::to_string(seed()));
        fs::create_directories(path_);
        fs::current_path(path_);
    }
    ~WorkFolder() {
        std::error_code ec;
        fs::current_path(previous_, ec);
        // Read-only test files do not stop root, nor permissions() on the owner.
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const fs::path& path() const { return path_; }

    // The names in the folder: a temporary file left behind shows up here.
    std::set<std::string> names() const {
        std::set<std::string> result;
        for (const auto& entry : fs::directory_iterator(path_))
            result.insert(entry.path().filename().u8string());
        return result;
    }

private:
    fs::path previous_;
    fs::path path_;
};

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

} // namespace tc::test
