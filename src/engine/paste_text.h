// The lenient reading of a pasted clipboard text (Ctrl+V / Shift+Insert).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::engine {

// Reads a pasted UTF-8 text as a number and returns it as the ASCII number text the entry
// takes ("-1234.5"), or nullopt when the text is not a number (a paste of it is ignored).
// Accepted, in this order: surrounding spaces, tabs and line breaks; one leading currency
// sign (¥ ￥ $); one leading minus ("-" or full-width "－", before or after the sign);
// digits, ASCII or full-width; one point ("." or full-width "．").
// Thousands separators ("," or full-width "，") are accepted only in the whole part and only
// where they group digits by three: a first group of one to three digits, then groups of
// exactly three ("1,234,567.89"). Any other comma ("12,34", "1,23", ",123", "1,,234") makes
// the text a non-number: it may be a decimal comma, and guessing would change the value.
// Length: the whole part (with its minus) must fit `limit` characters, else nullopt (the
// number cannot be shown without losing digits); fraction digits beyond the limit are cut,
// as for any text placed on the display. Leading zeros go as in a fresh entry.
[[nodiscard]] std::optional<std::string> read_pasted_number(std::string_view text,
                                                            std::size_t limit);

}  // namespace orvane::engine
