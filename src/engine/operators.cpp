// The four operator keys, the operator step, the pending computation and equals.
#include "engine/calculator.h"
#include "engine/tape.h"
#include "engine/text_rules.h"

namespace orvane::engine {
namespace {

// The display texts that equals leaves out of the grand total.
bool left_out_of_grand_total(std::string_view display) {
    return display == "0." || display.empty() || display == kDivideByZeroText ||
           display == kOverflowText;
}

DecimalResult apply(Operator op, const Decimal& first, const Decimal& second) {
    switch (op) {
        case Operator::multiply:
            return multiply(first, second);
        case Operator::divide:
            return divide(first, second);
        case Operator::add:
            return add(first, second);
        case Operator::subtract:
        case Operator::none:
            break;
    }
    return subtract(first, second);
}

}  // namespace

Calculator::Step Calculator::operator_key(Operator op, std::string_view clip) {
    const bool after_result = registers_.result_shown;
    const Operator chosen_before = controls_.sign;
    const Step step = operator_step();
    if (step == Step::ignored) {
        return step;
    }
    // With no first operand the key is ignored: no clip, no indicator.
    if (!accumulator_empty()) {
        // A result taken further, or another operator chosen, is written with the number
        // the operator applies to.
        if (recording() && !number_noted_ && (after_result || chosen_before != op)) {
            note(LineKind::carried, controls_.display);
        }
        play_clip(clip);
        controls_.sign = op;
        controls_.sign_visible = true;
    }
    return Step::go;
}

Calculator::Step Calculator::operator_step() {
    if (!controls_.display.empty()) {
        untick_autoload();
    }
    registers_.result_shown = false;
    if (!controls_.entry_active) {
        return Step::go;
    }
    const std::string_view trimmed = trim_spaces(controls_.display);
    if (!trimmed.empty()) {
        note_number(trimmed);
        registers_.operand = std::string(trimmed);
        if (accumulator_empty()) {
            registers_.accumulator = std::string(trimmed);
        }
    }
    registers_.pending_op = controls_.sign;
    return apply_pending();
}

Calculator::Step Calculator::apply_pending() {
    focus_window();
    const Operator op = registers_.pending_op;
    if (!registers_.operand.empty() && op != Operator::none) {
        const auto operand = Decimal::parse(registers_.operand);
        if (!operand) {
            return Step::ignored;
        }
        if (op == Operator::divide && operand->is_zero()) {
            show_error(kDivideByZeroText);
            return Step::error;
        }
        const auto first = accumulator_value();
        if (!first) {
            return Step::ignored;
        }
        const DecimalResult result = apply(op, *first, *operand);
        if (!result.ok()) {
            show_error(kOverflowText);
            return Step::error;
        }
        registers_.accumulator = result.value;
        if (format_result() == Step::ignored) {
            return Step::ignored;
        }
    }
    registers_.last_operand = registers_.operand;
    registers_.operand.clear();
    controls_.entry_active = false;
    return Step::go;
}

// Division by zero, and a result beyond the decimal range, which is handled the same way.
void Calculator::show_error(std::string_view text) {
    note(LineKind::error, std::string(text));
    controls_.display = std::string(text);
    registers_.operand.clear();
    registers_.accumulator = std::monostate{};
    controls_.sign = Operator::none;
    controls_.sign_visible = false;
    controls_.entry_active = false;
    registers_.result_shown = false;
}

// A sum beyond the range leaves the grand total as it was; a display that is not a number
// makes the whole key void.
Calculator::Step Calculator::add_display_to_grand_total() {
    const auto shown = Decimal::parse(controls_.display);
    const auto total = Decimal::parse(controls_.grand_total);
    if (!shown || !total) {
        return Step::ignored;
    }
    const DecimalResult sum = add(*total, *shown);
    if (sum.ok()) {
        controls_.grand_total = sum.value.text();
    }
    return Step::go;
}

Calculator::Step Calculator::equals() {
    if (registers_.result_shown) {
        // Repeat the last operation with the last second operand.
        registers_.operand = registers_.last_operand;
        const Step step = apply_pending();
        if (step != Step::go) {
            return step;
        }
        controls_.entry_active = true;
        result_due_ = true;
        return add_display_to_grand_total();
    }
    const Step step = operator_step();
    if (step == Step::ignored) {
        return step;
    }
    controls_.sign = Operator::none;
    controls_.sign_visible = false;
    controls_.entry_active = false;
    registers_.result_shown = true;
    if (left_out_of_grand_total(controls_.display)) {
        registers_.result_shown = false;
        return step;
    }
    result_due_ = true;
    const Step total = add_display_to_grand_total();
    return total == Step::ignored ? total : step;
}

}  // namespace orvane::engine
