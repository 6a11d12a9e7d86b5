#pragma once
// The About window `Form1`: a memo with a short text about the program and a
// button that closes the window. Its text is composed once, at start.

#include "app/env.h"
#include "widgets/widget_tree.h"

namespace tc {

class AboutWindow {
public:
    // Adds the window's widgets to `tree` (they name "Form1" as their window).
    AboutWindow(WidgetTree& tree, Env& env);

    Memo& info() { return info_; }

private:
    WidgetTree& tree_;
    Env& env_;
    Memo& info_;
};

} // namespace tc
