// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A main window started as the program starts it, with no language file in
// reach, and what it shows read back. The tab tests drive it the way a user
// does, through `window`, and read the boxes it showed from `host`.

#include <string>
#include <vector>

#include "app/main_window.h"
#include "context/recording_host.h"

namespace tc::test {

class StartedWindow {
public:
    explicit StartedWindow(char decimal = '.') : window(host, Settings{decimal, {}}) {
        window.start();
        // No language file is in reach here: start-up has reported it missing.
        host.boxes.clear();
    }

    // The lines of memo `name`; the memo from line `first` on (none when it is shorter).
    const std::vector<std::string>& memoOf(const char* name) const {
        return window.widgets().get<Memo>(name).lines;
    }
    std::vector<std::string> memoOf(const char* name, size_t first) const {
        const std::vector<std::string>& all = memoOf(name);
        return first < all.size()
                   ? std::vector<std::string>(all.begin() + static_cast<long>(first), all.end())
                   : std::vector<std::string>();
    }
    // Message-table entry k as the memo shows it (empty without a language file).
    std::string msg(int k) const { return window.env().messages(k); }
    const std::string& field(const char* name) const { return window.widgets().get<Edit>(name).text; }
    const Grid& grid(const char* name) const { return window.widgets().get<Grid>(name); }
    const Combo& combo(const char* name) const { return window.widgets().get<Combo>(name); }
    const Widget& widget(const char* name) const { return window.widgets().get(name); }

    // The texts of the error boxes shown since start-up, in order.
    std::vector<std::string> errors() const {
        std::vector<std::string> texts;
        for (const Box& b : host.boxes)
            if (b.kind == Box::Kind::Error) texts.push_back(b.text);
        return texts;
    }
    // The texts of every box shown since start-up, of whatever kind, in order.
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> texts;
        for (const Box& b : host.boxes)
            texts.push_back(b.text);
        return texts;
    }

    RecordingHost host;
    MainWindow window;
};

} // namespace tc::test
