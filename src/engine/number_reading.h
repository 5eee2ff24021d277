// How a number on the display is read aloud: the clips that say it the way a Chinese speaker
// says an amount ("12345.67" is 一万二千三百四十五点六七).
#pragma once

#include <string_view>
#include <vector>

namespace orvane::engine {

// The unit clips between the digits: 十 百 千 万 亿.
inline constexpr std::string_view kClipTen = "wav_shi";
inline constexpr std::string_view kClipHundred = "wav_bai";
inline constexpr std::string_view kClipThousand = "wav_qian";
inline constexpr std::string_view kClipTenThousand = "wav_wan";
inline constexpr std::string_view kClipHundredMillion = "wav_yi";

// Whole parts up to this many digits (every whole number the display can show) are read with
// units; a longer one, which no key produces, is read digit by digit.
inline constexpr std::size_t kLongestAmount = 29;

// The clips reading `display`, in order: 负 for a leading minus, the whole part with units
// (零 once for each run of skipped places, 十 rather than 一十 at the very start, 万 and 亿
// groups; from 10^12 on 万亿, from 10^16 on 亿亿), then 点 and the fraction digit by digit.
// A text that is not a number ("", "-", an error text) reads as nothing.
[[nodiscard]] std::vector<std::string_view> reading_clips(std::string_view display);

}  // namespace orvane::engine
