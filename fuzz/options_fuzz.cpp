// The start-up option parser on any command line: one of the four messages or a valid
// start, the same decision for the already normalised text, digits 0..9 only.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/options.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view input) {
    std::fprintf(stderr, "%s for '%.*s'\n", what, static_cast<int>(input.size()), input.data());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane::app;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const Startup start = read_command_line(line);
    const std::string normal = normalise_command_line(line);
    if (normalise_command_line(normal) != normal) {
        fail("normalising twice changes the text", line);
    }
    if (start.values.command_options != normal) {
        fail("command options are not the normalised line", line);
    }
    if (normal.find(' ') != std::string::npos) {
        fail("a space left after normalising", line);
    }
    if (start.error != validation_error(normal)) {
        fail("the decision differs from the validation of the normalised text", line);
    }
    if (!start.ok()) {
        const std::string_view messages[] = {kBadLengthMessage, kExpressionPairMessage,
                                             kMortgageAloneMessage, kRoundAndCutMessage};
        bool known = false;
        for (const auto message : messages) {
            known = known || start.error == message;
        }
        if (!known) {
            fail("an unknown message", line);
        }
        return 0;
    }
    const Startup again = read_command_line(normal);
    if (!again.ok() || again.first_window != start.first_window ||
        again.values.option_decimals != start.values.option_decimals ||
        again.values.start_mode != start.values.start_mode) {
        fail("the normalised line decides differently", line);
    }
    if (start.values.option_decimals < 0 || start.values.option_decimals > 9) {
        fail("decimals outside 0..9", line);
    }
    const int mode = start.values.start_mode;
    if (mode != 0 && mode != 1 && mode != 6 && mode != 7) {
        fail("a start mode no option gives", line);
    }
    if (window_name(start.first_window).empty()) {
        fail("a window without a name", line);
    }
    return 0;
}
