// SPDX-License-Identifier: GPL-3.0-or-later
// Loads arbitrary bytes as the language file (any encoding, line breaks, NUL
// bytes, huge lines, short files), applies it to the window and runs one task
// (chosen by the file's size, so that each is reached), so that each kind of
// line the window reads is used.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "fuzz_support.h"

namespace {

namespace fs = std::filesystem;

// Menu commands that choose a task, each with the button that computes it.
const char* const kTasks[][2] = {
    {"N12", "CBut1"},   {"N15", "CBut1"},   {"N17", "CBut1"},   {"N30", "CBut1"},
    {"N16", "CBut1"},   {"N31", "Mat_But"}, {"N20", "Mat_But"}, {"N21", "Mat_But"},
    {"N28", "CTr_But"}, {"N29", "CP_But"},  {"N32", "CRun"},    {"N5", "Eq_Run"},
};

const char* const kLanguages[] = {"N23", "N24", "N25"};

void PrepareFolder() {
    const fs::path folder = tc::fuzz::WorkFolder();
    // The other languages read the same bytes.
    for (const char* other : {"Russian.txt", "English.txt"}) {
        std::error_code ec;
        fs::create_symlink("Ukrainian.txt", folder / other, ec);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool prepared = (PrepareFolder(), true);
    (void)prepared;
    {
        std::ofstream out("Ukrainian.txt", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // Building the window takes most of a run; one window takes the file
    // through the language menu, as a user switching languages would, and
    // every eighth input (by size) starts a fresh window, which also reads
    // the About text from it.
    static tc::RecordingHost host;
    static std::unique_ptr<tc::MainWindow> window;
    host.boxes.clear();
    if (!window || size % 8 == 0) {
        window = std::make_unique<tc::MainWindow>(host, tc::Settings{',', {}});
        window->start();
    } else {
        window->menu(kLanguages[size % std::size(kLanguages)]);
    }
    const auto& [task, button] = kTasks[size % std::size(kTasks)];
    window->menu(task);
    window->click(button);
    window->menu("N2");
    tc::fuzz::RequireUtf8State(*window, host);
    return 0;
}
