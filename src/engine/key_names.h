// The short names of the calculator keys, as orvane-cli and the tests spell them
// ("7", "00", ".", "sign", "back", "C", "AC", "+", "sqrt", "MS", "GT", "voice", "read", ...).
#pragma once

#include <optional>
#include <string_view>

#include "engine/calculator.h"

namespace orvane::engine {

std::optional<Key> key_from_name(std::string_view name);

}  // namespace orvane::engine
