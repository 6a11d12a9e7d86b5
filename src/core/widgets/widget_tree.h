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
    template <class T, class... Args> T& add(Args&&... args) {
        auto owned = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *owned;
        insert(std::move(owned));
        return ref;
    }
    // Plain widgets: pages, group boxes, labels, buttons.
    Widget& addPlain(WidgetKind kind, const std::string& name, const std::string& parent,
                     const std::string& caption, Rect geometry);

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

    const std::vector<Widget*>& all() const { return order_; }

    // Click of a button, radio button or menu command; opening of a submenu.
    void onClick(const std::string& name, Handler h) { click_[name] = std::move(h); }
    // Change of a combo box (a list choice or typed text).
    void onChange(const std::string& name, Handler h) { change_[name] = std::move(h); }
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
