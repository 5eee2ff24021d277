// The percent key (decimal) and the square-root key (binary double).
#include <cmath>

#include "engine/calculator.h"
#include "engine/tape.h"
#include "engine/text_rules.h"

namespace orvane::engine {

Calculator::Step Calculator::percent_key() {
    const std::string_view trimmed = trim_spaces(controls_.display);
    if (trimmed.empty() || trimmed == "-" || trimmed == "0.") {
        return Step::go;
    }
    if (accumulator_empty() && registers_.result_shown) {
        registers_.accumulator = controls_.display;
    }
    const auto shown = Decimal::parse(controls_.display);
    if (!shown) {
        return Step::ignored;
    }
    const DecimalResult fraction = divide(*shown, Decimal::from_int(100));
    DecimalResult percentage = fraction;
    // With × or ÷ chosen the entry becomes a fraction; otherwise a share of the first
    // operand.
    if (controls_.sign != Operator::multiply && controls_.sign != Operator::divide) {
        const auto first = accumulator_value();
        if (!first) {
            return Step::ignored;
        }
        percentage = multiply(fraction.value, *first);
    }
    if (controls_.entry_active) {
        // The tape writes the number keyed, not the share it became.
        note_number(trimmed);
    }
    if (!fraction.ok() || !percentage.ok()) {
        show_error(kOverflowText);
        return Step::error;
    }
    controls_.display = percentage.value.text();
    after_digit(true);
    return equals();
}

Calculator::Step Calculator::square_root_key() {
    const std::string& display = controls_.display;
    if (display.empty() || display.starts_with('-')) {
        return Step::go;
    }
    const auto x = to_double(display);
    if (!x) {
        return Step::ignored;
    }
    registers_.accumulator = std::sqrt(*x);
    registers_.root_taken = true;
    const Step step = equals();
    if (step != Step::go) {
        // An error text stays and nothing more is formatted; the root clip is not left
        // pending for a later result.
        registers_.root_taken = false;
        return step;
    }
    return format_result();
}

}  // namespace orvane::engine
