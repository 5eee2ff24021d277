// One tick of the clipboard capture timer.
#include <utility>

#include "engine/calculator.h"
#include "engine/paste_text.h"
#include "engine/text_rules.h"

namespace orvane::engine {

void Calculator::capture_tick(std::optional<std::string_view> clipboard_text) {
    // A failed read changes nothing.
    if (!controls_.autoload || !clipboard_text) {
        return;
    }
    controls_.clip_text = std::string(first_chars(*clipboard_text, kDisplayLimit));
    auto number = read_captured_number(*clipboard_text, static_cast<std::size_t>(kDisplayLimit));
    if (number) {
        place_entry(std::move(*number));
    }
}

void Calculator::paste(std::string_view clipboard_text) {
    auto number = read_pasted_number(clipboard_text, static_cast<std::size_t>(kDisplayLimit));
    if (number) {
        place_entry(std::move(*number));
    }
}

void Calculator::place_entry(std::string number) {
    if (registers_.result_shown && controls_.sign == Operator::none) {
        registers_.result_shown = false;
        registers_.accumulator = std::monostate{};
        registers_.pending_op = Operator::none;
    }
    controls_.display = std::move(number);
    controls_.entry_active = true;
}

}  // namespace orvane::engine
