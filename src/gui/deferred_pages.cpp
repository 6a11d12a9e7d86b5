// SPDX-License-Identifier: GPL-3.0-or-later
#include "deferred_pages.h"

#include <QEvent>
#include <QWidget>

namespace tc::gui {

DeferredPages::DeferredPages(const WidgetTree& tree, std::string mainWindow, Build build, QObject* parent)
    : QObject(parent), tree_(tree), mainWindow_(std::move(mainWindow)), build_(std::move(build)) {}

std::string DeferredPages::holder(const Widget& w) const {
    if (w.kind() == WidgetKind::Form) return w.name() == mainWindow_ ? std::string() : w.name();
    for (const Widget* up = tree_.find(w.parent()); up; up = tree_.find(up->parent())) {
        if (up->kind() == WidgetKind::Form) return up->name() == mainWindow_ ? std::string() : up->name();
        // A page of the main window: the pages themselves have no parent.
        if (up->kind() == WidgetKind::Page && up->parent().empty()) return up->name();
    }
    return {};
}

bool DeferredPages::defer(const Widget& w) {
    std::string name = holder(w);
    if (name.empty()) return false;
    waiting_[name].push_back(&w);
    return true;
}

void DeferredPages::buildOnShow(QWidget* shown, const std::string& name) {
    watched_[shown] = name;
    shown->installEventFilter(this);
}

void DeferredPages::build(const std::string& name) {
    auto it = waiting_.find(name);
    if (it == waiting_.end()) return;
    // Out of the list first: building may show the page again.
    const std::vector<const Widget*> widgets = std::move(it->second);
    waiting_.erase(it);
    build_(widgets);
}

void DeferredPages::buildHolderOf(const std::string& name) {
    if (waiting_.count(name)) return build(name);
    if (const Widget* w = tree_.find(name)) build(holder(*w));
}

bool DeferredPages::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        auto it = watched_.find(watched);
        if (it != watched_.end()) {
            const std::string name = it->second;
            watched_.erase(it);
            watched->removeEventFilter(this);
            build(name);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tc::gui
