#include "engine/key_names.h"

#include <utility>

namespace orvane::engine {

std::optional<Key> key_from_name(std::string_view name) {
    static const std::pair<std::string_view, Key> kKeys[] = {
        {"0", Key::digit0},
        {"1", Key::digit1},
        {"2", Key::digit2},
        {"3", Key::digit3},
        {"4", Key::digit4},
        {"5", Key::digit5},
        {"6", Key::digit6},
        {"7", Key::digit7},
        {"8", Key::digit8},
        {"9", Key::digit9},
        {"00", Key::double_zero},
        {".", Key::point},
        {"sign", Key::sign},
        {"back", Key::backspace},
        {"C", Key::clear},
        {"AC", Key::clear_all},
        {"+", Key::add},
        {"-", Key::subtract},
        {"*", Key::multiply},
        {"/", Key::divide},
        {"=", Key::equals},
        {"%", Key::percent},
        {"sqrt", Key::square_root},
        {"MS", Key::memory_store},
        {"M+", Key::memory_add},
        {"MR", Key::memory_read},
        {"MC", Key::memory_clear},
        {"GT", Key::grand_total},
        {"voice", Key::voice_switch},
        {"read", Key::read_display},
    };
    for (const auto& [key_name, key] : kKeys) {
        if (key_name == name) {
            return key;
        }
    }
    return std::nullopt;
}

}  // namespace orvane::engine
