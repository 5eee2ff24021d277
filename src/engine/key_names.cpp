#include "engine/key_names.h"

#include <utility>

namespace orvane::engine {

std::optional<Key> key_from_name(std::string_view name) {
    static const std::pair<std::string_view, Key> kKeys[] = {
        {"0", Key::Digit0},
        {"1", Key::Digit1},
        {"2", Key::Digit2},
        {"3", Key::Digit3},
        {"4", Key::Digit4},
        {"5", Key::Digit5},
        {"6", Key::Digit6},
        {"7", Key::Digit7},
        {"8", Key::Digit8},
        {"9", Key::Digit9},
        {"00", Key::DoubleZero},
        {".", Key::Point},
        {"sign", Key::Sign},
        {"back", Key::Backspace},
        {"C", Key::Clear},
        {"AC", Key::ClearAll},
        {"+", Key::Add},
        {"-", Key::Subtract},
        {"*", Key::Multiply},
        {"/", Key::Divide},
        {"=", Key::Equals},
        {"%", Key::Percent},
        {"sqrt", Key::SquareRoot},
        {"MS", Key::MemoryStore},
        {"M+", Key::MemoryAdd},
        {"MR", Key::MemoryRead},
        {"MC", Key::MemoryClear},
        {"GT", Key::GrandTotal},
        {"voice", Key::VoiceSwitch},
    };
    for (const auto& [key_name, key] : kKeys) {
        if (key_name == name) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace orvane::engine
