// The engine's frame: construction, the load step, control changes and the transaction
// around every key (a key whose conversion fails is undone, its side effects dropped).
#include "engine/calculator.h"

#include <utility>

#include "engine/number_reading.h"
#include "engine/result_format.h"
#include "numeric/double_text.h"

namespace orvane::engine {
namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// Keys that read a decimal value and may therefore be ignored after they started.
bool may_be_ignored(Key key) {
    switch (key) {
        case Key::add:
        case Key::subtract:
        case Key::multiply:
        case Key::divide:
        case Key::equals:
        case Key::percent:
        case Key::square_root:
        case Key::memory_add:
            return true;
        default:
            return false;
    }
}

}  // namespace

Calculator::Calculator(Registers& registers, Effects& effects)
    : registers_(registers), effects_(&effects) {
    queue_.reserve(8);
}

void Calculator::load(const LoadPresets& presets) {
    presets_ = presets;
    queue_.clear();
    controls_ = Controls{};
    if (presets.voice) {
        voice_switch();
    }
    if (presets.autocopy) {
        set_autocopy(true);
    }
    flush_effects();
    if (presets.autoload) {
        set_autoload(true);
    }
    if (presets.rounding) {
        set_rounding(*presets.rounding);
        set_decimals(presets.decimals);
    }
}

void Calculator::press(Key key) {
    record_key(key);
    run_key(key);
}

void Calculator::run_key(Key key) {
    queue_.clear();
    current_key_ = key;
    if (!may_be_ignored(key)) {
        run(key);
        finish_tape_step(key);
        flush_effects();
        return;
    }
    Registers registers_before = registers_;
    Controls controls_before = controls_;
    if (run(key) == Step::ignored) {
        registers_ = std::move(registers_before);
        controls_ = std::move(controls_before);
        queue_.clear();
        drop_tape_step();
        return;
    }
    finish_tape_step(key);
    flush_effects();
}

void Calculator::set_rounding(Rounding mode) {
    if (recording()) {
        record_setting(Setting::rounding, static_cast<int>(mode));
    }
    controls_.rounding = mode;
    controls_.decimals_enabled = mode != Rounding::none;
}

void Calculator::set_decimals(int count) {
    // Beyond the decimal type's scale there is no defined rule.
    if (count >= 0 && count <= Decimal::kMaxScale) {
        if (recording()) {
            record_setting(Setting::decimals, count);
        }
        controls_.decimals = count;
    }
}

void Calculator::set_autocopy(bool ticked) {
    if (recording()) {
        record_setting(Setting::autocopy, ticked ? 1 : 0);
    }
    controls_.autocopy = ticked;
}

void Calculator::set_autoload(bool ticked) {
    if (controls_.autoload == ticked) {
        return;
    }
    if (recording()) {
        record_setting(Setting::autoload, ticked ? 1 : 0);
    }
    controls_.autoload = ticked;
    effects_->autoload_changed(ticked);
}

void Calculator::set_read_results(bool on) {
    registers_.read_results = on;
}

std::string Calculator::accumulator_text() const {
    return std::visit(Overloaded{[](std::monostate) { return std::string(); },
                                 [](const std::string& text) { return text; },
                                 [](const Decimal& value) { return value.text(); },
                                 [](double root) { return double_text(root); }},
                      registers_.accumulator);
}

bool Calculator::accumulator_empty() const {
    const auto* text = std::get_if<std::string>(&registers_.accumulator);
    return std::holds_alternative<std::monostate>(registers_.accumulator) ||
           (text != nullptr && text->empty());
}

// An empty first operand counts as 0; a root enters at its 15 significant digits.
std::optional<Decimal> Calculator::accumulator_value() const {
    return std::visit(
        Overloaded{[](std::monostate) -> std::optional<Decimal> { return Decimal{}; },
                   [](const std::string& text) -> std::optional<Decimal> {
                       return text.empty() ? std::optional<Decimal>(Decimal{})
                                           : Decimal::parse(text);
                   },
                   [](const Decimal& value) -> std::optional<Decimal> { return value; },
                   [](double root) { return Decimal::from_double(root); }},
        registers_.accumulator);
}

