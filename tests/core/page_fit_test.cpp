// SPDX-License-Identifier: GPL-3.0-or-later
// A tab at other sizes than designed: the memo takes what the page gains or
// loses, and every other control stays whole, on the page and clear of the rest.

#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

#include "app/page_fit.h"
#include "context/tab_frame.h"
#include "window_test_support.h"

namespace tc {
namespace {

bool Overlap(const Rect& a, const Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

class PageFit : public ::testing::TestWithParam<const char*> {
protected:
    test::StartedWindow started;
    const WidgetTree& tree() const { return started.window.widgets(); }
    // The page's own controls (group boxes are frames behind them) at `size`.
    std::vector<std::pair<const Widget*, Rect>> controls(PageSize size) const {
        std::vector<std::pair<const Widget*, Rect>> found;
        for (const Widget* w : tree().all())
            if (w->parent() == GetParam() && w->kind() != WidgetKind::GroupBox)
                found.emplace_back(w, PlacedOnPage(tree(), *w, size));
        return found;
    }
};

TEST_P(PageFit, keeps_every_control_whole_and_apart_down_to_its_least_size) {
    const PageSize least = SmallestPage(tree(), GetParam());
    for (const PageSize size : {least, PageSize{kPageWidth, kPageHeight}, PageSize{least.w, kPageHeight},
                                PageSize{1500, 900}}) {
        const auto placed = controls(size);
        for (size_t i = 0; i < placed.size(); ++i) {
            const Rect r = placed[i].second;
            SCOPED_TRACE(placed[i].first->name() + " at " + std::to_string(size.w) + "x" + std::to_string(size.h));
            EXPECT_GE(r.x, 0);
            EXPECT_GE(r.y, 0);
            EXPECT_LE(r.x + r.w, size.w);
            EXPECT_LE(r.y + r.h, size.h);
            // Controls that share a place by design take turns to show.
            for (size_t j = i + 1; j < placed.size(); ++j)
                if (!Overlap(placed[i].first->geometry, placed[j].first->geometry)) {
                    EXPECT_FALSE(Overlap(r, placed[j].second)) << "with " << placed[j].first->name();
                }
        }
    }
}

TEST_P(PageFit, gives_the_memo_what_the_page_gains) {
    const auto frame = FindTabFrame(tree(), GetParam());
    ASSERT_TRUE(frame);
    const Widget& memo = tree().get(frame->memo);
    const Rect grown = PlacedOnPage(tree(), memo, {kPageWidth + 300, kPageHeight + 200});
    EXPECT_EQ(grown.w, memo.geometry.w + 300);
    EXPECT_EQ(grown.h, memo.geometry.h + 200);
}

// The view keeps one fitter per page for a whole pass over its widgets: it
// places every widget of the page, however deep, as a fresh reckoning does,
// at any size, and leaves the widgets of other pages alone.
TEST_P(PageFit, one_fitter_places_every_widget_as_a_fresh_reckoning_does) {
    const PageFitter fitter(tree(), GetParam());
    EXPECT_EQ(fitter.smallest().w, SmallestPage(tree(), GetParam()).w);
    EXPECT_EQ(fitter.smallest().h, SmallestPage(tree(), GetParam()).h);
    for (const PageSize size : {fitter.smallest(), PageSize{1500, 900}, PageSize{kPageWidth, 400}}) {
        for (const Widget* w : tree().all()) {
            const Widget* page = PageOf(tree(), *w);
            if (!page || page == w) continue;
            const bool ours = page->name() == GetParam();
            const Rect fresh = ours ? PlacedOnPage(tree(), *w, size) : w->geometry;
            const Rect kept = fitter.placed(*w, size);
            SCOPED_TRACE(w->name() + " at " + std::to_string(size.w) + "x" + std::to_string(size.h));
            EXPECT_EQ(std::tie(kept.x, kept.y, kept.w, kept.h), std::tie(fresh.x, fresh.y, fresh.w, fresh.h));
        }
    }
}

// The small screens a student's laptop has, at the scale its desktop sets:
// the page's least size must leave room for the window's title bar, borders,
// menu and tab bar (about 16 x 90 pixels of the window's own scale).
struct Screen {
    int w, h;
    double scale;
};

void ExpectFits(const PageSize least, const Screen& screen) {
    EXPECT_LE(least.w, static_cast<int>(screen.w / screen.scale) - 16);
    EXPECT_LE(least.h, static_cast<int>(screen.h / screen.scale) - 90);
}

class LaptopAt125 : public PageFit {};
TEST_P(LaptopAt125, needs_no_scrolling_on_1366x768) {
    ExpectFits(SmallestPage(tree(), GetParam()), {1366, 768, 1.25});
}

class LaptopAt2 : public PageFit {};
TEST_P(LaptopAt2, needs_no_scrolling_on_1600x1000) {
    ExpectFits(SmallestPage(tree(), GetParam()), {1600, 1000, 2.0});
}

const char* const kEveryPage[] = {"Vector", "Matrix", "T4", "TabSheet4", "TabSheet5", "Eq", "Gs", "Sp"};
INSTANTIATE_TEST_SUITE_P(EveryTab, PageFit, ::testing::ValuesIn(kEveryPage));
INSTANTIATE_TEST_SUITE_P(EveryTab, LaptopAt125, ::testing::ValuesIn(kEveryPage));
INSTANTIATE_TEST_SUITE_P(EveryTab, LaptopAt2, ::testing::ValuesIn(kEveryPage));

} // namespace
} // namespace tc
