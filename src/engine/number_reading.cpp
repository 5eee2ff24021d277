#include "engine/number_reading.h"

#include <algorithm>
#include <array>

#include "engine/text_rules.h"

namespace orvane::engine {
namespace {

constexpr std::array<std::string_view, 10> kDigitClips = {
    "wav_0", "wav_1", "wav_2", "wav_3", "wav_4", "wav_5", "wav_6", "wav_7", "wav_8", "wav_9",
};
// The unit inside a group of four places: none, 十, 百, 千.
constexpr std::array<std::string_view, 4> kPlaceClips = {"", kClipTen, kClipHundred, kClipThousand};

std::string_view digit_clip(char digit) {
    return kDigitClips[static_cast<std::size_t>(digit - '0')];
}

// Whether any of the places from `low` to `high` (powers of ten) holds a digit other than 0.
bool any_nonzero(std::string_view whole, std::size_t low, std::size_t high) {
    const std::size_t size = whole.size();
    const std::size_t first = high >= size - 1 ? 0 : size - 1 - high;
    const std::size_t last = size - 1 - low;
    return std::any_of(whole.begin() + static_cast<std::ptrdiff_t>(first),
                       whole.begin() + static_cast<std::ptrdiff_t>(last) + 1,
                       [](char c) { return c != '0'; });
}

// A whole part without leading zeros, not "0", of at most kLongestAmount digits. Places are
// read in groups of four (units 十 百 千 inside a group); every fourth place closes a group
// with 万 and every eighth a section with 亿, once per section above it (亿亿 is 10^16). A
// group or section that is all zeros says no unit.
void read_amount(std::string_view whole, std::vector<std::string_view>& clips) {
    bool said = false;
    bool skipped = false;  // zero places since the last digit said, inside the reading
    for (std::size_t index = 0; index < whole.size(); ++index) {
        const std::size_t place = whole.size() - 1 - index;
        const char digit = whole[index];
        if (digit != '0') {
            if (skipped) {
                clips.push_back(digit_clip('0'));
                skipped = false;
            }
            const bool leading_ten = !said && digit == '1' && place % 4 == 1;
            if (!leading_ten) {
                clips.push_back(digit_clip(digit));
            }
            if (place % 4 != 0) {
                clips.push_back(kPlaceClips[place % 4]);
            }
            said = true;
        } else if (said) {
            skipped = true;
        }
        if (place == 0 || place % 4 != 0) {
            continue;
        }
        // Zeros that end a group are not read: 一千零一十万一千, not ...万零一千.
        if (place % 8 == 4 && any_nonzero(whole, place, place + 3)) {
            clips.push_back(kClipTenThousand);
            skipped = false;
        } else if (place % 8 == 0 && any_nonzero(whole, place, place + 7)) {
            clips.insert(clips.end(), place / 8, kClipHundredMillion);
            skipped = false;
        }
    }
}

}  // namespace

std::vector<std::string_view> reading_clips(std::string_view display) {
    std::vector<std::string_view> clips;
    if (!is_number_text(display)) {
        return clips;
    }
    if (display.front() == '-') {
        clips.push_back("wav_fu");
        display.remove_prefix(1);
    }
    const std::size_t point = display.find('.');
    std::string_view whole = display.substr(0, point);
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty()) {
        clips.push_back(digit_clip('0'));
    } else if (whole.size() <= kLongestAmount) {
        read_amount(whole, clips);
    } else {
        for (const char digit : whole) {
            clips.push_back(digit_clip(digit));
        }
    }
    if (point != std::string_view::npos) {
        clips.push_back("wav_dian");
        for (const char digit : display.substr(point + 1)) {
            clips.push_back(digit_clip(digit));
        }
    }
    return clips;
}

}  // namespace orvane::engine
