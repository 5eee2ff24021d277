// The engine's frame: construction, the load step, control changes and the transaction
// around every key (a key whose conversion fails is undone, its side effects dropped).
#include "engine/calculator.h"

#include <utility>

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
        case Key::Add:
        case Key::Subtract:
        case Key::Multiply:
        case Key::Divide:
        case Key::Equals:
        case Key::Percent:
        case Key::SquareRoot:
        case Key::MemoryAdd:
            return true;
        default:
            return false;
    }
}

}  // namespace

Calculator::Calculator(Registers& registers, Effects& effects)
    : registers_(registers), effects_(effects) {
    queue_.reserve(8);
}

void Calculator::load(const LoadPresets& presets) {
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
    queue_.clear();
    if (!may_be_ignored(key)) {
        run(key);
        flush_effects();
        return;
    }
    Registers registers_before = registers_;
    Controls controls_before = controls_;
    if (run(key) == Step::ignored) {
        registers_ = std::move(registers_before);
        controls_ = std::move(controls_before);
        queue_.clear();
        return;
    }
    flush_effects();
}

void Calculator::set_rounding(Rounding mode) {
    controls_.rounding = mode;
    controls_.decimals_enabled = mode != Rounding::none;
}

void Calculator::set_decimals(int count) {
    // Beyond the decimal type's scale there is no defined rule.
    if (count >= 0 && count <= Decimal::kMaxScale) {
        controls_.decimals = count;
    }
}

void Calculator::set_autocopy(bool ticked) {
    controls_.autocopy = ticked;
}

void Calculator::set_autoload(bool ticked) {
    if (controls_.autoload == ticked) {
        return;
    }
    controls_.autoload = ticked;
    effects_.autoload_changed(ticked);
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
        case Key::Digit0:
            zero_key();
            break;
        case Key::Digit1:
        case Key::Digit2:
        case Key::Digit3:
        case Key::Digit4:
        case Key::Digit5:
        case Key::Digit6:
        case Key::Digit7:
        case Key::Digit8:
        case Key::Digit9:
            digit_key(
                static_cast<char>('0' + (static_cast<int>(key) - static_cast<int>(Key::Digit0))));
            break;
        case Key::DoubleZero:
            double_zero_key();
            break;
        case Key::Point:
            point_key();
            break;
        case Key::Sign:
            sign_key();
            break;
        case Key::Backspace:
            backspace_key();
            break;
        case Key::Clear:
            clear_key();
            break;
        case Key::ClearAll:
            clear_all_key();
            break;
        case Key::Add:
            return operator_key(Operator::add, "wav_jia");
        case Key::Subtract:
            return operator_key(Operator::subtract, "wav_jian");
        case Key::Multiply:
            return operator_key(Operator::multiply, "wav_chen");
        case Key::Divide:
            return operator_key(Operator::divide, "wav_chu");
        case Key::Equals:
            return equals();
        case Key::Percent:
            return percent_key();
        case Key::SquareRoot:
            return square_root_key();
        case Key::MemoryStore:
            memory_store();
            break;
        case Key::MemoryAdd:
            return memory_add();
        case Key::MemoryRead:
            memory_read();
            break;
        case Key::MemoryClear:
            controls_.memory.clear();
            break;
        case Key::GrandTotal:
            grand_total_key();
            break;
        case Key::VoiceSwitch:
            voice_switch();
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
        queue_.push_back({PendingEffect::Kind::clip, name, {}, false});
    }
}

void Calculator::untick_autoload() {
    if (controls_.autoload) {
        controls_.autoload = false;
        queue_.push_back({PendingEffect::Kind::autoload, {}, {}, false});
    }
}

void Calculator::focus_window() {
    queue_.push_back({PendingEffect::Kind::focus, {}, {}, false});
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
                effects_.play_clip(effect.clip);
                break;
            case PendingEffect::Kind::copy:
                effects_.copy_to_clipboard(effect.text);
                break;
            case PendingEffect::Kind::autoload:
                effects_.autoload_changed(effect.ticked);
                break;
            case PendingEffect::Kind::focus:
                effects_.focus_window();
                break;
            case PendingEffect::Kind::egg:
                effects_.easter_egg();
                break;
        }
    }
    batch.clear();
    if (queue_.empty()) {
        queue_.swap(batch);  // keep the capacity for the next key
    }
}

}  // namespace orvane::engine
