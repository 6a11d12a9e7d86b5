// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_flow.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTabBar>
#include <QTabWidget>

#include "qt_text.h"

namespace tc::gui {

namespace {

// The cells of a grid that take typing, row by row.
std::vector<QModelIndex> TypedCells(const QAbstractItemView* view) {
    std::vector<QModelIndex> cells;
    const QAbstractItemModel* m = view->model();
    if (!m) return cells;
    for (int r = 0; r < m->rowCount(); ++r)
        for (int c = 0; c < m->columnCount(); ++c)
            if (m->flags(m->index(r, c)) & Qt::ItemIsEditable) cells.push_back(m->index(r, c));
    return cells;
}

// A widget the user gives data in, as opposed to a result shown for reading.
bool IsInput(const QWidget* w) {
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return !e->isReadOnly();
    if (const auto* v = qobject_cast<const QAbstractItemView*>(w)) return !TypedCells(v).empty();
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractButton*>(w);
}

// A grid that shows results only: Tab reaches it after the buttons, so that
// the arrow keys can read (and scroll to) every cell.
bool IsResultGrid(const QWidget* w) {
    const auto* v = qobject_cast<const QAbstractItemView*>(w);
    return v && TypedCells(v).empty();
}

// The radio buttons that share a parent with `radio` (itself included), in order.
std::vector<QRadioButton*> RadioGroup(QRadioButton* radio) {
    std::vector<QRadioButton*> group;
    for (QObject* o : radio->parent()->children())
        if (auto* r = qobject_cast<QRadioButton*>(o); r && r->isVisibleTo(r->parentWidget()) && r->isEnabled())
            group.push_back(r);
    return group;
}

// A set of radio buttons is one stop of the Tab walk: the checked one (the
// first while none is).
bool IsOtherRadio(QWidget* w) {
    auto* radio = qobject_cast<QRadioButton*>(w);
    if (!radio) return false;
    const std::vector<QRadioButton*> group = RadioGroup(radio);
    const auto checked = std::find_if(group.begin(), group.end(), [](QRadioButton* r) { return r->isChecked(); });
    return radio != (checked != group.end() ? *checked : group.front());
}

// A part Qt builds inside a composite control (a cell's editor, a selector's
// edit line, a scroll bar): the control itself takes the focus in the walk.
bool IsInner(const QWidget* w, const QWidget* page) {
    for (const QWidget* p = w->parentWidget(); p && p != page; p = p->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(p) || qobject_cast<const QComboBox*>(p)) return true;
    return false;
}

// The controls of `page` that the Tab key can reach, in the order they were
// created (the order of the form), each once.
std::vector<QWidget*> Reachable(QWidget* page) {
    std::vector<QWidget*> found;
    QWidget* start = page->window();
    int guard = 0;
    for (QWidget* w = start->nextInFocusChain(); w && w != start && ++guard < 100000;
         w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w) || IsInner(w, page) || w->focusProxy()) continue;
        if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(page) || !w->isEnabled()) continue;
        found.push_back(w);
    }
    return found;
}

// The entry of `walk` that is `focus` or holds it, as an index; -1 for none.
int Position(const std::vector<QWidget*>& walk, const QWidget* focus) {
    for (size_t i = 0; i < walk.size(); ++i)
        if (walk[i] == focus || walk[i]->isAncestorOf(focus)) return static_cast<int>(i);
    return -1;
}

// +1 for a key that turns to the next tab, -1 for the previous one, else 0.
int TabTurn(int key, Qt::KeyboardModifiers mods) {
    if (mods == Qt::ControlModifier && (key == Qt::Key_Tab || key == Qt::Key_PageDown)) return 1;
    if (mods == Qt::ControlModifier && key == Qt::Key_PageUp) return -1;
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && (key == Qt::Key_Tab || key == Qt::Key_Backtab))
        return -1;
    return 0;
}

// Gives `control` the focus as Tab (or Shift+Tab) does; a grid is entered at
// its first typed cell (at its last one, going back).
void Enter(QWidget* control, bool forward) {
    if (auto* view = qobject_cast<QAbstractItemView*>(control)) {
        const std::vector<QModelIndex> cells = TypedCells(view);
        if (!cells.empty()) view->setCurrentIndex(forward ? cells.front() : cells.back());
        else if (!view->currentIndex().isValid() && view->model()) view->setCurrentIndex(view->model()->index(0, 0));
    }
    control->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

} // namespace

