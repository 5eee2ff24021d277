// Qt key events translated into what the keyboard tables read: the typed character and the
// released key's virtual-key code with its modifier bits.
#pragma once

#include <QString>
#include <Qt>
#include <optional>

namespace orvane {

// The character a key press types (Backspace 8, Return and keypad Enter 13), or nullopt when
// it types none. Ctrl or Alt combinations type no character.
std::optional<char16_t> typed_character(int qt_key, Qt::KeyboardModifiers modifiers,
                                        const QString& text);

// The virtual-key code of a physical key (letters as their upper-case code, digits, Delete,
// F1 to F12), or nullopt for keys the release table never names.
std::optional<int> virtual_key_code(int qt_key);

// The desktop's clipboard keys: Ctrl+V and Shift+Insert paste, Ctrl+Insert copies the
// display. Ctrl+C is not one of them (it is MC). Keypad flags do not count.
enum class ClipboardKey { paste, copy };
[[nodiscard]] std::optional<ClipboardKey> clipboard_key(int qt_key,
                                                        Qt::KeyboardModifiers modifiers);

// Shift 1, Ctrl 2, Alt 4, added together; the keypad and Meta flags do not count.
int modifier_bits(Qt::KeyboardModifiers modifiers);

}  // namespace orvane
