// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// All widgets of a window, owned in creation order and found by name, with the
// handlers their events run. The window and the runner walk this tree to show
// the state and route the user's actions.

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "widgets/controls.h"
#include "widgets/grid.h"

namespace tc {

// An action that names no widget, or a widget of the wrong kind: a fault of the
// caller (a broken scenario), never of the user's input.
class UsageError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

using Handler = std::function<void()>;

class WidgetTree {
public:
    // Creates a T from its constructor's `args`, keeps it and returns it; the
    // reference stays valid as long as the tree. A name already in the tree
    // throws std::logic_error: names are fixed by the code, not by the user.
    template <class T, class... Args> T& add(Args&&... args) {
        auto owned = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *owned;
        insert(std::move(owned));
        return ref;
    }
    // Plain widgets: pages, group boxes, labels, buttons. Returns the widget as add() does.
    Widget& addPlain(WidgetKind kind, const std::string& name, const std::string& parent,
                     const std::string& caption, Rect geometry);

    // The widget `name`, or null when there is none.
    Widget* find(const std::string& name) const;
    // The widget `name` as a T; UsageError when there is none or it is of another kind.
    template <class T> T& get(const std::string& name) const {
        Widget* w = find(name);
        if (!w) throw UsageError("unknown widget \"" + name + "\"");
        T* t = dynamic_cast<T*>(w);
        if (!t) throw UsageError("\"" + name + "\" is a " + KindName(w->kind()));
        return *t;
    }
    Widget& get(const std::string& name) const { return get<Widget>(name); }

    // Every widget, in creation order.
    const std::vector<Widget*>& all() const { return order_; }

    // Click of a button, radio button or menu command; opening of a submenu.
    // A second handler for the same name replaces the first.
    void onClick(const std::string& name, Handler h) { click_[name] = std::move(h); }
    // Change of a combo box (a list choice or typed text).
    void onChange(const std::string& name, Handler h) { change_[name] = std::move(h); }
    // The handler registered for `name`, or null when none is.
    const Handler* clickHandler(const std::string& name) const;
    const Handler* changeHandler(const std::string& name) const;

private:
    void insert(std::unique_ptr<Widget> w);
    std::vector<std::unique_ptr<Widget>> owned_;
    std::vector<Widget*> order_;
    std::map<std::string, Widget*> byName_;
    std::map<std::string, Handler> click_;
    std::map<std::string, Handler> change_;
};

} // namespace tc