KeyFlow::KeyFlow(QTabWidget* tabs, std::function<std::optional<TabFrameNames>(const QString&)> frameOf)
    : QObject(tabs), tabs_(tabs), frameOf_(std::move(frameOf)) {
    // A click on a tab's caption puts the cursor where the tab is typed into
    // first, as Ctrl+Tab does (once the page shows, so that its controls can
    // take the focus).
    connect(tabs_->tabBar(), &QTabBar::tabBarClicked, this, [this](int index) {
        QTimer::singleShot(0, this, [this, index] {
            if (index >= 0 && index == tabs_->currentIndex()) focusFirstTyped(tabs_->currentWidget());
        });
    });
}

QWidget* KeyFlow::pageOf(QWidget* w) const {
    for (QWidget* p = w; p; p = p->parentWidget())
        if (tabs_->indexOf(p) >= 0) return p;
    return nullptr;
}

std::vector<QWidget*> KeyFlow::tabOrder(QWidget* page) const {
    const std::optional<TabFrameNames> frame = frameOf_(page->objectName());
    const std::vector<QWidget*> reachable = Reachable(page);
    std::vector<QWidget*> order;
    std::vector<QString> last;
    if (frame) last = {Q(frame->compute), Q(frame->save), Q(frame->exit), Q(frame->memo)};
    const auto inFrame = [&last](const QWidget* w) {
        return std::find(last.begin(), last.end(), w->objectName()) != last.end();
    };
    // A button of the tab's own (the figure) shows what compute gave: it comes
    // right after compute, before save and exit.
    std::vector<QWidget*> ownButtons, results;
    for (QWidget* w : reachable) {
        if (IsResultGrid(w)) results.push_back(w);
        else if (IsInput(w) && !inFrame(w) && !IsOtherRadio(w))
            (qobject_cast<QPushButton*>(w) ? ownButtons : order).push_back(w);
    }
    for (const QString& name : last) {
        if (frame && name == Q(frame->memo)) order.insert(order.end(), results.begin(), results.end());
        for (QWidget* w : reachable)
            if (w->objectName() == name) order.push_back(w);
        if (frame && name == Q(frame->compute))
            order.insert(order.end(), ownButtons.begin(), ownButtons.end());
    }
    if (!frame) {
        order.insert(order.end(), ownButtons.begin(), ownButtons.end());
        order.insert(order.end(), results.begin(), results.end());
    }
    return order;
}

void KeyFlow::focusFirstTyped(QWidget* page) const {
    if (!page) return;
    for (QWidget* w : tabOrder(page)) {
        if ((!qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractItemView*>(w)) || IsResultGrid(w)) continue;
        // A grid opens the cell's editor when its cursor moves there; the
        // editor, not the grid, must then hold the focus, or the first key
        // typed is lost.
        w->setFocus(Qt::TabFocusReason); // a field selects its text, as after Tab
        if (auto* field = qobject_cast<QLineEdit*>(w)) field->selectAll(); // also when it had the focus
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) view->setCurrentIndex(TypedCells(view).front());
        return;
    }
}

