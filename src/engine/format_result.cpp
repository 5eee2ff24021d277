// The result formatter: clip, display text under the rounding choice, auto-copy.
#include "engine/calculator.h"
#include "engine/result_format.h"
#include "numeric/double_text.h"

namespace orvane::engine {

Calculator::Step Calculator::format_result() {
    if (registers_.root_taken) {
        registers_.root_taken = false;
        play_clip("wav_kf");
    } else {
        play_clip("wav_dengyu");
    }
    std::optional<Decimal> value;
    std::string plain;
    if (const double* root = std::get_if<double>(&registers_.accumulator)) {
        // A root is shown through its 15-digit value, always in plain notation.
        value = Decimal::from_double(*root);
        plain = double_plain_text(*root);
    } else {
        value = accumulator_value();
        if (value) {
            plain = value->text();
        }
    }
    if (!value) {
        return Step::ignored;
    }
    controls_.display = result_text(*value, plain, controls_.rounding, controls_.decimals);
    if (controls_.autocopy) {
        queue_.push_back({PendingEffect::Kind::copy, {}, controls_.display, false});
    }
    return Step::go;
}

}  // namespace orvane::engine
