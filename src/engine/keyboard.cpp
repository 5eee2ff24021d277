// The main window's two keyboard tables.
#include "engine/keyboard.h"

namespace orvane::engine {

std::optional<Key> key_for_character(char16_t character) {
    switch (character) {
        case 8:
            return Key::Backspace;
        case 13:
        case u'=':
            return Key::Equals;
        case u'*':
            return Key::Multiply;
        case u'+':
            return Key::Add;
        case u'-':
            return Key::Subtract;
        case u'.':
            return Key::Point;
        case u'/':
            return Key::Divide;
        // The letters of the embedded keypad of compact keyboards carry 0 to 6.
        case u'm':
        case u'M':
            return Key::Digit0;
        case u'j':
        case u'J':
            return Key::Digit1;
        case u'k':
        case u'K':
            return Key::Digit2;
        case u'l':
        case u'L':
            return Key::Digit3;
        case u'u':
        case u'U':
            return Key::Digit4;
        case u'i':
        case u'I':
            return Key::Digit5;
        case u'o':
        case u'O':
            return Key::Digit6;
        default:
            break;
    }
    if (character >= u'0' && character <= u'9') {
        return static_cast<Key>(static_cast<int>(Key::Digit0) + (character - u'0'));
    }
    return std::nullopt;
}

std::optional<Command> command_for_release(int key_code, int modifiers) {
    const bool ctrl_only = modifiers == kModCtrl;
    const bool alt_only = modifiers == kModAlt;
    switch (key_code) {
        case 'B':
            return Key::Percent;
        case 'F':
            return Key::SquareRoot;
        case 'G':
            return Key::GrandTotal;
        case kVkDelete:
            return Key::Clear;
        case 'C':
            return ctrl_only ? std::optional<Command>(Key::MemoryClear) : std::nullopt;
        case 'S':
            return ctrl_only ? std::optional<Command>(Key::MemoryStore) : std::nullopt;
        case 'A':
            return ctrl_only ? std::optional<Command>(Key::MemoryAdd) : std::nullopt;
        case 'R':
            return ctrl_only ? std::optional<Command>(Key::MemoryRead) : std::nullopt;
        case kVkF4:
            return alt_only ? std::optional<Command>(WindowCommand::Exit) : std::nullopt;
        case kVkF1:
            return WindowCommand::Help;
        case kVkF2:
            return WindowCommand::SwitchExpression;
        case kVkF3:
            return Key::VoiceSwitch;
        case kVkF7:
            return WindowCommand::SwitchMortgage;
        default:
            return std::nullopt;
    }
}

}  // namespace orvane::engine
