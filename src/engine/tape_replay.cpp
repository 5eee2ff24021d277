// Correction of a number on the tape: the session's key stream is replayed through this same
// engine, from its start or the last AC before the entry, with the entry's keys replaced by
// the new number, so the tape, registers and display end as keying the corrected sequence
// would leave them.
#include <algorithm>
#include <utility>

#include "engine/calculator.h"
#include "engine/paste_text.h"
#include "engine/tape.h"

namespace orvane::engine {
namespace {

// The keys that build an entry's text; a correction puts its number in their place.
bool edits_entry(const TapeEvent& event) {
    if (event.type != TapeEvent::Type::key) {
        return false;
    }
    switch (event.key) {
        case Key::digit0:
        case Key::digit1:
        case Key::digit2:
        case Key::digit3:
        case Key::digit4:
        case Key::digit5:
        case Key::digit6:
        case Key::digit7:
        case Key::digit8:
        case Key::digit9:
        case Key::double_zero:
        case Key::point:
        case Key::sign:
        case Key::backspace:
        case Key::clear:
            return true;
        default:
            return false;
    }
}

}  // namespace

Correction Calculator::correct(std::size_t index, std::string_view text) {
    if (!recording() || index >= tape_->lines_.size()) {
        return Correction::no_such_line;
    }
    const TapeLine& line = tape_->lines_[index];
    if (line.kind != LineKind::number ||
        (line.origin != EntryOrigin::typed && line.origin != EntryOrigin::clipboard) ||
        line.entry_begin < tape_->snapshots_.front().position) {
        return Correction::not_correctable;
    }
    const std::string& original = line.corrected ? line.original : line.value;
    // The old number itself, as keyed (the 0 key may have made it longer than a paste takes).
    std::optional<std::string> number;
    if (text == original) {
        number = original;
    } else {
        number = read_pasted_number(text, static_cast<std::size_t>(kDisplayLimit));
    }
    if (!number) {
        // The sign key may put a minus before twelve keyed digits.
        number = read_pasted_number(text, static_cast<std::size_t>(kDisplayLimit) + 1);
        if (number && !number->starts_with('-')) {
            number.reset();
        }
    }
    if (!number) {
        return Correction::not_a_number;
    }
    const std::uint64_t begin = line.entry_begin;
    if (*number == original) {
        tape_->corrections_.erase(begin);
    } else {
        tape_->corrections_[begin] = {line.position, std::move(*number), original};
    }
    replay_from(begin);
    return Correction::done;
}

void Calculator::replay_from(std::uint64_t position) {
    Tape& tape = *tape_;
    auto snapshot = std::find_if(tape.snapshots_.rbegin(), tape.snapshots_.rend(),
                                 [&](const Tape::Snapshot& s) { return s.position <= position; });
    const Tape::Snapshot start = *snapshot;
    tape.snapshots_.erase(snapshot.base(), tape.snapshots_.end());

    const Controls shown_before = controls_;
    Effects* const window = effects_;
    Effects silent;
    effects_ = &silent;
    registers_ = start.registers;
    controls_ = start.controls;
    tape.truncate_lines(start.line_count);
    tape.items_ = 0;
    tape.check_.reset();
    tape.entry_origin_ = EntryOrigin::unknown;
    tape.entry_cleared_ = false;
    tape.sign_key_.reset();
    tape.replaying_ = true;
    tape.after_correction_ = false;

    const std::uint64_t end = tape.event_count();
    std::uint64_t replaced_until = 0;
    for (std::uint64_t at = start.position; at < end; ++at) {
        position_ = at;
        const TapeEvent& event = tape.event_at(at);
        const auto found = tape.corrections_.find(at);
        const bool replaced = found != tape.corrections_.end();
        if (replaced) {
            replaced_until = found->second.end;
        }
        // A number from the clipboard stays on the tape as taken; the correction replaces it
        // on the display right after.
        if (at < replaced_until && edits_entry(event)) {
            if (replaced) {
                place_correction(found->second.text);
            }
            continue;
        }
        switch (event.type) {
            case TapeEvent::Type::key:
                run_key(event.key);
                break;
            case TapeEvent::Type::tick:
                capture_tick(event.text);
                break;
            case TapeEvent::Type::paste:
                paste(event.text);
                break;
            case TapeEvent::Type::rounding:
                set_rounding(static_cast<Rounding>(event.number));
                break;
            case TapeEvent::Type::decimals:
                set_decimals(event.number);
                break;
            case TapeEvent::Type::autocopy:
                set_autocopy(event.number != 0);
                break;
            case TapeEvent::Type::autoload:
                set_autoload(event.number != 0);
                break;
            case TapeEvent::Type::load:
                load(event.presets);
                break;
            case TapeEvent::Type::check_start:
                start_check();
                break;
            case TapeEvent::Type::check_end:
                end_check();
                break;
        }
        if (replaced) {
            place_correction(found->second.text);
        }
    }
    tape.replaying_ = false;
    tape.after_correction_ = false;
    tape.trim_history();
    effects_ = window;
    queue_.clear();

    // The window learns only what the user sees change: the capture box, and the new result
    // on the clipboard when auto-copy is on.
    if (controls_.autoload != shown_before.autoload) {
        effects_->autoload_changed(controls_.autoload);
    }
    if (controls_.autocopy && registers_.result_shown &&
        controls_.display != shown_before.display) {
        effects_->copy_to_clipboard(controls_.display);
    }
}

// The corrected number enters as if typed: a fresh entry holding the text, after a lone "-"
// that a sign key outside the entry left, as typed digits would follow it.
void Calculator::place_correction(const std::string& text) {
    queue_.clear();
    before_digit();
    begin_entry(EntryOrigin::typed);
    const bool lone_minus = controls_.display == "-" && !text.starts_with('-');
    controls_.display = lone_minus ? "-" + text : text;
    after_digit(true);
    queue_.clear();
}

}  // namespace orvane::engine
