// Clipboard capture ticks and auto-copy.
#include <gtest/gtest.h>

#include "calculator_harness.h"
#include "engine/text_rules.h"

namespace orvane::engine::testing {
namespace {

struct TickCase {
    std::string clipboard;
    std::optional<std::string> captured;  // the display afterwards; nullopt: rejected
};

class CaptureTick : public ::testing::TestWithParam<TickCase> {};

TEST_P(CaptureTick, TakesPlainNumbersCutToTwelveCharacters) {
    Harness h;
    h.run("4 + 1 autoload=on");
    h.calculator->capture_tick(GetParam().clipboard);
    if (GetParam().captured) {
        EXPECT_EQ(h.display(), *GetParam().captured);
        EXPECT_TRUE(h.controls().entry_active);
    } else {
        EXPECT_EQ(h.display(), "1");
    }
    EXPECT_EQ(std::string(h.controls().clip_text),
              std::string(first_chars(GetParam().clipboard, 12)));
    EXPECT_TRUE(h.recorder.clips.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Capture, CaptureTick,
    ::testing::Values(
        TickCase{"123.45", "123.45"},
        // A whole part beyond the display is rejected, not cut to another number.
        TickCase{"1234567890123456", std::nullopt}, TickCase{"1234567890123", std::nullopt},
        TickCase{"0000000000001", std::nullopt}, TickCase{"123456789012.5", "123456789012"},
        TickCase{"1.23456789012345", "1.2345678901"}, TickCase{"12345678901x", std::nullopt},
        TickCase{"123456789012x", "123456789012"}, TickCase{"12345678901", "12345678901"},
        TickCase{"-5", std::nullopt}, TickCase{"1,000", std::nullopt},
        TickCase{"1/2", std::nullopt}, TickCase{"12/", std::nullopt},
        TickCase{"1.2.3", std::nullopt}, TickCase{" 7", std::nullopt}, TickCase{"７", std::nullopt},
        TickCase{"7\n", std::nullopt}, TickCase{"0", std::nullopt}, TickCase{"000", std::nullopt},
        TickCase{"0.0", "0.0"}, TickCase{".", "."}, TickCase{"007", "007"}, TickCase{"5.", "5."},
        TickCase{"", std::nullopt}, TickCase{"一二三四五六七八九十一二三", std::nullopt}));

TEST(Capture, DoesNothingUnlessTheBoxIsTicked) {
    Harness h;
    h.run("5 tick:42");
    EXPECT_EQ(h.display(), "5");
    EXPECT_EQ(h.controls().clip_text, "");
}

TEST(Capture, AnUnreadableClipboardChangesNothing) {
    Harness h;
    h.run("5 autoload=on tick:9");
    h.calculator->capture_tick(std::nullopt);
    EXPECT_EQ(h.display(), "9");
    EXPECT_EQ(h.controls().clip_text, "9");
}

TEST(Capture, StartsTheTimerAndAnOperatorStopsIt) {
    Harness h;
    h.run("autoload=on");
    EXPECT_EQ(h.recorder.autoload_changes, std::vector<bool>{true});
    h.run("tick:42");
    EXPECT_EQ(h.display(), "42");
    EXPECT_TRUE(h.controls().entry_active);
    h.run("+");
    EXPECT_FALSE(h.controls().autoload);
    EXPECT_EQ(h.recorder.autoload_changes, std::vector<bool>{false});
    h.run("tick:7");
    EXPECT_EQ(h.display(), "42");
}

TEST(Capture, DigitAndMemoryKeysUntickCaptureWhenTheDisplayHoldsText) {
    const struct {
        std::string keys;
        bool ticked;
    } rows[] = {{"autoload=on 5", true},          {"autoload=on tick:3 5", false},
                {"autoload=on tick:3 00", false}, {"autoload=on tick:3 .", true},
                {"5 = autoload=on .", false},     {"5 = MS autoload=on MR", false},
                {"autoload=on GT", true},         {"5 autoload=on GT", false},
                {"5 autoload=on sign", true},     {"5 autoload=on %", false}};
    for (const auto& row : rows) {
        Harness h;
        h.run(row.keys);
        EXPECT_EQ(h.controls().autoload, row.ticked) << row.keys;
        EXPECT_EQ(h.recorder.timer_running, row.ticked) << row.keys;
    }
}

TEST(Capture, AfterAResultStartsANewCalculation) {
    Harness h;
    h.run("4 + 6 = autoload=on tick:5");
    EXPECT_FALSE(h.registers.result_shown);
    EXPECT_EQ(h.calculator->accumulator_text(), "");
    EXPECT_EQ(operator_symbol(h.registers.pending_op), "");
    h.run("=");
    EXPECT_EQ(h.display(), "5");
    EXPECT_EQ(h.controls().grand_total, "15");
}

TEST(Capture, WithAnOperatorShownBecomesTheSecondOperand) {
    Harness h;
    h.run("4 + 6 = * autoload=on tick:5");
    EXPECT_EQ(h.calculator->accumulator_text(), "10");
    h.run("=");
    EXPECT_EQ(h.display(), "50");
}

TEST(Capture, LeadingZerosAndPointsStayAsCaptured) {
    const struct {
        std::string keys;
        std::string display;
    } rows[] = {{"autoload=on tick:007 00", "00700"}, {"autoload=on tick:007 0", "0070"},
                {"autoload=on tick:012 3", "123"},    {"autoload=on tick:00. 5", "0.5"},
                {"autoload=on tick:. 5", ".5"},       {"autoload=on tick:. 5 + 1 =", "1.5"}};
    for (const auto& row : rows) {
        Harness h;
        h.run(row.keys);
        EXPECT_EQ(h.display(), row.display) << row.keys;
    }
}

TEST(Capture, ACopiedResultIsCapturedBackAsAnEntry) {
    Harness h;
    h.run("autocopy=on 2 + 3 =");
    ASSERT_EQ(h.recorder.copies, std::vector<std::string>{"5"});
    h.run("autoload=on");
    h.calculator->capture_tick(h.display());
    EXPECT_EQ(h.display(), "5");
    EXPECT_TRUE(h.controls().entry_active);
    EXPECT_FALSE(h.registers.result_shown);
    EXPECT_EQ(h.calculator->accumulator_text(), "");
}

}  // namespace
}  // namespace orvane::engine::testing

namespace orvane::engine::testing {
namespace {

// A paste needs no capture box, reads the text leniently and then counts like any entry.
TEST(Paste, PlacesTheReadNumberAsAnEntry) {
    const struct {
        std::string before;  // keys before the paste
        std::string text;
        std::string after;  // keys after the paste
        std::string display;
    } rows[] = {
        {"",
         " \xC2\xA5"
         "1,234.5\n",
         "", "1234.5"},
        {"",
         " \xC2\xA5"
         "1,234.5\n",
         "+ 1 =", "1235.5"},
        {"", "-2.5", "+ 1 =", "-1.5"},
        {"4 + 6 =", "5", "=", "5"},     // after a result a new calculation starts
        {"4 + 6 = *", "5", "=", "50"},  // with an operator shown: the second operand
        {"7", "12,34", "", "7"},        // ignored: the display stays
        {"4 + 6 =", "abc", "", "10"},
        {"", "1234567890123", "", ""},  // too long for the display: ignored
        {"4 + 6 =", "1234567890123", "+ 1 =", "11"},
        {"", "12", "3", "123"},  // typing goes on after the pasted digits
    };
    for (const auto& row : rows) {
        Harness h;
        h.run(row.before);
        h.calculator->paste(row.text);
        h.run(row.after);
        EXPECT_EQ(h.display(), row.display)
            << row.before << " | " << row.text << " | " << row.after;
    }
}

}  // namespace
}  // namespace orvane::engine::testing

namespace orvane::engine::testing {
namespace {

// A paste and a capture tick of the same number agree on whether it fits the display and on
// what is shown: one length rule for both.
TEST(ClipboardNumber, PasteAndCaptureShareTheLengthRule) {
    const struct {
        std::string text;
        std::string display;  // after "7 + 1 =" and the number taken or not, then "+ 1 ="
    } rows[] = {
        {"123456789012", "123456789013"},    {"1234567890123", "9"},  // ignored: 8 + 1
        {"99999999999999999999", "9"},       {"123456789012.5", "123456789013"},
        {"12345678.123456", "12345679.123"}, {"0.1234567890123", "1.123456789"},
    };
    for (const auto& row : rows) {
        Harness pasted;
        pasted.run("7 + 1 =");
        pasted.calculator->paste(row.text);
        pasted.run("+ 1 =");
        EXPECT_EQ(pasted.display(), row.display) << "paste " << row.text;

        Harness captured;
        captured.run("7 + 1 = autoload=on");
        captured.calculator->capture_tick(row.text);
        captured.run("+ 1 =");
        EXPECT_EQ(captured.display(), row.display) << "capture " << row.text;
    }
}

}  // namespace
}  // namespace orvane::engine::testing
