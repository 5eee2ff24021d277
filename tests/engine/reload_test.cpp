// Loading the window: controls back to their defaults, presets applied in order, registers
// kept.
#include <gtest/gtest.h>

#include "calculator_harness.h"

namespace orvane::engine::testing {
namespace {

TEST(Reload, ResetsEveryControlAndKeepsTheRegisters) {
    Harness h;
    h.run("voice autocopy=on autoload=on rounding=round decimals=2 5 + 3 = MS 7 + 1");
    h.run("reload");
    const Controls& c = h.controls();
    EXPECT_EQ(c.display, "");
    EXPECT_EQ(c.sign, Operator::none);
    EXPECT_FALSE(c.sign_visible);
    EXPECT_EQ(c.memory, "");
    EXPECT_EQ(c.grand_total, "0");
    EXPECT_EQ(c.rounding, Rounding::none);
    EXPECT_EQ(c.decimals, 0);
    EXPECT_FALSE(c.decimals_enabled);
    EXPECT_FALSE(c.autocopy);
    EXPECT_FALSE(c.autoload);
    EXPECT_FALSE(c.voice_indicator);
    EXPECT_FALSE(c.entry_active);
    EXPECT_EQ(c.clip_text, "");
    // The registers live on.
    EXPECT_EQ(h.calculator->accumulator_text(), "7");
    EXPECT_EQ(h.registers.pending_op, Operator::none);
    EXPECT_EQ(h.registers.last_operand, "7");
    EXPECT_TRUE(h.registers.voice_on);
    EXPECT_TRUE(h.recorder.clips.empty());
    EXPECT_TRUE(h.recorder.autoload_changes.empty());
}

TEST(Reload, AKeptOperationContinuesOnTheEmptyDisplay) {
    Harness h;
    h.run("2 + 3 = reload = =");
    EXPECT_EQ(h.display(), "11");
    EXPECT_EQ(h.controls().grand_total, "19");
}

struct PresetCase {
    LoadPresets presets;
    std::vector<std::string> clips;
    std::vector<bool> autoload_changes;
    Rounding rounding;
    int decimals;
    bool decimals_enabled;
};

class LoadPresetsApplied : public ::testing::TestWithParam<PresetCase> {};

TEST_P(LoadPresetsApplied, InTheLoadOrder) {
    const auto& p = GetParam();
    Harness h(p.presets);
    const Controls& c = h.controls();
    EXPECT_EQ(h.registers.voice_on, p.presets.voice);
    EXPECT_EQ(c.voice_indicator, p.presets.voice);
    EXPECT_EQ(c.autocopy, p.presets.autocopy);
    EXPECT_EQ(c.autoload, p.presets.autoload);
    EXPECT_EQ(h.recorder.clips, p.clips);
    EXPECT_EQ(h.recorder.autoload_changes, p.autoload_changes);
    EXPECT_EQ(c.rounding, p.rounding);
    EXPECT_EQ(c.decimals, p.decimals);
    EXPECT_EQ(c.decimals_enabled, p.decimals_enabled);
    EXPECT_EQ(c.display, "");
    EXPECT_EQ(c.grand_total, "0");
}

INSTANTIATE_TEST_SUITE_P(
    Reload, LoadPresetsApplied,
    ::testing::Values(
        PresetCase{LoadPresets{}, {}, {}, Rounding::none, 0, false},
        PresetCase{LoadPresets{true, false, false, std::nullopt, 0},
                   {"wav_yuyin"},
                   {},
                   Rounding::none,
                   0,
                   false},
        PresetCase{
            LoadPresets{false, true, true, std::nullopt, 0}, {}, {true}, Rounding::none, 0, false},
        PresetCase{
            LoadPresets{false, false, false, Rounding::round, 3}, {}, {}, Rounding::round, 3, true},
        PresetCase{LoadPresets{true, true, true, Rounding::cut, 0},
                   {"wav_yuyin"},
                   {true},
                   Rounding::cut,
                   0,
                   true}));

TEST(Reload, VoicePresetAfterASwitchShowsTheIndicatorAndKeepsVoiceOn) {
    Harness h;
    h.run("voice");
    const LoadPresets with_voice{true, false, false, std::nullopt, 0};
    h.reload(with_voice);
    EXPECT_TRUE(h.registers.voice_on);
    EXPECT_TRUE(h.controls().voice_indicator);
}

TEST(Reload, CapturePresetWorksOnTheFirstTick) {
    Harness h(LoadPresets{false, false, true, std::nullopt, 0});
    h.calculator->capture_tick("42");
    EXPECT_EQ(h.display(), "42");
    EXPECT_TRUE(h.controls().entry_active);
}

}  // namespace
}  // namespace orvane::engine::testing
