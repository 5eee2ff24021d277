// The calculator's side of the tape: the key stream, the lines each key writes (held until
// the key has completed, so that an ignored key writes nothing), and the check.
#include <utility>

#include "engine/calculator.h"
#include "engine/tape.h"

namespace orvane::engine {

bool Calculator::recording() const {
    return tape_ != nullptr;
}

void Calculator::attach_tape(Tape* tape) {
    tape_ = tape;
    if (tape_ == nullptr) {
        return;
    }
    if (tape_->snapshots_.empty()) {
        tape_->reset(registers_, controls_);
        return;
    }
    // The window was loaded afresh: its controls start again from the presets.
    TapeEvent event(TapeEvent::Type::load);
    event.presets = presets_;
    record_event(std::move(event));
    tape_->entry_origin_ = EntryOrigin::unknown;
}

void Calculator::clear_tape() {
    if (tape_ != nullptr) {
        tape_->reset(registers_, controls_);
    }
}

void Calculator::record_event(TapeEvent event) {
    if (!tape_->replaying_) {
        position_ = tape_->record(std::move(event));
    }
}

void Calculator::record_key(Key key) {
    if (recording()) {
        record_event(TapeEvent(TapeEvent::Type::key, key));
    }
}

void Calculator::record_setting(Setting setting, int value) {
    static constexpr TapeEvent::Type kTypes[] = {
        TapeEvent::Type::rounding, TapeEvent::Type::decimals, TapeEvent::Type::autocopy,
        TapeEvent::Type::autoload};
    TapeEvent event(kTypes[static_cast<int>(setting)]);
    event.number = value;
    record_event(std::move(event));
}

void Calculator::note(LineKind kind, std::string value) {
    if (!recording()) {
        return;
    }
    TapeLine line;
    line.kind = kind;
    line.key = current_key_;
    line.value = std::move(value);
    line.position = position_;
    line.recomputed = tape_->after_correction_ && kind != LineKind::clear_entry &&
                      kind != LineKind::clear && kind != LineKind::clear_all;
    tape_->pending_.push_back(std::move(line));
}

void Calculator::note_number(std::string_view value) {
    if (!recording() || number_noted_) {
        return;
    }
    TapeLine line;
    line.key = current_key_;
    line.value = std::string(value);
    line.position = position_;
    line.entry_begin = tape_->entry_begin_;
    line.origin = tape_->entry_origin_;
    if (const auto found = tape_->corrections_.find(line.entry_begin);
        found != tape_->corrections_.end() && tape_->replaying_ &&
        line.origin != EntryOrigin::unknown) {
        line.corrected = true;
        line.original = found->second.original;
        tape_->after_correction_ = true;
    }
    tape_->entry_origin_ = EntryOrigin::unknown;
    tape_->pending_.push_back(std::move(line));
    number_noted_ = true;
}

void Calculator::begin_entry(EntryOrigin origin) {
    if (recording()) {
        tape_->entry_begin_ = position_;
        tape_->entry_origin_ = origin;
        tape_->entry_cleared_ = false;
    }
}

void Calculator::restart_entry() {
    if (recording()) {
        tape_->entry_origin_ = EntryOrigin::unknown;
        tape_->entry_cleared_ = true;
    }
}

bool Calculator::entry_was_cleared() const {
    return recording() && tape_->entry_cleared_;
}

void Calculator::remember_sign_key() {
    tape_->sign_key_ = position_;
}

// A number keyed after a lone "-" began with the sign key.
void Calculator::note_sign_start() {
    if (tape_->sign_key_) {
        tape_->entry_begin_ = *tape_->sign_key_;
    }
}

void Calculator::finish_tape_step(Key key) {
    if (!recording()) {
        result_due_ = false;
        number_noted_ = false;
        return;
    }
    if (result_due_) {
        note(LineKind::result, controls_.display);
    }
    if (key == Key::clear_all && tape_->checking()) {
        tape_->add(tape_->end_check());
    }
    if (commit_lines()) {
        queue_.push_back({PendingEffect::Kind::mismatch, {}, {}, false, {}});
    }
    if (key == Key::clear_all) {
        tape_->take_snapshot(registers_, controls_);
    }
    if (key != Key::sign && key != Key::backspace) {
        tape_->sign_key_.reset();
    }
    drop_tape_step();
}

// True when a number keyed in a check differed from the tape's.
bool Calculator::commit_lines() {
    bool differed = false;
    for (auto& line : tape_->pending_) {
        differed = tape_->add(std::move(line)) || differed;
    }
    tape_->pending_.clear();
    return differed;
}

void Calculator::drop_tape_step() {
    result_due_ = false;
    number_noted_ = false;
    if (recording()) {
        tape_->pending_.clear();
    }
}

// Both go into the key stream even when they change nothing, so that every request of the
// user has its place in it.
void Calculator::start_check() {
    if (!recording()) {
        return;
    }
    record_event(TapeEvent(TapeEvent::Type::check_start));
    if (!tape_->checking()) {
        tape_->start_check();
    }
}

void Calculator::end_check() {
    if (!recording()) {
        return;
    }
    record_event(TapeEvent(TapeEvent::Type::check_end));
    if (tape_->checking()) {
        tape_->add(tape_->end_check());
    }
}

}  // namespace orvane::engine
