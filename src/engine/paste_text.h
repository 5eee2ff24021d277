// Reading a number from the clipboard: the lenient reading of a paste (Ctrl+V / Shift+Insert),
// the strict one of a capture tick, and the length rule both share.
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
// Length: whole_part_fits below. Leading zeros go as in a fresh entry.
[[nodiscard]] std::optional<std::string> read_pasted_number(std::string_view text,
                                                            std::size_t limit);

// Reads a clipboard text for a capture tick and returns the text the display takes, or
// nullopt when it is rejected. Strict: the text's first `limit` characters must be ASCII
// digits with at most one point, and not zeros alone without a point; they are taken as they
// stand ("007", "5."), and what follows them is not looked at, except that the whole part
// must fit (whole_part_fits): "1234567890123" is rejected, not shown as "123456789012".
[[nodiscard]] std::optional<std::string> read_captured_number(std::string_view text,
                                                              std::size_t limit);

// The one length rule of a number taken from the clipboard, pasted or captured: its whole
// part (a leading "-" and the ASCII digits before the point or the end) must fit `limit`
// characters, or the text is ignored, since it cannot be shown without losing digits. Fraction
// digits beyond the limit are cut, as for any text placed on the display.
[[nodiscard]] bool whole_part_fits(std::string_view number, std::size_t limit);

}  // namespace orvane::engine
