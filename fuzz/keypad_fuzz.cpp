// The keypad engine fed token streams (the names of the key tests, separated by spaces or
// line breaks; "tick:" takes the rest of its line as the clipboard text). After every token
// the register rules of the randomised key test must hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "register_invariants.h"

namespace {

using orvane::engine::testing::Harness;

constexpr std::size_t kMaxTokens = 2000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    Harness h;
    std::size_t tokens = 0;
    while (!input.empty() && tokens < kMaxTokens) {
        const std::size_t start = input.find_first_not_of(" \n");
        if (start == std::string_view::npos) {
            break;
        }
        input.remove_prefix(start);
        const bool tick = input.starts_with("tick:");
        const std::size_t end = tick ? input.find('\n') : input.find_first_of(" \n");
        const std::string_view token = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end);

        // The decimals list offers 0 to 4; larger counts come only from start-up options,
        // whose rule for them is still open, so the rules below do not cover them.
        if (token.starts_with("decimals=") &&
            (token.size() != 10 || token[9] < '0' || token[9] > '4')) {
            continue;
        }
        const bool voice_before = h.registers.voice_on;
        h.recorder.reset_log();
        if (!h.token(token)) {
            continue;  // not a token: skipped, as a stray byte in a key stream would be
        }
        ++tokens;
        const std::string breach =
            orvane::engine::testing::invariant_breach(h, token, voice_before);
        if (!breach.empty()) {
            std::fprintf(stderr, "engine state broken: %s\n", breach.c_str());
            std::abort();
        }
    }
    return 0;
}
