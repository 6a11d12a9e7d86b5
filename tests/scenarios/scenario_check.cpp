// SPDX-License-Identifier: GPL-3.0-or-later
// Replays one golden scenario through tovrincalc-cli and compares the printed
// state with the scenario's "expect" object. Objects in "expect" are matched
// key by key (keys it leaves out are not checked); lists and texts must match
// exactly: the runner finds the shipped language files, so message lines are
// written out in the language the scenario uses.
// "expect_exit" (default 0) is the exit status the runner must give.
// "expect_files" maps file names (relative to the working directory) to the
// exact bytes each must hold after the run, or to null for a file that must not
// be there; the named files are removed before the run.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#if defined(__unix__) || defined(__APPLE__)
#include <sys/wait.h>
#endif

using Json = nlohmann::json;

namespace {

std::string ReadFile(const std::string& path) {
    // A folder opens as a stream and throws when read; it holds no text.
    if (std::filesystem::is_directory(std::filesystem::u8path(path))) return {};
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Reports every place where `actual` differs from `expected`; returns the count.
int Compare(const Json& expected, const Json& actual, const std::string& where) {
    if (expected.is_object()) {
        if (!actual.is_object()) {
            std::cerr << where << ": expected an object, got " << actual.dump() << "\n";
            return 1;
        }
        int diffs = 0;
        for (const auto& [key, value] : expected.items()) {
            if (!actual.contains(key)) {
                std::cerr << where << "." << key << ": missing\n";
                ++diffs;
            } else {
                diffs += Compare(value, actual.at(key), where + "." + key);
            }
        }
        return diffs;
    }
    if (expected.is_array() && actual.is_array() && expected.size() == actual.size()) {
        int diffs = 0;
        for (size_t i = 0; i < expected.size(); ++i)
            diffs += Compare(expected[i], actual[i], where + "[" + std::to_string(i) + "]");
        return diffs;
    }
    if (expected != actual) {
        std::cerr << where << ":\n  expected " << expected.dump() << "\n  actual   " << actual.dump() << "\n";
        return 1;
    }
    return 0;
}

// Checks the files a run must (or must not) have written; returns the count of
// differences.
int CompareFiles(const Json& expected) {
    int diffs = 0;
    for (const auto& [name, content] : expected.items()) {
        const bool present = std::filesystem::exists(std::filesystem::u8path(name));
        if (content.is_null()) {
            if (present) std::cerr << "file " << name << ": must not be there\n";
            diffs += present;
        } else if (!present) {
            std::cerr << "file " << name << ": missing\n";
            ++diffs;
        } else if (std::string actual = ReadFile(name); actual != content.get<std::string>()) {
            std::cerr << "file " << name << ":\n  expected " << content.dump() << "\n  actual   "
                      << Json(actual).dump() << "\n";
            ++diffs;
        }
    }
    return diffs;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: scenario_check TOVRINCALC_CLI SCENARIO.json\n";
        return 2;
    }
    const std::string cli = argv[1], scenarioPath = argv[2];
    // A scenario that is not JSON at all is a test of the runner's refusal.
    Json scenario = Json::parse(ReadFile(scenarioPath), nullptr, false);
    if (scenario.is_discarded()) scenario = Json{{"expect_exit", 2}};
    std::string stem = scenarioPath;
    for (char& c : stem)
        if (c == '/' || c == '\\' || c == ':') c = '_';
    const std::string outPath = stem + ".out", errPath = stem + ".err";
    const Json expectedFiles = scenario.value("expect_files", Json::object());
    for (const auto& file : expectedFiles.items()) {
        std::error_code ec;
        std::filesystem::remove(std::filesystem::u8path(file.key()), ec);
    }
    int status =
        std::system(("\"" + cli + "\" \"" + scenarioPath + "\" >" + outPath + " 2>" + errPath).c_str());
#if defined(__unix__) || defined(__APPLE__)
    if (WIFEXITED(status)) status = WEXITSTATUS(status);
#endif
    const int expectedExit = scenario.value("expect_exit", 0);
    if (status != expectedExit) {
        std::cerr << "exit status " << status << ", expected " << expectedExit << "\n" << ReadFile(errPath);
        return 1;
    }
    if (expectedExit != 0) {
        if (!ReadFile(outPath).empty()) {
            std::cerr << "an unusable scenario must print nothing on standard output\n";
            return 1;
        }
        return 0;
    }
    Json state = Json::parse(ReadFile(outPath));
    int diffs =
        Compare(scenario.value("expect", Json::object()), state, "state") + CompareFiles(expectedFiles);
    if (diffs) std::cerr << diffs << " difference(s) in " << scenarioPath << "\n";
    return diffs ? 1 : 0;
}
