// The words and symbols of the tape as the panel, the clipboard, saved files and orvane-cli
// write them. Numbers are grouped by thousands only for showing; copied and saved numbers
// carry no separators.
#pragma once

#include <string>
#include <string_view>

#include "engine/tape.h"

namespace orvane::engine {

// "1234567.5" → "1,234,567.5", "-1234" → "-1,234"; a text that is no number is returned as is.
[[nodiscard]] std::string grouped_number(std::string_view number);

// The symbol a key leaves on the tape: "＋", "－", "×", "÷", "％", "√", "＝", "MS", "M＋", "MR",
// "MC", "GT", "C", "AC"; "" for the others.
[[nodiscard]] std::string_view tape_symbol(Key key);

enum class NumberStyle { grouped, plain };

// One line as printed: "1,234.5 ＋", "＝ 3,703,703.67", "MS 5", "复核一致", with its marks
// (a check's ✓ or ✘ and the number keyed, a correction's old number).
[[nodiscard]] std::string tape_line_text(const TapeLine& line, NumberStyle style);
// What a screen reader says for the line: "加 1234.5", "结果 3703703.67".
[[nodiscard]] std::string tape_line_spoken(const TapeLine& line);
// Every line, each ended by "\n".
[[nodiscard]] std::string tape_text(const Tape& tape, NumberStyle style);

// The terminal's CSV (English header, LF) and the form saved for spreadsheet programs
// (Chinese header, byte-order mark, CR LF); numbers plain.
enum class TapeCsvStyle { terminal, spreadsheet };
[[nodiscard]] std::string tape_csv(const Tape& tape, TapeCsvStyle style);

// Why a correction was refused ("" when it was done); `line` is null when there is none.
[[nodiscard]] std::string correction_message(Correction outcome, const TapeLine* line);

// The banner of a tape whose oldest lines went: "最早的 12 行已移出记录".
[[nodiscard]] std::string dropped_lines_text(std::uint64_t dropped);

}  // namespace orvane::engine
