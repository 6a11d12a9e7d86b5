// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/widget_tree.h"

namespace tc {

Widget& WidgetTree::addPlain(WidgetKind kind, const std::string& name, const std::string& parent,
                             const std::string& caption, Rect geometry) {
    Widget& w = add<Widget>(name, kind, parent);
    w.caption = caption;
    w.geometry = geometry;
    return w;
}

void WidgetTree::insert(std::unique_ptr<Widget> w) {
    if (byName_.count(w->name())) throw std::logic_error("widget \"" + w->name() + "\" added twice");
    byName_[w->name()] = w.get();
    order_.push_back(w.get());
    owned_.push_back(std::move(w));
}

Widget* WidgetTree::find(const std::string& name) const {
    auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : it->second;
}

const Handler* WidgetTree::clickHandler(const std::string& name) const {
    auto it = click_.find(name);
    return it == click_.end() ? nullptr : &it->second;
}

const Handler* WidgetTree::changeHandler(const std::string& name) const {
    auto it = change_.find(name);
    return it == change_.end() ? nullptr : &it->second;
}

} // namespace tc
