// The keyboard tables of the main window: typed characters and released keys.
#pragma once

#include <optional>
#include <variant>

#include "engine/calculator.h"

namespace orvane::engine {

// Window operations that a released key can run besides calculator keys. The keys that switch
// to another calculator are the windows' own (the same in all three).
enum class WindowCommand { help, exit, tape };
using Command = std::variant<Key, WindowCommand>;

// Modifier bits of a released key.
inline constexpr int kModShift = 1;
inline constexpr int kModCtrl = 2;
inline constexpr int kModAlt = 4;

// Virtual key codes used by the release table (letters are their upper-case ASCII code).
inline constexpr int kVkDelete = 46;
inline constexpr int kVkF1 = 112;
inline constexpr int kVkF3 = 114;
inline constexpr int kVkF4 = 115;
inline constexpr int kVkF8 = 119;
inline constexpr int kVkF9 = 120;
inline constexpr int kVkF10 = 121;

// A typed character (after layout and Shift; Backspace 8, Enter 13) -> the key it clicks.
std::optional<Key> key_for_character(char16_t character);

// A released key with its modifier state (sum of kMod*) -> what it runs.
std::optional<Command> command_for_release(int key_code, int modifiers);

}  // namespace orvane::engine
