// What the engine's state may be after any token: the checks shared by the randomised key
// test and the keypad fuzzer. `invariant_breach` names the first broken rule, or is empty.
#pragma once

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calculator_harness.h"
#include "engine/number_reading.h"
#include "engine/text_rules.h"

namespace orvane::engine::testing {

inline const std::vector<std::string>& clip_names() {
    static const std::vector<std::string> kNames = {
        "wav_0",     "wav_1",     "wav_2",   "wav_3",    "wav_4",    "wav_5",       "wav_6",
        "wav_7",     "wav_8",     "wav_9",   "wav_00",   "wav_chen", "wav_chu",     "wav_dengyu",
        "wav_dian",  "wav_fu",    "wav_jia", "wav_jian", "wav_kf",   "wav_qingchu", "wav_quanbu",
        "wav_tuige", "wav_yuyin", "wav_shi", "wav_bai",  "wav_qian", "wav_wan",     "wav_yi"};
    return kNames;
}

// What the display can hold: an optional "-", then a start of one of the error texts (put
// back as an entry by MR), then digits with at most one point.
[[nodiscard]] inline bool well_formed_display(std::string_view text) {
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

[[nodiscard]] inline bool canonical_decimal_text(const std::string& text) {
    const auto value = Decimal::parse(text);
    return value && value->text() == text;
}

// Collects the message of the first failed rule.
class Breach {
  public:
    // Records `what` (with the token) unless a rule failed before; returns whether `holds`.
    bool check(bool holds, const std::string& what, std::string_view token) {
        if (!holds && message_.empty()) {
            message_ = what + " after " + std::string(token);
        }
        return holds;
    }
    [[nodiscard]] const std::string& message() const { return message_; }

  private:
    std::string message_;
};

[[nodiscard]] inline std::string invariant_breach(const Harness& h, std::string_view token,
                                                  bool voice_before) {
    const Controls& c = h.controls();
    const Registers& r = h.registers;
    Breach b;
    b.check(well_formed_display(c.display), "display '" + c.display + "'", token);
    b.check(canonical_decimal_text(c.grand_total), "grand total '" + c.grand_total + "'", token);
    b.check(c.memory.empty() || well_formed_display(c.memory), "memory '" + c.memory + "'", token);
    b.check(c.sign_visible == (c.sign != Operator::none), "sign visibility", token);
    b.check(well_formed_display(r.operand), "operand '" + r.operand + "'", token);
    b.check(well_formed_display(r.last_operand), "last operand '" + r.last_operand + "'", token);
    b.check(c.decimals_enabled == (c.rounding != Rounding::none), "decimals box enabled", token);
    b.check(c.decimals >= 0 && c.decimals <= 4, "decimals " + std::to_string(c.decimals), token);
    b.check(!(c.voice_indicator && !r.voice_on), "voice indicator without voice", token);
    b.check(!r.root_taken, "a root clip left pending", token);
    b.check(char_count(c.clip_text) <= 12U, "clip text '" + c.clip_text + "'", token);
    // The timer runs exactly while the capture box is ticked.
    b.check(h.recorder.timer_running == c.autoload, "capture timer", token);

    if (const auto* value = std::get_if<Decimal>(&r.accumulator)) {
        b.check(value->scale() <= Decimal::kMaxScale, "accumulator scale", token);
        b.check(Decimal::parse(value->text()) == *value,
                "accumulator '" + value->text() + "' does not read back", token);
    } else if (const auto* root = std::get_if<double>(&r.accumulator)) {
        b.check(std::isfinite(*root) && *root >= 0.0, "root accumulator", token);
        b.check(Decimal::from_double(*root).has_value(), "root accumulator out of range", token);
    } else if (const auto* text = std::get_if<std::string>(&r.accumulator)) {
        b.check(!text->empty() && well_formed_display(*text), "accumulator '" + *text + "'", token);
    }

    // Effects: clips only with voice, known names; copies only of the final display.
    if (!h.recorder.clips.empty()) {
        b.check(voice_before || r.voice_on, "a clip without voice", token);
    }
    for (const auto& clip : h.recorder.clips) {
        b.check(std::find(clip_names().begin(), clip_names().end(), clip) != clip_names().end(),
                "unknown clip '" + clip + "'", token);
    }
    // A reading (after a result's clip, or by itself) says what the display shows.
    for (const auto& run : h.recorder.sequences) {
        const bool after_result = !run.empty() && (run[0] == "wav_dengyu" || run[0] == "wav_kf");
        const std::vector<std::string> said(run.begin() + (after_result ? 1 : 0), run.end());
        const std::vector<std::string_view> reading = reading_clips(c.display);
        b.check(said == std::vector<std::string>(reading.begin(), reading.end()),
                "a reading that is not the display '" + c.display + "'", token);
    }
    if (!h.recorder.copies.empty()) {
        b.check(c.autocopy, "a copy without auto-copy", token);
        b.check(h.recorder.copies.back() == c.display,
                "copied '" + h.recorder.copies.back() + "' but shows '" + c.display + "'", token);
    }
    if (h.recorder.eggs > 0) {
        b.check(c.display == kEasterEggTrigger, "easter egg on '" + c.display + "'", token);
    }
    return b.message();
}

}  // namespace orvane::engine::testing
