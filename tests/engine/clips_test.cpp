// Voice clips: which clip each key names, and that nothing plays while voice is off.
#include <gtest/gtest.h>

#include "calculator_harness.h"

namespace orvane::engine::testing {
namespace {

struct ClipCase {
    std::string keys;                // run after the voice switch turned voice on
    std::vector<std::string> clips;  // started by the last key, in order
};

void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class KeyClips : public ::testing::TestWithParam<ClipCase> {};

TEST_P(KeyClips, NameTheirClip) {
    Harness h;
    h.run("voice " + GetParam().keys);
    EXPECT_EQ(h.recorder.clips, GetParam().clips);
}

using Clips = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Entry, KeyClips,
    ::testing::Values(ClipCase{"0", Clips{"wav_0"}}, ClipCase{"1", Clips{"wav_1"}},
                      ClipCase{"5", Clips{"wav_5"}}, ClipCase{"9", Clips{"wav_9"}},
                      ClipCase{"00", Clips{"wav_0"}}, ClipCase{"0 00", Clips{"wav_0"}},
                      ClipCase{"5 00", Clips{"wav_00"}}, ClipCase{"sign 00", Clips{"wav_00"}},
                      ClipCase{"sign 0 00", Clips{"wav_0"}}, ClipCase{".", Clips{"wav_dian"}},
                      ClipCase{"5 .", Clips{"wav_dian"}}, ClipCase{"5 . .", Clips{}},
                      ClipCase{"5 sign", Clips{"wav_fu"}}, ClipCase{"5 sign sign", Clips{}},
                      ClipCase{"5 back", Clips{"wav_tuige"}}, ClipCase{"back", Clips{}},
                      ClipCase{"5 = back", Clips{}}, ClipCase{"5 C", Clips{"wav_qingchu"}},
                      ClipCase{"5 = C", Clips{"wav_qingchu"}}, ClipCase{"AC", Clips{"wav_quanbu"}},
                      // A dropped thirteenth digit still speaks.
                      ClipCase{digits("1234567891234"), Clips{"wav_4"}}));

INSTANTIATE_TEST_SUITE_P(
    Operators, KeyClips,
    ::testing::Values(ClipCase{"5 +", Clips{"wav_jia"}}, ClipCase{"5 -", Clips{"wav_jian"}},
                      ClipCase{"5 *", Clips{"wav_chen"}}, ClipCase{"5 /", Clips{"wav_chu"}},
                      ClipCase{"+", Clips{}}, ClipCase{"5 + 3 *", Clips{"wav_dengyu", "wav_chen"}},
                      ClipCase{"1 + 2 +", Clips{"wav_dengyu", "wav_jia"}}, ClipCase{"5 =", Clips{}},
                      ClipCase{"5 + 3 =", Clips{"wav_dengyu"}},
                      ClipCase{"5 + 3 = =", Clips{"wav_dengyu"}}, ClipCase{"5 / 0 =", Clips{}},
                      ClipCase{"5 / 0 +", Clips{}}));

INSTANTIATE_TEST_SUITE_P(
    SilentKeys, KeyClips,
    ::testing::Values(ClipCase{"5 = MS", Clips{}}, ClipCase{"5 = MS M+", Clips{}},
                      ClipCase{"5 = MS MR", Clips{}}, ClipCase{"5 = MS MC", Clips{}},
                      ClipCase{"5 = GT", Clips{}}, ClipCase{"5 %", Clips{}},
                      ClipCase{"voice", Clips{}}, ClipCase{"voice voice", Clips{"wav_yuyin"}}));

INSTANTIATE_TEST_SUITE_P(
    ReadBack, KeyClips,
    ::testing::Values(
        ClipCase{"readback=on 5 + 7 =", Clips{"wav_dengyu", "wav_shi", "wav_2"}},
        ClipCase{"readback=on 5 + 3 = =", Clips{"wav_dengyu", "wav_shi", "wav_1"}},
        ClipCase{"readback=on 4 sqrt", Clips{"wav_kf", "wav_2"}},
        ClipCase{"readback=on 2 sqrt",
                 Clips{"wav_kf", "wav_1", "wav_dian", "wav_4", "wav_1", "wav_4", "wav_2", "wav_1",
                       "wav_3", "wav_5", "wav_6", "wav_2", "wav_3"}},
        // The operator's clip follows at once and cuts the reading off.
        ClipCase{"readback=on 1 + 2 +", Clips{"wav_dengyu", "wav_3", "wav_jia"}},
        ClipCase{"readback=on 3 - 5 =", Clips{"wav_dengyu", "wav_fu", "wav_2"}},
        ClipCase{"readback=on 5 / 0 =", Clips{}},
        ClipCase{"rounding=round decimals=2 readback=on 1 / 3 =",
                 Clips{"wav_dengyu", "wav_0", "wav_dian", "wav_3", "wav_3"}},
        ClipCase{"readback=on " + digits("1000000") + " * " + digits("1000000") + " =",
                 Clips{"wav_dengyu", "wav_1", "wav_wan", "wav_yi"}},
        ClipCase{"readback=on readback=off 5 + 7 =", Clips{"wav_dengyu"}},
        // Reading the display, whatever the switch.
        ClipCase{"1 2 . 5 read", Clips{"wav_shi", "wav_2", "wav_dian", "wav_5"}},
        ClipCase{"1 0 0 5 read", Clips{"wav_1", "wav_qian", "wav_0", "wav_5"}},
        ClipCase{"read", Clips{}}, ClipCase{"5 / 0 = read", Clips{}},
        ClipCase{"5 sign read", Clips{"wav_fu", "wav_5"}}));

TEST(Clips, AResultAndItsReadingAreOneStreamBeforeTheCopy) {
    Harness h;
    h.run("voice autocopy=on readback=on 1 2 3 4 5 + 0 . 6 7 =");
    const std::vector<Clips> one_stream = {{"wav_dengyu", "wav_1", "wav_wan", "wav_2", "wav_qian",
                                            "wav_3", "wav_bai", "wav_4", "wav_shi", "wav_5",
                                            "wav_dian", "wav_6", "wav_7"}};
    EXPECT_EQ(h.recorder.sequences, one_stream);
    EXPECT_EQ(h.recorder.copies, Clips{"12345.67"});
    // The switch is kept across a switch to another calculator, like voice.
    h.run("reload 2 + 2 =");
    EXPECT_EQ(h.recorder.clips, (Clips{"wav_dengyu", "wav_4"}));
    // F9's key toggles it off; the result clip alone, not as a stream.
    h.calculator->press(Key::read_results_switch);
    h.run("2 + 2 =");
    EXPECT_FALSE(h.registers.read_results);
    EXPECT_TRUE(h.recorder.sequences.empty());
    EXPECT_EQ(h.recorder.clips, Clips{"wav_dengyu"});
}

TEST(Clips, VoiceSwitchTogglesIndicatorAndVoice) {
    Harness h;
    h.run("voice");
    EXPECT_TRUE(h.registers.voice_on);
    EXPECT_TRUE(h.controls().voice_indicator);
    EXPECT_EQ(h.recorder.clips, Clips{"wav_yuyin"});
    h.run("voice");
    EXPECT_FALSE(h.registers.voice_on);
    EXPECT_FALSE(h.controls().voice_indicator);
    EXPECT_TRUE(h.recorder.clips.empty());
}

TEST(Clips, NothingPlaysWhileVoiceIsOff) {
    Harness h;
    const std::string keys =
        "readback=on 5 + 3 * 2 = = 1 6 sqrt 00 0 . sign back C AC 2 0 0 + 1 0 % 5 / 0 = 7 + MR "
        "GT read";
    std::istringstream in(keys);
    std::string key;
    while (in >> key) {
        h.run(key);
        EXPECT_TRUE(h.recorder.clips.empty()) << key;
    }
}

TEST(Clips, VoiceSurvivesASwitchButTheIndicatorDoesNot) {
    Harness h;
    h.run("voice reload");
    EXPECT_TRUE(h.registers.voice_on);
    EXPECT_FALSE(h.controls().voice_indicator);
    h.run("5");
    EXPECT_EQ(h.recorder.clips, Clips{"wav_5"});
    h.run("voice");  // shows the indicator and leaves voice on
    EXPECT_TRUE(h.registers.voice_on);
    EXPECT_TRUE(h.controls().voice_indicator);
    EXPECT_EQ(h.recorder.clips, Clips{"wav_yuyin"});
}

TEST(Clips, OnlyTheRootResultPlaysTheRootClip) {
    Harness h;
    h.run("voice 4 sqrt");
    EXPECT_EQ(h.recorder.clips, Clips{"wav_kf"});
    h.run("+ 1 =");
    EXPECT_EQ(h.recorder.clips, Clips{"wav_dengyu"});
}

}  // namespace
}  // namespace orvane::engine::testing