Calculator::Step Calculator::run(Key key) {
    switch (key) {
        case Key::digit0:
            zero_key();
            break;
        case Key::digit1:
        case Key::digit2:
        case Key::digit3:
        case Key::digit4:
        case Key::digit5:
        case Key::digit6:
        case Key::digit7:
        case Key::digit8:
        case Key::digit9:
            digit_key(
                static_cast<char>('0' + (static_cast<int>(key) - static_cast<int>(Key::digit0))));
            break;
        case Key::double_zero:
            double_zero_key();
            break;
        case Key::point:
            point_key();
            break;
        case Key::sign:
            sign_key();
            break;
        case Key::backspace:
            backspace_key();
            break;
        case Key::clear:
            clear_key();
            break;
        case Key::clear_all:
            clear_all_key();
            break;
        case Key::add:
            return operator_key(Operator::add, "wav_jia");
        case Key::subtract:
            return operator_key(Operator::subtract, "wav_jian");
        case Key::multiply:
            return operator_key(Operator::multiply, "wav_chen");
        case Key::divide:
            return operator_key(Operator::divide, "wav_chu");
        case Key::equals:
            return equals();
        case Key::percent:
            return percent_key();
        case Key::square_root:
            return square_root_key();
        case Key::memory_store:
            memory_store();
            break;
        case Key::memory_add:
            return memory_add();
        case Key::memory_read:
            memory_read();
            break;
        case Key::memory_clear:
            memory_clear();
            break;
        case Key::grand_total:
            grand_total_key();
            break;
        case Key::voice_switch:
            voice_switch();
            break;
        case Key::read_results_switch:
            registers_.read_results = !registers_.read_results;
            break;
        case Key::read_display:
            play_reading({}, controls_.display);
            break;
    }
    return Step::go;
}

void Calculator::voice_switch() {
    if (!controls_.voice_indicator) {
        registers_.voice_on = true;
        controls_.voice_indicator = true;
    } else {
        registers_.voice_on = false;
        controls_.voice_indicator = false;
    }
    play_clip("wav_yuyin");
}

void Calculator::play_clip(std::string_view name) {
    if (registers_.voice_on) {
        queue_.push_back({PendingEffect::Kind::clip, name, {}, false, {}});
    }
}

void Calculator::play_reading(std::string_view lead, std::string_view text) {
    if (!registers_.voice_on) {
        return;
    }
    PendingEffect effect{PendingEffect::Kind::sequence, {}, {}, false, {}};
    if (!lead.empty()) {
        effect.clips.push_back(lead);
    }
    const std::vector<std::string_view> reading = reading_clips(text);
    effect.clips.insert(effect.clips.end(), reading.begin(), reading.end());
    if (!effect.clips.empty()) {
        queue_.push_back(std::move(effect));
    }
}

void Calculator::untick_autoload() {
    if (controls_.autoload) {
        controls_.autoload = false;
        queue_.push_back({PendingEffect::Kind::autoload, {}, {}, false, {}});
    }
}

void Calculator::focus_window() {
    queue_.push_back({PendingEffect::Kind::focus, {}, {}, false, {}});
}

// Runs the held-back effects in order. The batch is taken out first: an effect may open a
// modal dialog whose event loop runs a capture tick on this engine.
void Calculator::flush_effects() {
    if (queue_.empty()) {
        return;
    }
    std::vector<PendingEffect> batch;
    batch.swap(queue_);
    for (const auto& effect : batch) {
        switch (effect.kind) {
            case PendingEffect::Kind::clip:
                effects_->play_clip(effect.clip);
                break;
            case PendingEffect::Kind::sequence:
                effects_->play_sequence(effect.clips);
                break;
            case PendingEffect::Kind::copy:
                effects_->copy_to_clipboard(effect.text);
                break;
            case PendingEffect::Kind::autoload:
                effects_->autoload_changed(effect.ticked);
                break;
            case PendingEffect::Kind::focus:
                effects_->focus_window();
                break;
            case PendingEffect::Kind::egg:
                effects_->easter_egg();
                break;
            case PendingEffect::Kind::mismatch:
                effects_->check_mismatch();
                break;
        }
    }
    batch.clear();
    if (queue_.empty()) {
        queue_.swap(batch);  // keep the capacity for the next key
    }
}

}  // namespace orvane::engine
