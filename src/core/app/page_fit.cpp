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

} // namespace

// One page's parts, read from its design.
struct PageFitter::Plan {
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

    const Widget* memo = nullptr;
    std::vector<std::pair<const Widget*, Role>> roles;
    std::vector<const Widget*> frames; // the group boxes of role Frame, few or none
    Rect column; // the memo with its group boxes
    Rect row;    // the row of buttons under the inputs; empty when there is none
    bool hasRow = false;

    void add(const Widget* w, Role role) {
        roles.emplace_back(w, role);
        if (role == Role::Frame) frames.push_back(w);
    }
    Role roleOf(const Widget* w) const {
        for (const auto& [widget, role] : roles)
            if (widget == w) return role;
        return Role::Fixed;
    }
    // The frame round the page that holds `w` directly, or null.
    const Widget* frameOf(const Widget& w) const {
        for (const Widget* frame : frames)
            if (w.parent() == frame->name()) return frame;
        return nullptr;
    }
    // `w`'s rect in the page's coordinates (a page's child, or a frame's).
    Rect onPage(const Widget& w) const {
        Rect r = w.geometry;
        if (const Widget* frame = frameOf(w)) {
            r.x += frame->geometry.x;
            r.y += frame->geometry.y;
        }
        return r;
    }
};

namespace {

using Plan = PageFitter::Plan;
using Role = Plan::Role;

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
    plan.add(plan.memo, Role::Memo);
    for (const Widget* b : buttons) {
        const Rect r = b->geometry;
        Role role = Role::Corner;
        if (Right(r) <= memo.x && r.y >= memo.y) role = Role::Row;
        else if (r.y >= Bottom(memo)) role = Role::UnderMemo;
        plan.add(b, role);
        if (role == Role::Row) {
            plan.row = plan.hasRow ? Union(plan.row, r) : r;
            plan.hasRow = true;
        }
    }
    for (const Widget* w : tree.all()) {
        // The page's group boxes, and those inside a frame round the whole
        // page (in page coordinates).
        const Widget* frame = plan.frameOf(*w);
        if ((w->parent() != page && !frame) || w->kind() != WidgetKind::GroupBox) continue;
        const Rect r = plan.onPage(*w);
        const bool aroundMemo = Contains(r, memo);
        const bool aroundButton = std::any_of(buttons.begin(), buttons.end(),
                                              [&r](const Widget* b) { return Contains(r, b->geometry); });
        if (aroundMemo && aroundButton) {
            plan.add(w, Role::Frame);
        } else if (aroundMemo) {
            plan.add(w, Role::Memo);
            plan.column = Union(plan.column, r);
        } else if (aroundButton && plan.hasRow) {
            plan.add(w, Role::Row);
            plan.row = Union(plan.row, r);
        } else if (!aroundButton && r.x >= memo.x && Right(r) <= Right(memo) && Bottom(r) <= memo.y &&
                   HoldsOnlyFillingGrids(tree, *w)) {
            plan.add(w, Role::Band);
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

namespace {

// The smallest page that `plan` lets stay whole.
PageSize LeastOf(const WidgetTree& tree, const std::string& page, const Plan& plan) {
    // Everything that keeps its place must stay whole.
    int right = 0, bottom = 0;
    for (const Widget* w : tree.all()) {
        if ((w->parent() != page && !plan.frameOf(*w)) || plan.roleOf(w) != Role::Fixed) continue;
        const Rect r = plan.onPage(*w);
        right = std::max(right, Right(r));
        bottom = std::max(bottom, Bottom(r));
    }
    const Rect memo = plan.memo->geometry;
    const int rowCost = plan.hasRow ? Bottom(plan.column) - plan.row.y + kGap : 0;
    // The memo may lose what it has above its least height, and the buttons under it too.
    const int lowest = kPageHeight - (memo.h - rowCost - kMemoMinHeight);
    const int narrowest = kPageWidth - (memo.w - kMemoMinWidth);
    PageSize least{std::max(narrowest, right + 4), std::max(lowest, bottom + 4)};
    // A page already smaller than the least reckoned keeps its design.
    least.w = std::min(least.w, kPageWidth);
    least.h = std::min(least.h, kPageHeight);
    return least;
}

} // namespace

PageFitter::PageFitter(const WidgetTree& tree, const std::string& page)
    : tree_(&tree), page_(page), least_{kPageWidth, kPageHeight} {
    if (std::optional<Plan> plan = PlanOf(tree, page)) {
        least_ = LeastOf(tree, page, *plan);
        plan_ = std::make_shared<const Plan>(std::move(*plan));
    }
}

Rect PageFitter::placed(const Widget& w, PageSize size) const {
    // Only the page's own children move; what lies inside a group box moves
    // with it, and what fills a widening group box widens with it.
    if (!plan_ || (size.w == kPageWidth && size.h == kPageHeight) || w.parent().empty()) return w.geometry;
    const bool onPage = w.parent() == page_;
    const Widget* parent = onPage ? nullptr : tree_->find(w.parent());
    if (!onPage && (!parent || parent->parent() != page_)) return w.geometry;
    const int dw = std::max(size.w, least_.w) - kPageWidth;
    const int dh = std::max(size.h, least_.h) - kPageHeight;
    if (onPage) return Place(*plan_, plan_->roleOf(&w), w.geometry, dw, dh);
    if (plan_->frameOf(w)) {
        const Rect shown = plan_->onPage(w);
        const Rect placed = Place(*plan_, plan_->roleOf(&w), shown, dw, dh);
        return {placed.x - (shown.x - w.geometry.x), placed.y - (shown.y - w.geometry.y), placed.w, placed.h};
    }
    Rect r = w.geometry;
    if (plan_->roleOf(parent) == Role::Band && parent->geometry.w - Right(r) <= kFillMargin) r.w += dw;
    return r;
}

PageSize SmallestPage(const WidgetTree& tree, const std::string& page) {
    return PageFitter(tree, page).smallest();
}

Rect PlacedOnPage(const WidgetTree& tree, const Widget& w, PageSize size) {
    if (size.w == kPageWidth && size.h == kPageHeight) return w.geometry;
    const Widget* parent = w.parent().empty() ? nullptr : tree.find(w.parent());
    if (!parent) return w.geometry;
    const Widget* page = parent->kind() == WidgetKind::Page ? parent : tree.find(parent->parent());
    if (!page || page->kind() != WidgetKind::Page) return w.geometry;
    return PageFitter(tree, page->name()).placed(w, size);
}

} // namespace tc
