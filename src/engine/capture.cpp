// One tick of the clipboard capture timer.
#include <utility>

#include "engine/calculator.h"
#include "engine/paste_text.h"
#include "engine/tape.h"
#include "engine/text_rules.h"

namespace orvane::engine {

void Calculator::capture_tick(std::optional<std::string_view> clipboard_text) {
    // A failed read changes nothing.
    if (!controls_.autoload || !clipboard_text) {
        return;
    }
    std::string clip(first_chars(*clipboard_text, kDisplayLimit));
    auto number = read_captured_number(*clipboard_text, static_cast<std::size_t>(kDisplayLimit));
    if (recording() && (clip != controls_.clip_text ||
                        (number && (*number != controls_.display || !controls_.entry_active ||
                                    registers_.result_shown)))) {
        // Only a tick that changes something goes into the key stream: the timer runs all
        // the time the box is ticked. One character past the display is enough for a replay
        // to apply the whole-part rule again.
        TapeEvent event(TapeEvent::Type::tick);
        event.text = std::string(first_chars(*clipboard_text, kDisplayLimit + 1));
        record_event(std::move(event));
    }
    controls_.clip_text = std::move(clip);
    if (!number) {
        return;
    }
    place_entry(std::move(*number), LineKind::capture);
    if (recording()) {
        commit_lines();
    }
}

void Calculator::paste(std::string_view clipboard_text) {
    if (recording()) {
        TapeEvent event(TapeEvent::Type::paste);
        event.text = std::string(clipboard_text);
        record_event(std::move(event));
    }
    auto number = read_pasted_number(clipboard_text, static_cast<std::size_t>(kDisplayLimit));
    if (number) {
        place_entry(std::move(*number), LineKind::paste);
        if (recording()) {
            commit_lines();
        }
    }
}

void Calculator::place_entry(std::string number, LineKind kind) {
    if (recording() &&
        (number != controls_.display || !controls_.entry_active || registers_.result_shown)) {
        note(kind, number);
        begin_entry(EntryOrigin::clipboard);
    }
    if (registers_.result_shown && controls_.sign == Operator::none) {
        registers_.result_shown = false;
        registers_.accumulator = std::monostate{};
        registers_.pending_op = Operator::none;
    }
    controls_.display = std::move(number);
    controls_.entry_active = true;
}

}  // namespace orvane::engine
