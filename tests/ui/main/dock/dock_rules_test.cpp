#include "ui/main/dock/dock_rules.h"
#include "ui/main/dock/monitor_rules.h"
#include "ui/main/dock/scale_rules.h"
#include "ui/main/dock/sliver_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace orvane::dock {
namespace {

constexpr int kScreen = 19200;  // 1280 pixels
const DockFrame kWhole = whole_screen(kScreen);

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
        const WindowDock after = decide_drop(c.before, kWhole);
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
        const WindowDock after = dock_toggle(c.before, kWhole);
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
        EXPECT_FALSE(slid_away(c.shown, kWhole));
        const WindowDock hidden = dock_toggle(c.shown, kWhole);
        EXPECT_TRUE(slid_away(hidden, kWhole));
        EXPECT_EQ(sliver_twips(hidden, kWhole), c.twips);
        EXPECT_EQ(sliver_px(hidden, kWhole), c.px);
        // The pixel sliver is the window's own pixels there: it starts inside the window.
        const Area px = sliver_px(hidden, kWhole);
        EXPECT_GE(px.left, px_from_twips(hidden.left));
        EXPECT_LE(px.left + px.width, px_from_twips(hidden.left + hidden.width));
    }
    EXPECT_TRUE(sliver_twips(at(-7000, 0), kWhole).empty());
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
        const WindowDock hidden = dock_toggle(shown, kWhole);
        EXPECT_NE(hidden, shown);
        EXPECT_EQ(dock_toggle(hidden, kWhole), shown);
    }
}

