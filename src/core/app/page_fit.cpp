// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/page_fit.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "context/tab_frame.h"

namespace tc {

namespace {

// A memo narrower or lower than this shows too little of a solution to read.
constexpr int kMemoMinWidth = 300;
constexpr int kMemoMinHeight = 96;
// Between the memo and a row of buttons moved under it.
constexpr int kGap = 6;
// A widget this close to its group box's right edge fills the box.
constexpr int kFillMargin = 8;

int Right(const Rect& r) {
    return r.x + r.w;
}
int Bottom(const Rect& r) {
    return r.y + r.h;
}
bool Contains(const Rect& outer, const Rect& inner) {
    return inner.x >= outer.x && inner.y >= outer.y && Right(inner) <= Right(outer) &&
           Bottom(inner) <= Bottom(outer);
}

// What each child of a page does when the page changes its size.
enum class Role {
    Fixed,     // inputs and results keep their place
    Memo,      // the memo, and the group boxes drawn round it alone
    Frame,     // a group box round the memo and the rest of the page: it follows the page's edges
    Row,       // the buttons under the inputs (and a group box round them): under the memo when short
    UnderMemo, // buttons below the memo: they follow its bottom right corner
    Corner,    // buttons above the memo: they keep to the right edge
    Band,      // a box of grids above the memo, in its column: it takes the memo's width
};

// One page's parts, read from its design.
struct Plan {
    const Widget* memo = nullptr;
    std::vector<std::pair<const Widget*, Role>> roles;
    Rect column; // the memo with its group boxes
    Rect row;    // the row of buttons under the inputs; empty when there is none
    bool hasRow = false;

    Role roleOf(const Widget* w) const {
        for (const auto& [widget, role] : roles)
            if (widget == w) return role;
        return Role::Fixed;
    }
    // The frame round the page that holds `w` directly, or null.
    const Widget* frameOf(const WidgetTree& tree, const Widget& w) const {
        const Widget* parent = w.parent().empty() ? nullptr : tree.find(w.parent());
        return parent && roleOf(parent) == Role::Frame ? parent : nullptr;
    }
    // `w`'s rect in the page's coordinates (a page's child, or a frame's).
    Rect onPage(const WidgetTree& tree, const Widget& w) const {
        Rect r = w.geometry;
        if (const Widget* frame = frameOf(tree, w)) {
            r.x += frame->geometry.x;
            r.y += frame->geometry.y;
        }
        return r;
    }
};

Rect Union(const Rect& a, const Rect& b) {
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(Right(a), Right(b)) - x, std::max(Bottom(a), Bottom(b)) - y};
}

// A group box that holds nothing but grids as wide as itself: a grid scrolls
// what it cannot show, so the box may take any width.
bool HoldsOnlyFillingGrids(const WidgetTree& tree, const Widget& box) {
    bool any = false;
    for (const Widget* w : tree.all()) {
        if (w->parent() != box.name()) continue;
        if (w->kind() != WidgetKind::Grid || box.geometry.w - Right(w->geometry) > kFillMargin) return false;
        any = true;
    }
    return any;
}

std::optional<Plan> PlanOf(const WidgetTree& tree, const std::string& page) {
    const std::optional<TabFrameNames> names = FindTabFrame(tree, page);
    if (!names) return std::nullopt;
    Plan plan;
    plan.memo = &tree.get(names->memo);
    const Rect memo = plan.memo->geometry;
    std::vector<const Widget*> buttons = {&tree.get(names->compute), &tree.get(names->save),
                                          &tree.get(names->exit)};
    plan.column = memo;
    plan.roles.emplace_back(plan.memo, Role::Memo);
    for (const Widget* b : buttons) {
        const Rect r = b->geometry;
        Role role = Role::Corner;
        if (Right(r) <= memo.x && r.y >= memo.y) role = Role::Row;
        else if (r.y >= Bottom(memo)) role = Role::UnderMemo;
        plan.roles.emplace_back(b, role);
        if (role == Role::Row) {
            plan.row = plan.hasRow ? Union(plan.row, r) : r;
            plan.hasRow = true;
        }
    }
    for (const Widget* w : tree.all()) {
        // The page's group boxes, and those inside a frame round the whole
        // page (in page coordinates).
        const Widget* frame = plan.frameOf(tree, *w);
        if ((w->parent() != page && !frame) || w->kind() != WidgetKind::GroupBox) continue;
        const Rect r = plan.onPage(tree, *w);
        const bool aroundMemo = Contains(r, memo);
        const bool aroundButton = std::any_of(buttons.begin(), buttons.end(),
                                              [&r](const Widget* b) { return Contains(r, b->geometry); });
        if (aroundMemo && aroundButton) {
            plan.roles.emplace_back(w, Role::Frame);
        } else if (aroundMemo) {
            plan.roles.emplace_back(w, Role::Memo);
            plan.column = Union(plan.column, r);
        } else if (aroundButton && plan.hasRow) {
            plan.roles.emplace_back(w, Role::Row);
            plan.row = Union(plan.row, r);
        } else if (!aroundButton && r.x >= memo.x && Right(r) <= Right(memo) && Bottom(r) <= memo.y &&
                   HoldsOnlyFillingGrids(tree, *w)) {
            plan.roles.emplace_back(w, Role::Band);
        }
    }
    return plan;
}

// The rect of a widget of `role` with the page grown by dw, dh (negative: shrunk).
Rect Place(const Plan& plan, Role role, Rect r, int dw, int dh) {
    const bool docked = plan.hasRow && dh < 0;
    // Moving the row under the memo costs the memo the row's height.
    const int rowCost = docked ? Bottom(plan.column) - plan.row.y + kGap : 0;
    switch (role) {
    case Role::Fixed: return r;
    case Role::Memo: return {r.x, r.y, r.w + dw, r.h + dh - rowCost};
    case Role::Frame: return {r.x, r.y, r.w + dw, r.h + dh};
    case Role::UnderMemo: return {r.x + dw, r.y + dh, r.w, r.h};
    case Role::Corner: return {r.x + dw, r.y, r.w, r.h};
    case Role::Band: return {r.x, r.y, r.w + dw, r.h};
    case Role::Row: {
        if (!docked) return {r.x, r.y + dh, r.w, r.h};
        // Under the memo's column, as wide as the column allows.
        const int room = plan.column.w + dw;
        const double scale = plan.row.w > room ? double(room) / plan.row.w : 1.0;
        const int left = static_cast<int>((r.x - plan.row.x) * scale);
        const int right = static_cast<int>((Right(r) - plan.row.x) * scale);
        return {plan.column.x + left, r.y + dh, right - left, r.h};
    }
    }
    return r;
}

} // namespace

