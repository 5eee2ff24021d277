// Reading the numbers typed into the mortgage window's text boxes.
#pragma once

#include <optional>
#include <string_view>

namespace orvane::mortgage {

// The base-rate rule: only ASCII digits and at most one ".", and at least one digit (a lone
// "." is no rate). The empty text fails too; the caller tests it first with its own message.
bool is_base_rate_text(std::string_view text);

// A decimal number as typed: optional spaces around it, an optional "+" or "-", then digits
// with at most one "." and at least one digit. Nothing else (no exponent, no separators).
// Magnitudes beyond the double range read as infinity, tiny ones as zero.
std::optional<double> read_number(std::string_view text);

// A whole number as typed: an optional "+" or "-", then ASCII digits only. Magnitudes beyond
// a million read as a million, which every caller's range refuses.
std::optional<int> read_whole_number(std::string_view text);

}  // namespace orvane::mortgage
