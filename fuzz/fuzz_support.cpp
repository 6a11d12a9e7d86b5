// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_support.h"

#include <cstdlib>
#include <filesystem>
#include <random>

#include "encoding/text_encoding.h"

namespace tc::fuzz {

namespace fs = std::filesystem;

namespace {

void RequireUtf8(const std::string& text) {
    if (!IsUtf8(text)) std::abort();
}

} // namespace

const std::string& WorkFolder() {
    static const std::string folder = [] {
        std::random_device seed;
        fs::path p = fs::temp_directory_path() / ("tovrin-fuzz-" + std::to_string(seed()));
        fs::create_directories(p);
        fs::current_path(p);
        return p.string();
    }();
    static const bool cleanUp = (std::atexit([] {
                                     std::error_code ec;
                                     fs::current_path(fs::temp_directory_path(ec), ec);
                                     fs::remove_all(folder, ec);
                                 }),
                                 true);
    (void)cleanUp;
    return folder;
}

void ClearWorkFolder() {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(WorkFolder(), ec))
        fs::remove_all(entry.path(), ec);
}

void RequireUtf8State(const MainWindow& window, const RecordingHost& host) {
    for (const Box& box : host.boxes)
        RequireUtf8(box.text);
    for (const Widget* w : window.widgets().all()) {
        RequireUtf8(w->caption);
        if (auto* m = dynamic_cast<const Memo*>(w))
            for (const std::string& line : m->lines)
                RequireUtf8(line);
        if (auto* e = dynamic_cast<const Edit*>(w)) RequireUtf8(e->text);
        if (auto* c = dynamic_cast<const Combo*>(w)) {
            RequireUtf8(c->text);
            for (const std::string& item : c->items)
                RequireUtf8(item);
        }
        if (auto* g = dynamic_cast<const Grid*>(w))
            for (int r = 0; r < g->rows; ++r)
                for (int c = 0; c < g->cols; ++c)
                    RequireUtf8(g->cell(c, r));
    }
}

std::optional<std::string> ContainedHost::askSaveName(const std::string& lastName) {
    std::optional<std::string> answer = RecordingHost::askSaveName(lastName);
    if (!answer) return answer;
    for (char& c : *answer)
        if (c == '/' || c == '\\') c = '_';
    // "." and ".." would name the folder itself or the one above it.
    if (answer->find_first_not_of('.') == std::string::npos) *answer = "dots";
    saved = true;
    return answer;
}

} // namespace tc::fuzz
