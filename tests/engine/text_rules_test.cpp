// The pure text rules behind number entry and capture.
#include <gtest/gtest.h>

#include "engine/text_rules.h"

namespace orvane::engine {
namespace {

TEST(TextRules, CharactersAreCodePoints) {
    const struct {
        std::string text;
        std::size_t count;
        std::string first_two;
    } rows[] = {{"", 0, ""},
                {"12", 2, "12"},
                {"0不能为除数", 6, "0不"},
                {"溢出5", 3, "溢出"},
                {"-5.25", 5, "-5"}};
    for (const auto& row : rows) {
        EXPECT_EQ(char_count(row.text), row.count) << row.text;
        EXPECT_EQ(first_chars(row.text, 2), row.first_two) << row.text;
    }
}

TEST(TextRules, RemoveLastCharTakesAWholeCharacter) {
    const struct {
        std::string text;
        std::string after;
    } rows[] = {{"", ""}, {"5", ""}, {"-5", "-"}, {"0不能为除数", "0不能为除"}, {"溢", ""}};
    for (const auto& row : rows) {
        std::string text = row.text;
        remove_last_char(text);
        EXPECT_EQ(text, row.after) << row.text;
    }
}

TEST(TextRules, LeadingZeros) {
    const struct {
        std::string text;
        std::string after;
    } rows[] = {{"05", "5"},       {"0123", "123"},
                {"00.5", "0.5"},   {"0", "0"},
                {"00", "00"},      {"0.5", "0.5"},
                {"0120", "0120"},  {"-05", "-05"},
                {"007", "7"},      {"0不能为除数", "0不能为除数"},
                {"0.", "0."},      {"5", "5"},
                {"000.25", "0.25"}};
    for (const auto& row : rows) {
        std::string text = row.text;
        drop_leading_zeros(text);
        EXPECT_EQ(text, row.after) << row.text;
    }
}

TEST(TextRules, DisplayLimitCutKeepsWholeDigits) {
    const struct {
        std::string text;
        std::string after;
    } rows[] = {
        {"123456789012", "123456789012"},         {"1234567890123", "1234567890123"},
        {"123456789.3333333333", "123456789.33"}, {"12345678901.55", "12345678901."},
        {"123456789012.5", "123456789012"},       {"-12345678901.5", "-12345678901"},
        {"0.333333333333333", "0.3333333333"},    {"0不能为除数0000000", "0不能为除数0000000"}};
    for (const auto& row : rows) {
        std::string text = row.text;
        cut_to_display_limit(text, 12);
        EXPECT_EQ(text, row.after) << row.text;
    }
}

TEST(TextRules, NumberTextsAndDoubles) {
    const struct {
        std::string text;
        bool number;
        std::optional<double> value;
    } rows[] = {{"5", true, 5.0},
                {"-2.5", true, -2.5},
                {"5.", true, 5.0},
                {".5", true, 0.5},
                {"0.", true, 0.0},
                {"-", false, std::nullopt},
                {".", false, std::nullopt},
                {"-.", false, std::nullopt},
                {"", false, std::nullopt},
                {"1.2.3", false, std::nullopt},
                {"0不能为除数", false, std::nullopt},
                {"1e5", false, std::nullopt},
                {"1" + std::string(400, '0'), true, std::nullopt}};
    for (const auto& row : rows) {
        EXPECT_EQ(is_number_text(row.text), row.number) << row.text;
        EXPECT_EQ(to_double(row.text), row.value) << row.text;
    }
}

TEST(TextRules, OnlyZeros) {
    const struct {
        std::string text;
        bool zeros;
    } rows[] = {{"", true},     {"-", true},    {"000", true}, {"-00", true},
                {"007", false}, {"0.0", false}, {"5", false},  {"-0-", false}};
    for (const auto& row : rows) {
        EXPECT_EQ(only_zeros(row.text), row.zeros) << row.text;
    }
}

}  // namespace
}  // namespace orvane::engine
