// SPDX-License-Identifier: GPL-3.0-or-later
#include "mnemonics.h"

#include <set>
#include <vector>

#include "qt_text.h"

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

} // namespace

QString ButtonText(const WidgetTree& tree, const Widget& button) {
    const Widget* group = Group(tree, button);
    std::set<QChar> taken;
    for (const Widget* w : tree.all()) {
        if (w->kind() != WidgetKind::Button || Group(tree, *w) != group) continue;
        const QString caption = Q(w->caption);
        const qsizetype at = MnemonicAt(caption, taken);
        if (at >= 0) taken.insert(caption[at].toLower());
        if (w != &button) continue;
        QString shown =
            caption.left(at < 0 ? caption.size() : at).replace(QLatin1Char('&'), QLatin1String("&&"));
        if (at >= 0)
            shown += QLatin1Char('&') + caption.mid(at).replace(QLatin1Char('&'), QLatin1String("&&"));
        return shown;
    }
    return Q(button.caption);
}

} // namespace tc::gui
