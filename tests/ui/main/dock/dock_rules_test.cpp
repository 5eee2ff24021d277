#include "ui/main/dock/dock_rules.h"
#include "ui/main/dock/scale_rules.h"
#include "ui/main/dock/sliver_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace orvane::dock {
namespace {

constexpr int kScreen = 19200;  // 1280 pixels

WindowDock at(int left, int top, int width = kCalculatorWidth) {
    WindowDock w;
    w.left = left;
    w.top = top;
    w.width = width;
    return w;
}

Strips hidden_top() {
    return {false, true, true};
}
Strips hidden_left() {
    return {true, false, true};
}
Strips hidden_right() {
    return {true, true, false};
}

struct DropCase {
    std::string name;
    WindowDock before;
    int expect_left;
    int expect_top;
    bool expect_docked;
    Strips expect_strips;
};

TEST(DockDrop, SnapsToTheNearestEdgeWithTopFirst) {
    WindowDock free_with_stale_strip = at(3000, 3000);
    free_with_stale_strip.docked = true;
    free_with_stale_strip.strips = hidden_left();
    WindowDock redocked = at(100, 3000);
    redocked.docked = true;
    redocked.strips = hidden_top();
    const int right_limit = kScreen - kCalculatorWidth - kEdgeDistance;  // 12280

    const std::vector<DropCase> cases = {
        {"top-left corner docks at the top", at(100, 100), 100, 0, true, hidden_top()},
        {"exactly 285 from top and left stays free", at(285, 285), 285, 285, false, Strips{}},
        {"one twip short of the top", at(3000, 284), 3000, 0, true, hidden_top()},
        {"one twip short of the left", at(284, 3000), 0, 3000, true, hidden_left()},
        {"partly off the left edge", at(-300, 2000), 0, 2000, true, hidden_left()},
        {"exactly at the right limit stays free", at(right_limit, 2000), right_limit, 2000, false,
         Strips{}},
        {"one past the right limit docks right", at(right_limit + 1, 2000),
         kScreen - kCalculatorWidth, 2000, true, hidden_right()},
        {"far off the right edge", at(18000, 2000), kScreen - kCalculatorWidth, 2000, true,
         hidden_right()},
        {"200 above the bottom of a 10800 screen stays free", at(5000, 4105), 5000, 4105, false,
         Strips{}},
        {"negative top docks at the top", at(5000, -6445), 5000, 0, true, hidden_top()},
        {"top-right corner docks at the top", at(18000, 10), 18000, 0, true, hidden_top()},
        {"free drop keeps stale strips", free_with_stale_strip, 3000, 3000, false, hidden_left()},
        {"re-dock shows the previous edge's strip", redocked, 0, 3000, true, hidden_left()},
        {"expanded window near the right", at(8500, 2000, kExpandedWidth), kScreen - kExpandedWidth,
         2000, true, hidden_right()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowDock after = decide_drop(c.before, kScreen);
        EXPECT_EQ(after.left, c.expect_left);
        EXPECT_EQ(after.top, c.expect_top);
        EXPECT_EQ(after.docked, c.expect_docked);
        EXPECT_EQ(after.strips, c.expect_strips);
        EXPECT_EQ(after.width, c.before.width);
        EXPECT_EQ(after.height, c.before.height);
    }
}

struct ToggleCase {
    std::string name;
    WindowDock before;
    int expect_left;
    int expect_top;
};

WindowDock docked(int left, int top, Strips strips, int width = kCalculatorWidth) {
    WindowDock w = at(left, top, width);
    w.docked = true;
    w.strips = strips;
    return w;
}

TEST(DockToggle, SlidesBetweenShownAndSliver) {
    const int right_shown = kScreen - kCalculatorWidth;  // 12565
    const int right_hidden = kScreen - kSliver;          // 19150
    WindowDock undocked_with_stale_strip = at(4000, 3000);
    undocked_with_stale_strip.strips = hidden_left();

    const std::vector<ToggleCase> cases = {
        {"left shown slides out", docked(0, 3000, hidden_left()), kSliver - kCalculatorWidth, 3000},
        {"left hidden comes back", docked(-6585, 3000, hidden_left()), 0, 3000},
        {"left at -1 counts as hidden", docked(-1, 3000, hidden_left()), 0, 3000},
        {"left moved right of 0 still slides out", docked(40, 3000, hidden_left()),
         kSliver - kCalculatorWidth, 3000},
        {"top shown slides up", docked(4000, 0, hidden_top()), 4000, kSliver - kCalculatorHeight},
        {"top hidden comes back", docked(4000, -6445, hidden_top()), 4000, 0},
        {"right shown slides out", docked(right_shown, 3000, hidden_right()), right_hidden, 3000},
        {"right hidden comes back", docked(right_hidden, 3000, hidden_right()), right_shown, 3000},
        {"right one short of the sliver slides out", docked(right_hidden - 1, 3000, hidden_right()),
         right_hidden, 3000},
        {"expanded does nothing", docked(0, 3000, hidden_left(), kExpandedWidth), 0, 3000},
        {"just below the expanded threshold still slides",
         docked(0, 3000, hidden_left(), kExpandedThreshold - 1), kSliver - kExpandedThreshold + 1,
         3000},
        {"undocked with a hidden strip does nothing", undocked_with_stale_strip, 4000, 3000},
        {"docked with no hidden strip does nothing", docked(100, 200, Strips{}), 100, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowDock after = dock_toggle(c.before, kScreen);
        EXPECT_EQ(after.left, c.expect_left);
        EXPECT_EQ(after.top, c.expect_top);
        EXPECT_EQ(after.docked, c.before.docked);
        EXPECT_EQ(after.strips, c.before.strips);
    }
}

// What stays on the screen of a slid-away window, found by sliding the shown window: the
// sliver must lie flush at the docked edge, 50 twips (3 pixels) thick, along the window.
TEST(Sliver, LiesAtTheDockedEdgeAfterTheSlide) {
    struct Case {
        std::string name;
        WindowDock shown;
        Area twips;
        Area px;
    };
    const int w = twips_from_px(442);  // the window as the server sizes it: 6630
    const int h = twips_from_px(433);
    const std::vector<Case> cases = {
        {"left", docked(0, 3000, hidden_left(), w), {0, 3000, 50, h}, {0, 200, 3, 433}},
        {"top", docked(4005, 0, hidden_top(), w), {4005, 0, w, 50}, {267, 0, 442, 3}},
        {"right",
         docked(kScreen - w, 2745, hidden_right(), w),
         {kScreen - 50, 2745, 50, h},
         {1277, 183, 3, 433}},
    };
    for (auto c : cases) {
        SCOPED_TRACE(c.name);
        c.shown.height = h;
        EXPECT_FALSE(slid_away(c.shown, kScreen));
        const WindowDock hidden = dock_toggle(c.shown, kScreen);
        EXPECT_TRUE(slid_away(hidden, kScreen));
        EXPECT_EQ(sliver_twips(hidden, kScreen), c.twips);
        EXPECT_EQ(sliver_px(hidden, kScreen), c.px);
        // The pixel sliver is the window's own pixels there: it starts inside the window.
        const Area px = sliver_px(hidden, kScreen);
        EXPECT_GE(px.left, px_from_twips(hidden.left));
        EXPECT_LE(px.left + px.width, px_from_twips(hidden.left + hidden.width));
    }
    EXPECT_TRUE(sliver_twips(at(-7000, 0), kScreen).empty());
}

TEST(DockToggle, AppliesOnlyWhenDockedAndNotExpanded) {
    struct Case {
        bool docked;
        int width;
        bool applies;
    };
    const std::vector<Case> cases = {
        {true, kCalculatorWidth, true},    {true, kExpandedThreshold - 1, true},
        {true, kExpandedThreshold, false}, {true, kExpandedWidth, false},
        {false, kCalculatorWidth, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.docked) + " " + std::to_string(c.width));
        WindowDock w = at(0, 0, c.width);
        w.docked = c.docked;
        w.strips = hidden_left();
        EXPECT_EQ(toggle_applies(w), c.applies);
    }
}

TEST(DockToggle, TwoTogglesReturnToTheShownPlace) {
    for (const WindowDock& shown : {docked(0, 2000, hidden_left()), docked(3000, 0, hidden_top()),
                                    docked(kScreen - kCalculatorWidth, 2000, hidden_right())}) {
        const WindowDock hidden = dock_toggle(shown, kScreen);
        EXPECT_NE(hidden, shown);
        EXPECT_EQ(dock_toggle(hidden, kScreen), shown);
    }
}

TEST(DockDrop, ClickOnTheTopSliverSnapsBack) {
    // Hidden at the top, pressed and released on the sliver without moving.
    const WindowDock after =
        decide_drop(docked(4000, 50 - kCalculatorHeight, hidden_top()), kScreen);
    EXPECT_EQ(after.top, 0);
    EXPECT_TRUE(after.docked);
    EXPECT_EQ(after.strips, hidden_top());
}

struct HelpCase {
    std::string name;
    WindowDock before;
    HelpGeometry expect;
};

TEST(HelpToggle, WidthAndRightEdgeRule) {
    const std::vector<HelpCase> cases = {
        {"free window opens to the right", at(3000, 2000), {3000, kExpandedWidth, true}},
        {"open window closes", at(3000, 2000, kExpandedWidth), {3000, kCalculatorWidth, false}},
        {"10000 counts as open",
         at(3000, 2000, kExpandedThreshold),
         {3000, kCalculatorWidth, false}},
        {"9999 counts as closed",
         at(3000, 2000, kExpandedThreshold - 1),
         {3000, kExpandedWidth, true}},
        {"left dock keeps left 0", docked(0, 2000, hidden_left()), {0, kExpandedWidth, true}},
        {"left dock hidden keeps its left",
         docked(-6585, 2000, hidden_left()),
         {-6585, kExpandedWidth, true}},
        {"right dock hidden opens flush right",
         docked(kScreen - kSliver, 2000, hidden_right()),
         {kScreen - kExpandedWidth, kExpandedWidth, true}},
        {"right dock open closes flush right",
         docked(kScreen - kExpandedWidth, 2000, hidden_right(), kExpandedWidth),
         {kScreen - kCalculatorWidth, kCalculatorWidth, false}},
        {"stale right strip without the flag runs past the edge",
         [] {
             WindowDock w = at(12000, 2000);
             w.strips = hidden_right();
             return w;
         }(),
         {12000, kExpandedWidth, true}},
        {"top dock keeps its left", docked(15000, 0, hidden_top()), {15000, kExpandedWidth, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(toggle_help(c.before, kScreen), c.expect);
    }
}

TEST(RestoreShape, KeepsOnlyTheTwoShapes) {
    struct Case {
        std::string name;
        ShapeInput in;
        bool act;
        bool borderless;
    };
    const std::vector<Case> cases = {
        {"expanded width is left alone", {kExpandedWidth, false, false, false}, false, false},
        {"minimised is left alone", {kCalculatorWidth, true, false, true}, false, false},
        {"maximised is left alone", {kCalculatorWidth, false, true, false}, false, false},
        {"restored from the strip", {kCalculatorWidth, false, false, true}, true, true},
        {"odd width is reset", {8000, false, false, false}, true, false},
        {"width 10469 is reset", {kExpandedWidth - 1, false, false, false}, true, false},
        {"width 10471 is reset", {kExpandedWidth + 1, false, false, true}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ShapeAction a = restore_shape(c.in);
        EXPECT_EQ(a.act, c.act);
        EXPECT_EQ(a.make_borderless, c.borderless);
        if (c.act) {
            EXPECT_TRUE(a.clear_caption);
            EXPECT_EQ(a.width, kCalculatorWidth);
            EXPECT_EQ(a.height, kCalculatorHeight);
        }
    }
}

TEST(PixelConversion, RoundsToTheNearestPixelBothWays) {
    struct Case {
        int twips;
        int px;
    };
    const std::vector<Case> cases = {{0, 0},      {7, 0},      {8, 1},        {15, 1},
                                     {6635, 442}, {6495, 433}, {10470, 698},  {50, 3},
                                     {-7, 0},     {-8, -1},    {-6585, -439}, {19150, 1277}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.twips);
        EXPECT_EQ(px_from_twips(c.twips), c.px);
    }
    EXPECT_EQ(twips_from_px(-439), -6585);
}

}  // namespace
}  // namespace orvane::dock

namespace orvane::dock {
namespace {

// At a display scale the window's size goes to device pixels and back, rounded either way each
// time; read back it must still count as the size that was set, for the width rules (help
// panel open exactly at 10470, restored shape) to hold.
TEST(DisplayScale, SizesReadBackCountAsTheSizeSet) {
    const std::vector<double> scales = {1.0, 1.25, 1.5, 1.75, 2.0};
    const std::vector<int> sizes = {kCalculatorWidth, kExpandedWidth};
    using Round = double (*)(double);
    const std::vector<Round> roundings = {[](double v) { return std::floor(v); },
                                          [](double v) { return std::round(v); },
                                          [](double v) { return std::ceil(v); }};
    for (const double scale : scales) {
        for (const int size : sizes) {
            for (const Round to_device : roundings) {
                for (const Round to_logical : roundings) {
                    const double device = to_device(px_from_twips(size) * scale);
                    const int read = twips_from_px(int(to_logical(device / scale)));
                    SCOPED_TRACE(std::to_string(scale) + " " + std::to_string(size) + " read " +
                                 std::to_string(read));
                    EXPECT_EQ(nominal_width(read), size);
                }
            }
        }
        const double height_device = std::floor(px_from_twips(kCalculatorHeight) * scale);
        EXPECT_EQ(nominal_height(twips_from_px(int(std::floor(height_device / scale)))),
                  kCalculatorHeight);
    }
    // Other widths stay what they are, the expanded threshold keeps its meaning.
    EXPECT_EQ(nominal_width(9000), 9000);
    EXPECT_EQ(nominal_width(kCalculatorWidth + 60), kCalculatorWidth + 60);
    EXPECT_EQ(nominal_width(kExpandedThreshold), kExpandedThreshold);
}

}  // namespace
}  // namespace orvane::dock
