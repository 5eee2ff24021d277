// Pure rules on display texts, shared by the key operations and testable on their own.
// Texts are UTF-8; "characters" are code points, so the error texts count as the user sees
// them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::engine {

// Number of characters (code points) in a UTF-8 text.
std::size_t char_count(std::string_view text);

// The first `count` characters of a text (all of it when shorter).
std::string_view first_chars(std::string_view text, std::size_t count);

// Removes the last character (a whole code point); nothing on an empty text.
void remove_last_char(std::string& text);

// Leading and trailing spaces removed.
std::string_view trim_spaces(std::string_view text);

// An optional "-", ASCII digits and at most one ".", with at least one digit.
bool is_number_text(std::string_view text);

// The leading-zero rule of a fresh entry: a number text starting with "0" (but not "0.")
// whose last character is not "0" loses its leading zeros ("05" -> "5", "00.5" -> "0.5").
// Any other text is left alone.
void drop_leading_zeros(std::string& text);

// The display-limit cut for a text placed on the display: beyond the limit, fraction
// characters are dropped, never whole-number digits. A whole part (sign included) as long
// as the limit or longer is kept without the fraction.
void cut_to_display_limit(std::string& text, std::size_t limit);

// True while the entry holds nothing but zeros after an optional "-" ("", "-" included).
bool only_zeros(std::string_view text);

// Whether a clipboard text (already cut to the limit) may be captured: ASCII digits and at
// most one point, and not a text of zeros only without a point.
bool capture_accepts(std::string_view text);

// A number text as a binary double; nullopt for a non-number or a value beyond the range.
std::optional<double> to_double(std::string_view text);

}  // namespace orvane::engine
