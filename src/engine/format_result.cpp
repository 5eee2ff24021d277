// The result formatter: clip, display text under the rounding choice, auto-copy.
#include "engine/calculator.h"
#include "engine/result_format.h"
#include "numeric/double_text.h"

namespace orvane::engine {

Calculator::Step Calculator::format_result() {
    const std::string_view clip = registers_.root_taken ? "wav_kf" : "wav_dengyu";
    registers_.root_taken = false;
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
    // The clip goes before the copy, as it always did; with 朗读结果 the result follows it.
    if (registers_.read_results) {
        play_reading(clip, controls_.display);
    } else {
        play_clip(clip);
    }
    if (controls_.autocopy) {
        queue_.push_back({PendingEffect::Kind::copy, {}, controls_.display, false, {}});
    }
    return Step::go;
}

}  // namespace orvane::engine
