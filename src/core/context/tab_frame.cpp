// SPDX-License-Identifier: GPL-3.0-or-later
#include "context/tab_frame.h"

#include <vector>

namespace tc {

TabFrame AddTabFrame(WidgetTree& tree, const TabFrameParts& parts) {
    Widget& page =
        tree.addPlain(WidgetKind::Page, parts.page, "", parts.caption, {0, 0, kPageWidth, kPageHeight});
    Memo& memo = tree.add<Memo>(parts.memo, parts.page);
    memo.geometry = {400, 8, 384, 530};
    Widget& compute =
        tree.addPlain(WidgetKind::Button, parts.compute, parts.page, "Обчислити", {8, 552, 120, 30});
    compute.enabled = parts.computeEnabled;
    Widget& save =
        tree.addPlain(WidgetKind::Button, parts.save, parts.page, parts.saveCaption, {136, 552, 120, 30});
    Widget& exit = tree.addPlain(WidgetKind::Button, parts.exit, parts.page, "Вихід", {264, 552, 120, 30});
    return {page, memo, compute, save, exit};
}

std::optional<TabFrameNames> FindTabFrame(const WidgetTree& tree, const std::string& page) {
    const Widget* pageWidget = tree.find(page);
    if (!pageWidget || pageWidget->kind() != WidgetKind::Page) return std::nullopt;
    std::string memo;
    std::vector<std::string> buttons;
    for (const Widget* w : tree.all()) {
        if (w->parent() != page) continue;
        if (w->kind() == WidgetKind::Memo && memo.empty()) memo = w->name();
        if (w->kind() == WidgetKind::Button && buttons.size() < 3) buttons.push_back(w->name());
    }
    if (memo.empty() || buttons.size() < 3) return std::nullopt;
    return TabFrameNames{memo, buttons[0], buttons[1], buttons[2]};
}

} // namespace tc
