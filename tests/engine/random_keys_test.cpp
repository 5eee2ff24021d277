// Long random sessions of keys, control changes, capture ticks and reloads: after every
// token the engine's state must still be one the key rules can produce.
#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "calculator_harness.h"
#include "engine/text_rules.h"

namespace orvane::engine::testing {
namespace {

const std::vector<std::string>& clip_names() {
    static const std::vector<std::string> kNames = {
        "wav_0",   "wav_1",       "wav_2",      "wav_3",     "wav_4",    "wav_5",
        "wav_6",   "wav_7",       "wav_8",      "wav_9",     "wav_00",   "wav_chen",
        "wav_chu", "wav_dengyu",  "wav_dian",   "wav_fu",    "wav_jia",  "wav_jian",
        "wav_kf",  "wav_qingchu", "wav_quanbu", "wav_tuige", "wav_yuyin"};
    return kNames;
}

// What the display can hold: an optional "-", then a start of one of the error texts (put
// back as an entry by MR), then digits with at most one point.
bool well_formed_display(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    std::size_t longest_prefix = 0;
    for (const std::string_view error : {kDivideByZeroText, kOverflowText}) {
        for (std::size_t n = error.size(); n > longest_prefix; --n) {
            if (text.starts_with(error.substr(0, n))) {
                longest_prefix = n;
                break;
            }
        }
    }
    text.remove_prefix(longest_prefix);
    bool point_seen = false;
    for (const char c : text) {
        if (c == '.' && !point_seen) {
            point_seen = true;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

bool canonical_decimal_text(const std::string& text) {
    const auto value = Decimal::parse(text);
    return value && value->text() == text;
}

class RandomSession {
  public:
    explicit RandomSession(unsigned seed) : random_(seed) {}

    std::string next_token() {
        static const char* const kKeys[] = {
            "0",  "1", "2", "3", "4", "5", "6", "7",    "8",  "9",  "00", ".",  "sign", "back", "C",
            "AC", "+", "-", "*", "/", "=", "%", "sqrt", "MS", "M+", "MR", "MC", "GT",   "voice"};
        const int roll = pick(100);
        if (roll < 80) {
            // Digits twice as likely as the other keys, so numbers grow long.
            const int index = pick(2) == 0 ? pick(10) : pick(static_cast<int>(std::size(kKeys)));
            return kKeys[index];
        }
        if (roll < 84) {
            static const char* const kModes[] = {"rounding=none", "rounding=cut", "rounding=round"};
            return kModes[pick(3)];
        }
        if (roll < 87) {
            return "decimals=" + std::to_string(pick(5));
        }
        if (roll < 89) {
            return pick(2) ? "autocopy=on" : "autocopy=off";
        }
        if (roll < 92) {
            return pick(2) ? "autoload=on" : "autoload=off";
        }
        if (roll < 99) {
            return "tick:" + clipboard_text();
        }
        return "reload";
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string clipboard_text() {
        static const char* const kPieces[] = {"0", "1", "5",  "9",   ".",         "00", "-",
                                              " ", "x", "溢", "7\n", "123456789", "0.0"};
        std::string text;
        const int pieces = pick(6);
        for (int i = 0; i < pieces; ++i) {
            text += kPieces[pick(static_cast<int>(std::size(kPieces)))];
        }
        return text;
    }

    std::mt19937 random_;
};

void check_invariants(const Harness& h, const std::string& token, bool voice_before) {
    const Controls& c = h.controls();
    const Registers& r = h.registers;
    ASSERT_TRUE(well_formed_display(c.display)) << "display '" << c.display << "' after " << token;
    ASSERT_TRUE(canonical_decimal_text(c.grand_total)) << c.grand_total << " after " << token;
    ASSERT_TRUE(c.memory.empty() || well_formed_display(c.memory)) << c.memory;
    ASSERT_EQ(c.sign_visible, c.sign != Operator::none) << token;
    ASSERT_TRUE(well_formed_display(r.operand)) << r.operand;
    ASSERT_TRUE(well_formed_display(r.last_operand)) << r.last_operand;
    ASSERT_EQ(c.decimals_enabled, c.rounding != Rounding::none) << token;
    ASSERT_TRUE(c.decimals >= 0 && c.decimals <= 4) << c.decimals;
    ASSERT_FALSE(c.voice_indicator && !r.voice_on) << token;
    ASSERT_FALSE(r.root_taken) << "a root clip left pending after " << token;
    ASSERT_LE(char_count(c.clip_text), 12U);
    // The timer runs exactly while the capture box is ticked.
    ASSERT_EQ(h.recorder.timer_running, c.autoload) << token;

    if (const auto* value = std::get_if<Decimal>(&r.accumulator)) {
        ASSERT_LE(value->scale(), Decimal::kMaxScale);
        ASSERT_EQ(Decimal::parse(value->text()), *value) << token;
    } else if (const auto* root = std::get_if<double>(&r.accumulator)) {
        ASSERT_TRUE(std::isfinite(*root) && *root >= 0.0) << token;
        ASSERT_TRUE(Decimal::from_double(*root).has_value()) << token;
    } else if (const auto* text = std::get_if<std::string>(&r.accumulator)) {
        ASSERT_TRUE(!text->empty() && well_formed_display(*text)) << *text;
    }

    // Effects: clips only with voice, known names; copies only of the final display.
    if (!h.recorder.clips.empty()) {
        ASSERT_TRUE(voice_before || r.voice_on) << token;
    }
    for (const auto& clip : h.recorder.clips) {
        ASSERT_NE(std::find(clip_names().begin(), clip_names().end(), clip), clip_names().end())
            << clip;
    }
    if (!h.recorder.copies.empty()) {
        ASSERT_TRUE(c.autocopy) << token;
        ASSERT_EQ(h.recorder.copies.back(), c.display) << token;
    }
    if (h.recorder.eggs > 0) {
        ASSERT_EQ(c.display, kEasterEggTrigger) << token;
    }
}

TEST(RandomKeys, EveryStateStaysConsistent) {
    constexpr int kSessions = 20;
    constexpr int kTokensPerSession = 6000;
    int tokens_run = 0;
    for (int session = 0; session < kSessions; ++session) {
        Harness h;
        RandomSession random(static_cast<unsigned>(session) * 7919U + 17U);
        for (int i = 0; i < kTokensPerSession; ++i) {
            const std::string token = random.next_token();
            const bool voice_before = h.registers.voice_on;
            h.recorder.reset_log();
            ASSERT_TRUE(h.token(token)) << token;
            ASSERT_NO_FATAL_FAILURE(check_invariants(h, token, voice_before));
            ++tokens_run;
        }
    }
    EXPECT_EQ(tokens_run, kSessions * kTokensPerSession);
}

// The display-form check itself must refuse texts no key can produce.
TEST(RandomKeys, DisplayFormCheckRefusesForeignTexts) {
    const struct {
        std::string text;
        bool accepted;
    } rows[] = {{"", true},       {"-", true},           {"-.", true},         {"0.", true},
                {"12.5", true},   {"0不能为除数", true}, {"-0不能为除", true}, {"溢出12.5", true},
                {"1.2.3", false}, {"--5", false},        {"5-", false},        {"1e5", false},
                {"5溢出", false}, {" 5", false}};
    for (const auto& row : rows) {
        EXPECT_EQ(well_formed_display(row.text), row.accepted) << row.text;
    }
}

}  // namespace
}  // namespace orvane::engine::testing
