// Loads arbitrary bytes as the language file (any encoding, line breaks, NUL
// bytes, huge lines, short files), applies it to the window and runs a task
// of every tab, so that each kind of line the window reads is used.

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "fuzz_support.h"

namespace {

namespace fs = std::filesystem;

// Menu commands that choose a task, each with the button that computes it.
const char* const kTasks[][2] = {
    {"N12", "CBut1"},   {"N15", "CBut1"},   {"N17", "CBut1"},   {"N30", "CBut1"},
    {"N16", "CBut1"},   {"N31", "Mat_But"}, {"N20", "Mat_But"}, {"N21", "Mat_But"},
    {"N28", "CTr_But"}, {"N29", "CP_But"},  {"N32", "CRun"},    {"N5", "Eq_Run"},
};

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
    tc::RecordingHost host;
    tc::MainWindow window(host, tc::Settings{',', {}});
    window.start();
    for (const auto& [task, button] : kTasks) {
        window.menu(task);
        window.click(button);
    }
    window.menu("N25");
    window.menu("N2");
    tc::fuzz::RequireUtf8State(window, host);
    return 0;
}
