// Text form of a binary double, shared by the keypad's square root and the expression
// calculator: rounded to 15 significant digits, trailing zeros dropped; plain notation when
// 0.0001 <= |x| < 1E15 (decided on the rounded value), otherwise mantissa, "E", sign and at
// least two exponent digits (1.12589990684262E+15, 3.16227766016838E-05). Negative zero is "0".
#pragma once

#include <string>

namespace orvane {

std::string double_text(double value);

// The same 15 significant digits, always in plain notation (0.0000316227766016838).
std::string double_plain_text(double value);

}  // namespace orvane
