// The display text of a computed result under the rounding choice of the two lists.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "numeric/decimal.h"

namespace orvane::engine {

// `value` is the result as a decimal (a root at its 15 significant digits); `plain` is its
// text form in plain notation. `mode` is the mode list's text, `decimals` the decimals
// list's text. Returns the text after the mode's rule and the fix-ups.
std::string result_text(const Decimal& value, std::string_view plain, std::string_view mode,
                        std::string_view decimals);

// The decimals list's text as a count of places; nullopt unless it is a whole number from
// 0 to 28 written without leading zeros.
std::optional<int> decimals_count(std::string_view text);

}  // namespace orvane::engine
