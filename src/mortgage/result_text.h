// The text of a result caption: the value rounded to 2 decimals, a tie going to the even
// neighbour, in its shortest general form (716.43, 60202.2, 1000).
#pragma once

#include <string>

namespace orvane::mortgage {

// Ties are judged on the value's 15-significant-digit decimal form, the digits a user would
// see, not on the binary expansion (1.015 -> "1.02", 0.125 -> "0.12"). A value that is not
// finite gives the empty text.
std::string result_text(double value);

}  // namespace orvane::mortgage
