// Numbers read aloud: each row is what a Chinese reader says for the display text, written
// in characters; the clips are turned back into characters to compare.
#include "engine/number_reading.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace orvane::engine {
namespace {

std::string spoken(std::string_view display) {
    static const std::map<std::string_view, std::string_view> kWords = {
        {"wav_0", "零"},    {"wav_1", "一"},   {"wav_2", "二"},   {"wav_3", "三"},
        {"wav_4", "四"},    {"wav_5", "五"},   {"wav_6", "六"},   {"wav_7", "七"},
        {"wav_8", "八"},    {"wav_9", "九"},   {"wav_shi", "十"}, {"wav_bai", "百"},
        {"wav_qian", "千"}, {"wav_wan", "万"}, {"wav_yi", "亿"},  {"wav_fu", "负"},
        {"wav_dian", "点"},
    };
    std::string words;
    for (const std::string_view clip : reading_clips(display)) {
        const auto word = kWords.find(clip);
        words += word == kWords.end() ? "?" + std::string(clip) + "?" : std::string(word->second);
    }
    return words;
}

struct Reading {
    std::string_view display;
    std::string_view words;
};

void expect_readings(std::initializer_list<Reading> rows) {
    for (const Reading& row : rows) {
        EXPECT_EQ(spoken(row.display), row.words) << "display \"" << row.display << "\"";
    }
}

TEST(NumberReading, SmallWholeNumbers) {
    expect_readings({
        {"0", "零"},
        {"7", "七"},
        {"10", "十"},
        {"15", "十五"},
        {"19", "十九"},
        {"20", "二十"},
        {"99", "九十九"},
        {"100", "一百"},
        {"101", "一百零一"},
        {"110", "一百一十"},
        {"115", "一百一十五"},
        {"999", "九百九十九"},
        {"1000", "一千"},
        {"1001", "一千零一"},
        {"1005", "一千零五"},
        {"1010", "一千零一十"},
        {"1100", "一千一百"},
        {"2020", "二千零二十"},
    });
}

TEST(NumberReading, TenThousandsAndMillions) {
    expect_readings({
        {"10000", "一万"},
        {"10001", "一万零一"},
        {"10010", "一万零一十"},
        {"11000", "一万一千"},
        {"100000", "十万"},
        {"100010", "十万零一十"},
        {"150000", "十五万"},
        {"1000000", "一百万"},
        {"3703703", "三百七十万三千七百零三"},
        {"10001000", "一千万一千"},
        {"10010000", "一千零一万"},
        {"10101010", "一千零一十万一千零一十"},
        {"12345678", "一千二百三十四万五千六百七十八"},
    });
}

TEST(NumberReading, HundredMillionsAndBeyond) {
    expect_readings({
        {"100000000", "一亿"},
        {"100000001", "一亿零一"},
        {"100010000", "一亿零一万"},
        {"1000000000", "十亿"},
        {"1000001000", "十亿零一千"},
        {"123456789012", "一千二百三十四亿五千六百七十八万九千零一十二"},
        {"100000001000", "一千亿零一千"},
        {"1000000000000", "一万亿"},
        {"10000000000000", "十万亿"},
        {"1000000000000000", "一千万亿"},
        {"10000000000000000", "一亿亿"},
        {"10000000000000001", "一亿亿零一"},
        {"10000000100000000", "一亿亿零一亿"},
        {"100010000000000000000", "一万零一亿亿"},
        {"12345678901234567890",
         "一千二百三十四亿亿五千六百七十八万九千零一十二亿三千四百五十六万七千八百九十"},
        // The largest whole number the display can show, and the smallest of 29 digits.
        {"79228162514264337593543950335",
         "七万九千二百二十八亿亿亿一千六百二十五万一千四百二十六亿亿四千三百三十七万五千九百三十五"
         "亿四千三百九十五万零三百三十五"},
        {"-79228162514264337593543950335",
         "负七万九千二百二十八亿亿亿一千六百二十五万一千四百二十六亿亿四千三百三十七万五千九百三十"
         "五亿四千三百九十五万零三百三十五"},
        {"10000000000000000000000000000", "一万亿亿亿"},
        {"10000000000000000000000000001", "一万亿亿亿零一"},
    });
}

TEST(NumberReading, SignAndFraction) {
    expect_readings({
        {"-5", "负五"},
        {"-15", "负十五"},
        {"-0.5", "负零点五"},
        {"0.05", "零点零五"},
        {"0.5", "零点五"},
        {"10.5", "十点五"},
        {"0.50", "零点五零"},
        {"3703703.67", "三百七十万三千七百零三点六七"},
        {"12345.67", "一万二千三百四十五点六七"},
        {"0.0000316227", "零点零零零零三一六二二七"},
        {"1.1", "一点一"},
        {"100.001", "一百点零零一"},
        // An entry not yet finished says what is typed.
        {"5.", "五点"},
        {"-0", "负零"},
    });
}

TEST(NumberReading, OddNumberTexts) {
    expect_readings({
        // Leading zeros (a captured "007") are not read.
        {"007", "七"},
        {"00.5", "零点五"},
        {".5", "零点五"},
        {"-.5", "负零点五"},
        // Longer than any number the display holds: digit by digit.
        {"123456789012345678901234567890",
         "一二三四五六七八九零一二三四五六七八九零一二三四五六七八九零"},
    });
}

TEST(NumberReading, TextsThatAreNoNumberReadAsNothing) {
    for (const std::string_view display : {"", "-", "-.", ".", "0不能为除数", "溢出", "1e5",
                                           "1.2.3", " 5", "5 ", "--5", "+5", "１２", "5-"}) {
        EXPECT_TRUE(reading_clips(display).empty()) << "display \"" << display << "\"";
    }
}

}  // namespace
}  // namespace orvane::engine
