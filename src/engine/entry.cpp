// Number entry: digits, double zero, point, sign, backspace, C and AC, and the two steps
// that wrap every key putting a fresh number on the display.
#include "engine/calculator.h"
#include "engine/tape.h"
#include "engine/text_rules.h"

namespace orvane::engine {

void Calculator::before_digit() {
    // A fresh number starts here (or at the sign key that left a lone "-").
    const bool starts = !controls_.entry_active ||
                        (registers_.result_shown && controls_.sign == Operator::none) ||
                        entry_was_cleared();
    if (!controls_.display.empty()) {
        untick_autoload();
    }
    focus_window();
    if (!controls_.entry_active && controls_.display != "-") {
        controls_.display.clear();
    }
    if (registers_.result_shown && controls_.sign == Operator::none) {
        // A new calculation after a result with no operator chosen since.
        registers_.result_shown = false;
        controls_.display.clear();
        registers_.accumulator = std::monostate{};
        registers_.pending_op = Operator::none;
    }
    if (starts && recording()) {
        begin_entry(EntryOrigin::typed);
        if (controls_.display == "-") {
            note_sign_start();
        }
    }
    controls_.entry_active = true;
}

// Typed digits never exceed the limit (the key is dropped instead), so only texts placed
// by MR, GT and percent are cut here.
void Calculator::after_digit(bool cut_to_limit) {
    std::string& display = controls_.display;
    if (display.starts_with("0.")) {
        return;
    }
    drop_leading_zeros(display);
    if (cut_to_limit) {
        cut_to_display_limit(display, static_cast<std::size_t>(kDisplayLimit));
    }
    if (display == kEasterEggTrigger) {
        queue_.push_back({PendingEffect::Kind::egg, {}, {}, false, {}});
    }
}

void Calculator::digit_key(char digit) {
    static constexpr std::string_view kClips[] = {"wav_0", "wav_1", "wav_2", "wav_3", "wav_4",
                                                  "wav_5", "wav_6", "wav_7", "wav_8", "wav_9"};
    before_digit();
    std::string& display = controls_.display;
    // A full display drops the digit rather than cutting digits already shown; an entry
    // below one ("0.") is never limited.
    if (display.starts_with("0.") ||
        char_count(display) < static_cast<std::size_t>(kDisplayLimit)) {
        display.push_back(digit);
        after_digit(false);
    }
    play_clip(kClips[digit - '0']);
}

void Calculator::zero_key() {
    before_digit();
    std::string& display = controls_.display;
    display.push_back('0');
    // "0" then 0 stays "0", "-0" then 0 stays "-0"; other zeros are appended as typed.
    if (only_zeros(display) && (display.starts_with("00") || display.starts_with("-00"))) {
        display.pop_back();
    }
    play_clip("wav_0");
}

void Calculator::double_zero_key() {
    before_digit();
    std::string& display = controls_.display;
    display.append("00");
    bool collapsed = false;
    if (only_zeros(display)) {
        if (display.starts_with("00")) {
            display = "0";
            collapsed = true;
        } else if (display.starts_with("-000")) {
            display.resize(display.size() - 2);
            collapsed = true;
        }
    }
    play_clip(collapsed ? "wav_0" : "wav_00");
}

void Calculator::point_key() {
    if (controls_.entry_active) {
        const std::string_view trimmed = trim_spaces(controls_.display);
        if (!trimmed.empty() && trimmed.find('.') == std::string_view::npos) {
            play_clip("wav_dian");
            controls_.display = std::string(trimmed) + ".";
        }
        return;
    }
    before_digit();
    play_clip("wav_dian");
    controls_.display = "0.";
}

void Calculator::sign_key() {
    if (!controls_.entry_active && recording()) {
        remember_sign_key();
    }
    std::string& display = controls_.display;
    if (!display.starts_with('-')) {
        play_clip("wav_fu");
        display.insert(0, "-");
    } else {
        display.erase(0, 1);
    }
}

void Calculator::backspace_key() {
    if (!registers_.result_shown && !controls_.display.empty()) {
        play_clip("wav_tuige");
        remove_last_char(controls_.display);
    }
}

void Calculator::clear_key() {
    if (controls_.entry_active) {
        play_clip("wav_qingchu");
        controls_.display.clear();
        note(LineKind::clear_entry, {});
        restart_entry();
        return;
    }
    note(LineKind::clear, {});
    registers_.clear_via_c = true;
    clear_all_key();
}

void Calculator::clear_all_key() {
    if (registers_.clear_via_c) {
        registers_.clear_via_c = false;
        play_clip("wav_qingchu");
    } else {
        play_clip("wav_quanbu");
        controls_.grand_total = "0";
    }
    if (current_key_ == Key::clear_all) {
        note(LineKind::clear_all, {});
    }
    controls_.display.clear();
    controls_.sign = Operator::none;
    controls_.sign_visible = false;
    registers_.pending_op = Operator::none;
    registers_.accumulator = std::monostate{};
    controls_.entry_active = false;
    registers_.result_shown = false;
}

}  // namespace orvane::engine