const Widget* PageOf(const WidgetTree& tree, const Widget& w) {
    const Widget* at = &w;
    while (at && at->kind() != WidgetKind::Page)
        at = at->parent().empty() ? nullptr : tree.find(at->parent());
    return at;
}

PageSize SmallestPage(const WidgetTree& tree, const std::string& page) {
    const std::optional<Plan> plan = PlanOf(tree, page);
    if (!plan) return {kPageWidth, kPageHeight};
    // Everything that keeps its place must stay whole.
    int right = 0, bottom = 0;
    for (const Widget* w : tree.all()) {
        if ((w->parent() != page && !plan->frameOf(tree, *w)) || plan->roleOf(w) != Role::Fixed) continue;
        const Rect r = plan->onPage(tree, *w);
        right = std::max(right, Right(r));
        bottom = std::max(bottom, Bottom(r));
    }
    const Rect memo = plan->memo->geometry;
    const int rowCost = plan->hasRow ? Bottom(plan->column) - plan->row.y + kGap : 0;
    // The memo may lose what it has above its least height, and the buttons under it too.
    const int lowest = kPageHeight - (memo.h - rowCost - kMemoMinHeight);
    const int narrowest = kPageWidth - (memo.w - kMemoMinWidth);
    PageSize least{std::max(narrowest, right + 4), std::max(lowest, bottom + 4)};
    // A page already smaller than the least reckoned keeps its design.
    least.w = std::min(least.w, kPageWidth);
    least.h = std::min(least.h, kPageHeight);
    return least;
}

Rect PlacedOnPage(const WidgetTree& tree, const Widget& w, PageSize size) {
    // Only the page's own children move; what lies inside a group box moves
    // with it, and what fills a widening group box widens with it.
    if (size.w == kPageWidth && size.h == kPageHeight) return w.geometry;
    const Widget* parent = w.parent().empty() ? nullptr : tree.find(w.parent());
    if (!parent) return w.geometry;
    const bool onPage = parent->kind() == WidgetKind::Page;
    const Widget* page = onPage ? parent : tree.find(parent->parent());
    if (!page || page->kind() != WidgetKind::Page) return w.geometry;
    const std::optional<Plan> plan = PlanOf(tree, page->name());
    if (!plan) return w.geometry;
    const PageSize least = SmallestPage(tree, page->name());
    const int dw = std::max(size.w, least.w) - kPageWidth;
    const int dh = std::max(size.h, least.h) - kPageHeight;
    if (onPage) return Place(*plan, plan->roleOf(&w), w.geometry, dw, dh);
    if (plan->frameOf(tree, w)) {
        const Rect shown = plan->onPage(tree, w);
        const Rect placed = Place(*plan, plan->roleOf(&w), shown, dw, dh);
        return {placed.x - (shown.x - w.geometry.x), placed.y - (shown.y - w.geometry.y), placed.w, placed.h};
    }
    Rect r = w.geometry;
    if (plan->roleOf(parent) == Role::Band && parent->geometry.w - Right(r) <= kFillMargin) r.w += dw;
    return r;
}

} // namespace tc
