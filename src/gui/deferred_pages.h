// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The widgets of a tab page, and those of a second window, are built when the
// page or the window first shows, not at start-up: start-up builds only the
// menu, the tab captions and the page the window opens on. The model holds
// every widget's state from the start, so a page built late shows what it
// would have shown had it been built at once, and the first showing of a page
// shows it complete (the build runs before anything is painted).

#include <QObject>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "widgets/widget_tree.h"

class QWidget;

namespace tc::gui {

class DeferredPages : public QObject {
public:
    // `build` makes the Qt widgets of the model widgets given, parents first,
    // and shows their state. `mainWindow` names the form that is the main
    // window; its pages wait, every other form waits as a whole.
    using Build = std::function<void(const std::vector<const Widget*>&)>;
    DeferredPages(const WidgetTree& tree, std::string mainWindow, Build build, QObject* parent);

    // Keeps `w` until its page or window is built and says so; false for a
    // widget that is built at once (the main window, its menu, its pages).
    bool defer(const Widget& w);
    // Builds what waits for the holder `name` when `shown` first shows.
    void buildOnShow(QWidget* shown, const std::string& name);
    // Builds what the holder `name` waits for; nothing once it is built.
    void build(const std::string& name);
    // Builds the page or window that holds the widget `name`, or the holder of that name.
    void buildHolderOf(const std::string& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The page or window whose showing builds `w`, or empty for one built at once.
    std::string holder(const Widget& w) const;

    const WidgetTree& tree_;
    std::string mainWindow_;
    Build build_;
    std::map<std::string, std::vector<const Widget*>> waiting_;
    std::map<const QObject*, std::string> watched_;
};

} // namespace tc::gui
