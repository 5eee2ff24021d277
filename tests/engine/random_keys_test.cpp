// Long random sessions of keys, control changes, capture ticks and reloads: after every
// token the engine's state must still be one the key rules can produce.
#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "register_invariants.h"

namespace orvane::engine::testing {
namespace {

class RandomSession {
  public:
    explicit RandomSession(unsigned seed) : random_(seed) {}

    std::string next_token() {
        static const char* const kKeys[] = {"0",  "1",  "2",  "3",  "4",     "5",    "6",    "7",
                                            "8",  "9",  "00", ".",  "sign",  "back", "C",    "AC",
                                            "+",  "-",  "*",  "/",  "=",     "%",    "sqrt", "MS",
                                            "M+", "MR", "MC", "GT", "voice", "read"};
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
            static const char* const kSwitches[] = {"autocopy=on", "autocopy=off", "readback=on",
                                                    "readback=off"};
            return kSwitches[pick(4)];
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
            const std::string breach = invariant_breach(h, token, voice_before);
            ASSERT_TRUE(breach.empty()) << breach;
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
