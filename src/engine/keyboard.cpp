// The main window's two keyboard tables.
#include "engine/keyboard.h"

namespace orvane::engine {

std::optional<Key> key_for_character(char16_t character) {
    switch (character) {
        case 8:
            return Key::backspace;
        case 13:
        case u'=':
            return Key::equals;
        case u'*':
            return Key::multiply;
        case u'+':
            return Key::add;
        case u'-':
            return Key::subtract;
        case u'.':
            return Key::point;
        case u'/':
            return Key::divide;
        // The letters of the embedded keypad of compact keyboards carry 0 to 6.
        case u'm':
        case u'M':
            return Key::digit0;
        case u'j':
        case u'J':
            return Key::digit1;
        case u'k':
        case u'K':
            return Key::digit2;
        case u'l':
        case u'L':
            return Key::digit3;
        case u'u':
        case u'U':
            return Key::digit4;
        case u'i':
        case u'I':
            return Key::digit5;
        case u'o':
        case u'O':
            return Key::digit6;
        default:
            break;
    }
    if (character >= u'0' && character <= u'9') {
        return static_cast<Key>(static_cast<int>(Key::digit0) + (character - u'0'));
    }
    return std::nullopt;
}

std::optional<Command> command_for_release(int key_code, int modifiers) {
    const bool ctrl_only = modifiers == kModCtrl;
    const bool alt_only = modifiers == kModAlt;
    switch (key_code) {
        case 'B':
            return Key::percent;
        case 'F':
            return Key::square_root;
        case 'G':
            return Key::grand_total;
        case kVkDelete:
            return Key::clear;
        case 'C':
            return ctrl_only ? std::optional<Command>(Key::memory_clear) : std::nullopt;
        case 'S':
            return ctrl_only ? std::optional<Command>(Key::memory_store) : std::nullopt;
        case 'A':
            return ctrl_only ? std::optional<Command>(Key::memory_add) : std::nullopt;
        case 'R':
            return ctrl_only ? std::optional<Command>(Key::memory_read) : std::nullopt;
        case kVkF4:
            return alt_only ? std::optional<Command>(WindowCommand::exit) : std::nullopt;
        case kVkF1:
            return WindowCommand::help;
        case kVkF3:
            return Key::voice_switch;
        case kVkF8:
            return WindowCommand::tape;
        case kVkF9:
            return Key::read_results_switch;
        case kVkF10:
            return Key::read_display;
        default:
            return std::nullopt;
    }
}

}  // namespace orvane::engine
