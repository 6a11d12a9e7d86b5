// SPDX-License-Identifier: GPL-3.0-or-later
#include "mnemonics.h"

#include <set>
#include <vector>

#include "qt_text.h"
#include "widgets/controls.h"

namespace tc::gui {

namespace {

// The page or the second window holding `w`: mnemonics act within it only.
const Widget* Group(const WidgetTree& tree, const Widget& w) {
    const Widget* at = &w;
    while (at && at->kind() != WidgetKind::Page && at->kind() != WidgetKind::Form)
        at = at->parent().empty() ? nullptr : tree.find(at->parent());
    return at;
}

// Where the mnemonic of `caption` goes, or -1: word starts first, then any
// letter, skipping the letters in `taken`.
qsizetype MnemonicAt(const QString& caption, const std::set<QChar>& taken) {
    std::vector<qsizetype> order;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i].isLetter() && (i == 0 || !caption[i - 1].isLetter())) order.push_back(i);
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i].isLetter() && (i > 0 && caption[i - 1].isLetter())) order.push_back(i);
    for (qsizetype i : order)
        if (!taken.count(caption[i].toLower())) return i;
    return -1;
}

// `caption` with the letter at `at` marked, and its own "&" doubled.
QString Marked(const QString& caption, qsizetype at) {
    QString shown = caption.left(at < 0 ? caption.size() : at).replace(QLatin1Char('&'), QLatin1String("&&"));
    if (at >= 0) shown += QLatin1Char('&') + caption.mid(at).replace(QLatin1Char('&'), QLatin1String("&&"));
    return shown;
}

// The text of `target` among the widgets `inGroup` accepts, which share their letters.
template <class InGroup> QString MarkedAmong(const WidgetTree& tree, const Widget& target, InGroup inGroup) {
    std::set<QChar> taken;
    for (const Widget* w : tree.all()) {
        if (!inGroup(*w)) continue;
        const QString caption = Q(w->caption);
        const qsizetype at = MnemonicAt(caption, taken);
        if (at >= 0) taken.insert(caption[at].toLower());
        if (w == &target) return Marked(caption, at);
    }
    return Q(target.caption);
}

} // namespace

QString ButtonText(const WidgetTree& tree, const Widget& button) {
    const Widget* group = Group(tree, button);
    return MarkedAmong(tree, button, [&](const Widget& w) {
        return w.kind() == WidgetKind::Button && Group(tree, w) == group;
    });
}

QString MenuText(const WidgetTree& tree, const Widget& item) {
    return MarkedAmong(tree, item, [&](const Widget& w) {
        return w.kind() == WidgetKind::MenuItem && w.parent() == item.parent() &&
               static_cast<const MenuItem&>(w).itemKind != MenuItemKind::Separator;
    });
}

} // namespace tc::gui