bool KeyFlow::eventFilter(QObject* watched, QEvent* event) {
    // The memo takes the keys only when the user chose it (a click, Tab, a
    // shortcut); the focus Qt hands on by itself, as when a page is turned,
    // goes to the page's first input instead.
    if (event->type() == QEvent::FocusIn && qobject_cast<QPlainTextEdit*>(watched) &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::OtherFocusReason) {
        if (QWidget* page = pageOf(static_cast<QWidget*>(watched))) {
            QTimer::singleShot(0, page, [this, page] {
                if (qobject_cast<QPlainTextEdit*>(QApplication::focusWidget()) && page->isVisible())
                    focusFirstTyped(page);
            });
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    // A key the focus widget passes on reaches its parents too: only the
    // first delivery counts.
    auto* focus = qobject_cast<QWidget*>(watched);
    if (!focus || focus != QApplication::focusWidget()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const bool forward = key->key() == Qt::Key_Tab && mods == Qt::NoModifier;
    const bool backward =
        key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && mods == Qt::ShiftModifier);
    const bool enterKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;

    // Ctrl+Tab and Ctrl+PgDn (Ctrl+Shift+Tab, Ctrl+PgUp back) turn the tabs
    // from wherever the cursor is, as in any program with tabs: a grid would
    // take Ctrl+Tab as a step to the next cell. The cursor lands where the
    // new tab is typed into first.
    const int turn = TabTurn(key->key(), mods);
    if (turn && tabs_->isAncestorOf(focus) && tabs_->count() > 0) {
        tabs_->setCurrentIndex((tabs_->currentIndex() + turn + tabs_->count()) % tabs_->count());
        focusFirstTyped(tabs_->currentWidget());
        return true;
    }

    // From the tab captions Tab goes into the shown page, Shift+Tab to its memo.
    if (focus == tabs_->tabBar() && (forward || backward) && tabs_->currentWidget()) {
        const std::vector<QWidget*> order = tabOrder(tabs_->currentWidget());
        if (order.empty()) return false;
        Enter(order[forward ? 0 : order.size() - 1], forward);
        return true;
    }
    QWidget* page = pageOf(focus);
    if (!page) return false;
    // The arrows choose among radio buttons, as in any set of choices.
    if (auto* radio = qobject_cast<QRadioButton*>(focus); radio && mods == Qt::NoModifier) {
        const int step = (key->key() == Qt::Key_Down || key->key() == Qt::Key_Right)  ? 1
                         : (key->key() == Qt::Key_Up || key->key() == Qt::Key_Left) ? -1
                                                                                     : 0;
        if (step) {
            const std::vector<QRadioButton*> group = RadioGroup(radio);
            const int at = static_cast<int>(std::find(group.begin(), group.end(), radio) - group.begin());
            const int count = static_cast<int>(group.size());
            QRadioButton* next = group[static_cast<size_t>(((at + step) % count + count) % count)];
            next->setFocus(Qt::TabFocusReason);
            next->click();
            return true;
        }
    }
    if (enterKey && (mods == Qt::NoModifier || mods == Qt::ControlModifier)) return enter(focus, page);
    if (forward || backward) return tab(focus, page, forward);
    return false;
}

bool KeyFlow::enter(QWidget* focus, QWidget* page) {
    const std::vector<QWidget*> order = tabOrder(page);
    const int at = Position(order, focus);
    if (at < 0) return false;
    QWidget* control = order[static_cast<size_t>(at)];
    if (qobject_cast<QPlainTextEdit*>(control)) return false; // a new line of the memo
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        button->click();
        return true;
    }
    // A size typed into a selector is taken first, as its list entry; the next
    // Enter computes with the grids it gives.
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable()) {
        const int typed = combo->findText(combo->currentText());
        if (typed >= 0 && typed != combo->currentIndex()) return false;
    }
    const std::optional<TabFrameNames> frame = frameOf_(page->objectName());
    if (!frame) return false;
    if (auto* compute = page->findChild<QPushButton*>(Q(frame->compute)); compute && compute->isEnabled())
        compute->click();
    return true;
}

bool KeyFlow::tab(QWidget* focus, QWidget* page, bool forward) {
    std::vector<QWidget*> order = tabOrder(page);
    if (order.empty()) return false;
    int at = Position(order, focus);
    // Inside a grid Tab goes from cell to cell; only its last cell (its first,
    // going back) hands on to the next control.
    if (at >= 0) {
        if (auto* view = qobject_cast<QAbstractItemView*>(order[static_cast<size_t>(at)]);
            view && !IsResultGrid(view)) {
            const std::vector<QModelIndex> cells = TypedCells(view);
            const QModelIndex edge = forward ? cells.back() : cells.front();
            if (view->tabKeyNavigation() && view->currentIndex().isValid() && view->currentIndex() != edge)
                return false;
        }
    }
    // A result holding the focus stands just after the control created
    // before it: Tab goes on to the next one, Shift+Tab back to that one.
    bool between = false;
    if (at < 0) {
        const std::vector<QWidget*> reachable = Reachable(page);
        for (int i = Position(reachable, focus) - 1; i >= 0 && at < 0; --i)
            at = Position(order, reachable[static_cast<size_t>(i)]);
        between = true;
    }
    // The tab captions close the circle.
    QWidget* bar = tabs_->tabBar();
    const bool withBar = bar->isVisible() && (bar->focusPolicy() & Qt::TabFocus);
    const int count = static_cast<int>(order.size()) + (withBar ? 1 : 0);
    const int step = forward ? at + 1 : (between ? at : at - 1);
    const int next = (step % count + count) % count;
    QWidget* target = next < static_cast<int>(order.size()) ? order[static_cast<size_t>(next)] : bar;
    Enter(target, forward);
    return true;
}

} // namespace tc::gui