TEST(DockDrop, ClickOnTheTopSliverSnapsBack) {
    // Hidden at the top, pressed and released on the sliver without moving.
    const WindowDock after =
        decide_drop(docked(4000, 50 - kCalculatorHeight, hidden_top()), kWhole);
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
        EXPECT_EQ(toggle_help(c.before, kWhole), c.expect);
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

namespace orvane::dock {
namespace {

// Monitor layouts in pixels as xrandr sets them up, converted to twips.
Area mon(int left, int top, int width, int height) {
    return {twips_from_px(left), twips_from_px(top), twips_from_px(width), twips_from_px(height)};
}
const std::vector<Area> kOne = {mon(0, 0, 1280, 800)};
const std::vector<Area> kSideBySide = {mon(0, 0, 1920, 1080), mon(1920, 0, 1920, 1080)};
// The primary monitor on the right, listed first, the secondary on its left.
const std::vector<Area> kSecondaryLeft = {mon(1920, 0, 1920, 1080), mon(0, 0, 1920, 1080)};
const std::vector<Area> kStacked = {mon(0, 0, 1920, 1080), mon(0, 1080, 1920, 1080)};
const std::vector<Area> kThree = {mon(0, 0, 1920, 1080), mon(1920, 0, 1920, 1080),
                                  mon(3840, 0, 1280, 1024)};
// A lower monitor on the right: the left one's right edge below 720 borders nothing.
const std::vector<Area> kUneven = {mon(0, 0, 1920, 1080), mon(1920, 0, 1280, 720)};

WindowDock at_px(int left, int top) {
    return at(twips_from_px(left), twips_from_px(top));
}

int tw(int px) {
    return twips_from_px(px);
}

TEST(Monitors, TheWindowIsOnTheMonitorOfItsCentreElseOfMostOverlapElseTheNearest) {
    struct Case {
        std::string name;
        std::vector<Area> monitors;
        WindowDock window;
        std::size_t expect;
    };
    const std::vector<Case> cases = {
        {"on the second of two", kSideBySide, at_px(2500, 300), 1},
        {"straddling, centre on the left one", kSideBySide, at_px(1600, 300), 0},
        {"straddling, centre on the right one", kSideBySide, at_px(1800, 300), 1},
        {"centre above the desktop, overlapping the right one", kSideBySide, at_px(2500, -300), 1},
        {"wholly beyond the right edge: the nearest", kSideBySide, at_px(4000, 300), 1},
        {"wholly above the left one", kSideBySide, at_px(100, -1000), 0},
        {"on the lower of two stacked", kStacked, at_px(100, 1300), 1},
        {"secondary on the left, listed second", kSecondaryLeft, at_px(100, 300), 1},
        {"on the third", kThree, at_px(4000, 300), 2},
        {"below the short third: nearest is the third", kThree, at_px(4200, 1100), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(monitor_of(c.window.area(), c.monitors), std::optional(c.expect));
    }
    EXPECT_EQ(monitor_of(at(0, 0).area(), {}), std::nullopt);
}

TEST(Monitors, DropsDockOnlyAtEdgesOfTheWholeDesktop) {
    struct Case {
        std::string name;
        std::vector<Area> monitors;
        WindowDock before;
        int expect_left;
        int expect_top;
        bool expect_docked;
        Strips expect_strips;
    };
    const std::vector<Case> cases = {
        {"free on the second monitor", kSideBySide, at_px(2500, 300), tw(2500), tw(300), false, {}},
        {"right edge of the second", kSideBySide, at_px(3388, 300), tw(3840) - kCalculatorWidth,
         tw(300), true, hidden_right()},
        {"top of the second", kSideBySide, at_px(2500, 8), tw(2500), 0, true, hidden_top()},
        {"at the shared edge, left side",
         kSideBySide,
         at_px(1470, 300),
         tw(1470),
         tw(300),
         false,
         {}},
        {"across the shared edge", kSideBySide, at_px(1800, 300), tw(1800), tw(300), false, {}},
        {"left edge of the first", kSideBySide, at_px(10, 300), 0, tw(300), true, hidden_left()},
        {"secondary on the left: its left edge", kSecondaryLeft, at_px(10, 300), 0, tw(300), true,
         hidden_left()},
        {"secondary on the left: the primary's left edge is shared",
         kSecondaryLeft,
         at_px(1925, 300),
         tw(1925),
         tw(300),
         false,
         {}},
        {"secondary on the left: the primary's right edge", kSecondaryLeft, at_px(3388, 300),
         tw(3840) - kCalculatorWidth, tw(300), true, hidden_right()},
        {"stacked: the lower one's top is shared",
         kStacked,
         at_px(500, 1090),
         tw(500),
         tw(1090),
         false,
         {}},
        {"stacked: the upper one's top", kStacked, at_px(500, 8), tw(500), 0, true, hidden_top()},
        {"stacked: the lower one's left", kStacked, at_px(10, 1500), 0, tw(1500), true,
         hidden_left()},
        {"three: the middle one's right edge is shared",
         kThree,
         at_px(3388, 300),
         tw(3388),
         tw(300),
         false,
         {}},
        {"three: the third one's right edge", kThree, at_px(4670, 300), tw(5120) - kCalculatorWidth,
         tw(300), true, hidden_right()},
        {"three: the third one's top", kThree, at_px(4000, 10), tw(4000), 0, true, hidden_top()},
        {"uneven: the right edge beside nothing docks", kUneven, at_px(1470, 800),
         tw(1920) - kCalculatorWidth, tw(800), true, hidden_right()},
        {"uneven: the right edge beside the other is shared",
         kUneven,
         at_px(1470, 100),
         tw(1470),
         tw(100),
         false,
         {}},
        {"one monitor: its right edge", kOne, at_px(830, 300), tw(1280) - kCalculatorWidth, tw(300),
         true, hidden_right()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowDock after = decide_drop(c.before, frame_for(c.before, c.monitors));
        EXPECT_EQ(after.left, c.expect_left);
        EXPECT_EQ(after.top, c.expect_top);
        EXPECT_EQ(after.docked, c.expect_docked);
        EXPECT_EQ(after.strips, c.expect_strips);
    }
}

// Slid away on any monitor, the sliver lies on that monitor where the pointer can reach it, and
// touching it brings the window back where it was shown.
TEST(Monitors, TheSliverLiesOnTheWindowsMonitor) {
    struct Case {
        std::string name;
        std::vector<Area> monitors;
        WindowDock drop;
        Area px;
    };
    const int h = twips_from_px(433);
    const std::vector<Case> cases = {
        {"top of the second", kSideBySide, at_px(2500, 8), {2500, 0, 442, 3}},
        {"right of the second", kSideBySide, at_px(3388, 300), {3837, 300, 3, 433}},
        {"left of the secondary on the left", kSecondaryLeft, at_px(10, 300), {0, 300, 3, 433}},
        {"top of the primary right of the secondary",
         kSecondaryLeft,
         at_px(2500, 8),
         {2500, 0, 442, 3}},
        {"top, reaching across the shared edge", kSideBySide, at_px(1800, 8), {1920, 0, 322, 3}},
        {"left of the lower stacked one", kStacked, at_px(10, 1500), {0, 1500, 3, 433}},
        {"right of the third", kThree, at_px(4670, 300), {5117, 300, 3, 433}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WindowDock drop = c.drop;
        drop.height = h;
        const WindowDock shown = decide_drop(drop, frame_for(drop, c.monitors));
        ASSERT_TRUE(shown.docked);
        const DockFrame frame = frame_for(shown, c.monitors);
        const WindowDock hidden = dock_toggle(shown, frame);
        EXPECT_TRUE(slid_away(hidden, frame));
        EXPECT_FALSE(slid_away(shown, frame));
        EXPECT_EQ(sliver_px(hidden, frame), c.px);
        EXPECT_EQ(dock_toggle(hidden, frame_for(hidden, c.monitors)), shown);
    }
}

TEST(Monitors, AfterAScreenChangeTheWindowEndsOnAVisibleMonitor) {
    struct Case {
        std::string name;
        std::vector<Area> monitors;  // after the change
        WindowDock before;
        int expect_left;
        int expect_top;
    };
    const int w = kCalculatorWidth;
    const int h = kCalculatorHeight;
    const std::vector<Case> cases = {
        {"free on a monitor that went", kOne, at_px(2500, 300), tw(1280) - w, tw(300)},
        {"free, half off the bottom",
         {mon(0, 0, 1920, 1080)},
         at_px(500, 900),
         tw(500),
         tw(1080) - h},
        {"free, mostly visible, stays", {mon(0, 0, 1920, 1080)}, at_px(500, 700), tw(500), tw(700)},
        {"free, partly beyond a shared edge, stays", kSideBySide, at_px(1800, 300), tw(1800),
         tw(300)},
        {"docked right of a monitor that went", kOne, docked(tw(3840) - w, tw(300), hidden_right()),
         tw(1280) - w, tw(300)},
        {"slid away at the right, the screen shrank", kOne,
         docked(tw(1917), tw(600), hidden_right()), tw(1280) - w, tw(800) - h},
        {"slid away at the top of a monitor that went",
         {mon(0, 0, 1920, 1080)},
         docked(tw(2500), kSliver - h, hidden_top()),
         tw(1920) - w,
         0},
        {"docked left, unaffected", kSideBySide, docked(0, tw(300), hidden_left()), 0, tw(300)},
        {"slid away at the left comes back shown", kSideBySide,
         docked(kSliver - w, tw(300), hidden_left()), 0, tw(300)},
        {"docked right of the left one, a monitor added beside it", kSideBySide,
         docked(tw(1920) - w, tw(300), hidden_right()), tw(3840) - w, tw(300)},
        {"stacked, the upper one went: the lower one's top",
         {mon(0, 1080, 1920, 1080)},
         docked(tw(500), 0, hidden_top()),
         tw(500),
         tw(1080)},
        {"no monitors: unchanged", {}, at_px(5000, 5000), tw(5000), tw(5000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowDock after = place_on_monitors(c.before, c.monitors);
        EXPECT_EQ(after.left, c.expect_left);
        EXPECT_EQ(after.top, c.expect_top);
        EXPECT_EQ(after.docked, c.before.docked);
        EXPECT_EQ(after.strips, c.before.strips);
    }
}

}  // namespace
}  // namespace orvane::dock
