// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers shared by the language tests: scratch folders, language files written
// byte for byte, and a current directory that the tests control.

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "app/error_box.h"

namespace tc::test {

namespace fs = std::filesystem;

// A fresh empty folder, removed with everything in it at the end of the test.
class ScratchDir {
public:
    ScratchDir() {
        // CTest runs the tests of one program as parallel processes: the name
        // must differ between processes, not only within one.
        static std::atomic<int> counter{0};
        std::random_device entropy;
        const auto stamp =
            std::to_string(entropy()) + std::to_string(entropy()) + "-" + std::to_string(counter++);
        path_ = fs::temp_directory_path() / ("tovrin-lang-" + stamp);
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const fs::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

private:
    fs::path path_;
};

// Makes `dir` the current directory for the lifetime of the object.
class InDirectory {
public:
    explicit InDirectory(const fs::path& dir) : previous_(fs::current_path()) { fs::current_path(dir); }
    ~InDirectory() {
        std::error_code ec;
        fs::current_path(previous_, ec);
    }
    InDirectory(const InDirectory&) = delete;
    InDirectory& operator=(const InDirectory&) = delete;

private:
    fs::path previous_;
};

inline void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

// The lines joined with `lineEnd` after every line, the last one included.
inline std::string JoinLines(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
    std::string text;
    for (const std::string& l : lines)
        text += l + lineEnd;
    return text;
}

// A language file whose line i reads "key<i>=v<i>", so that every text shows
// the line it came from.
inline std::vector<std::string> NumberedLines(int count, const std::string& prefix = "v") {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back("key" + std::to_string(i) + "=" + prefix + std::to_string(i));
    return lines;
}

inline std::string V(int line, const std::string& prefix = "v") {
    return prefix + std::to_string(line);
}

// What the error box shows for a language file missing from `dir`.
inline std::string CannotOpen(const fs::path& dir, const std::string& name) {
    return ErrorBoxText("Cannot open file \"" + (dir / name).string() + "\". " +
                        std::error_code(ENOENT, std::generic_category()).message());
}

} // namespace tc::test
