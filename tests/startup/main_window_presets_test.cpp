#include "startup/main_window_presets.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace orvane::engine {
namespace {

struct PresetCase {
    const char* command_options;  // already normalised: lower case, no spaces
    int option_decimals;
    bool voice;
    bool autocopy;
    bool autoload;
    std::optional<Rounding> rounding;
    int decimals;
};

class MainWindowPresets : public ::testing::TestWithParam<PresetCase> {};

TEST_P(MainWindowPresets, AppliesTheOptionsOfTheCommandLine) {
    const PresetCase& row = GetParam();
    StartupValues startup;
    startup.command_options = row.command_options;
    startup.option_decimals = row.option_decimals;

    const LoadPresets presets = main_window_presets(startup);

    EXPECT_EQ(presets.voice, row.voice);
    EXPECT_EQ(presets.autocopy, row.autocopy);
    EXPECT_EQ(presets.autoload, row.autoload);
    ASSERT_EQ(presets.rounding.has_value(), row.rounding.has_value());
    if (row.rounding) {
        EXPECT_EQ(*presets.rounding, *row.rounding);
    }
    EXPECT_EQ(presets.decimals, row.decimals);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, MainWindowPresets,
    ::testing::Values(PresetCase{"", 0, false, false, false, std::nullopt, 0},
                      PresetCase{"/f3", 0, true, false, false, std::nullopt, 0},
                      PresetCase{"/ac", 0, false, true, false, std::nullopt, 0},
                      PresetCase{"/ag", 0, false, false, true, std::nullopt, 0},
                      PresetCase{"/u3", 3, false, false, false, Rounding::round, 3},
                      PresetCase{"/c0", 0, false, false, false, Rounding::cut, 0},
                      PresetCase{"/u0", 0, false, false, false, Rounding::round, 0},
                      PresetCase{"/c4", 4, false, false, false, Rounding::cut, 4},
                      // Options stand in any order.
                      PresetCase{"/ac/c2", 2, false, true, false, Rounding::cut, 2},
                      PresetCase{"/c2/ac", 2, false, true, false, Rounding::cut, 2},
                      PresetCase{"/f3/ag/u1/ac", 1, true, true, true, Rounding::round, 1},
                      // The expression calculator's options leave the rest for the main window.
                      PresetCase{"/f2/ag/u2", 2, false, false, true, Rounding::round, 2},
                      // Unknown options are ignored.
                      PresetCase{"/zzz", 0, false, false, false, std::nullopt, 0},
                      PresetCase{"/f7", 0, false, false, false, std::nullopt, 0}));

}  // namespace
}  // namespace orvane::engine
