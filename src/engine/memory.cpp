// The memory keys and the grand-total key.
#include "engine/calculator.h"
#include "engine/tape.h"

namespace orvane::engine {

void Calculator::memory_store() {
    if (!controls_.entry_active) {
        controls_.memory = controls_.display;
        note(LineKind::memory, controls_.memory);
    }
}

// A sum beyond the range, or a memory or display that is not a number, leaves the memory
// as it was.
Calculator::Step Calculator::memory_add() {
    if (controls_.memory.empty()) {
        return Step::go;
    }
    const auto stored = Decimal::parse(controls_.memory);
    const auto shown = Decimal::parse(controls_.display);
    if (!stored || !shown) {
        return Step::ignored;
    }
    const DecimalResult sum = add(*stored, *shown);
    if (!sum.ok()) {
        return Step::ignored;
    }
    controls_.memory = sum.value.text();
    note(LineKind::memory, controls_.display);
    return Step::go;
}

void Calculator::memory_read() {
    if (!controls_.memory.empty()) {
        before_digit();
        begin_entry(EntryOrigin::recalled);
        controls_.display = controls_.memory;
        note(LineKind::memory, controls_.memory);
    }
    after_digit(true);
}

void Calculator::memory_clear() {
    note(LineKind::memory, controls_.memory);
    controls_.memory.clear();
}

void Calculator::grand_total_key() {
    before_digit();
    begin_entry(EntryOrigin::recalled);
    controls_.display = controls_.grand_total;
    note(LineKind::grand_total, controls_.grand_total);
    after_digit(true);
}

}  // namespace orvane::engine
