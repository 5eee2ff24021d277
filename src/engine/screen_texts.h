// The words and symbols the edges show for the engine's meanings: the window's indicator and
// lists, orvane-cli's tokens and trace, and the start-up report. The engine itself never
// compares texts.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/calculator.h"

namespace orvane::engine {

// The rounding list's entries, in list order.
inline constexpr std::array<Rounding, 3> kRoundingModes = {Rounding::none, Rounding::cut,
                                                           Rounding::round};
// The decimals list offers 0 to this many places.
inline constexpr int kListedDecimals = 4;

// "＋", "－", "×", "÷"; "" for Operator::none.
[[nodiscard]] std::string_view operator_symbol(Operator op);

// The rounding list's texts: "不作处理", "直接舍去", "四舍五入".
[[nodiscard]] std::string_view rounding_caption(Rounding mode);

// The terminal's words for the modes: "none", "cut", "round".
[[nodiscard]] std::string_view rounding_word(Rounding mode);
[[nodiscard]] std::optional<Rounding> rounding_from_word(std::string_view word);

}  // namespace orvane::engine
