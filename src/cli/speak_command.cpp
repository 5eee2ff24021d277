// orvane-cli speak TEXT: the clips that read TEXT aloud as the calculator reads its display,
// on one line separated by spaces ("-0.5" prints "wav_fu wav_0 wav_dian wav_5"). A text that is
// no number reads as nothing: an empty line, exit 0.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "engine/number_reading.h"

namespace {

int run_speak(int argc, char** argv) {
    CLI::App app{"Print the voice clips that read a display text aloud", "orvane-cli speak"};
    std::string text;
    app.add_option("TEXT", text, "the display text, e.g. 12345.67 or -0.5")->required();
    if (const auto exit_code = orvane::cli::parse_arguments(app, argc, argv)) {
        return *exit_code;
    }
    std::string line;
    for (const std::string_view clip : orvane::engine::reading_clips(text)) {
        if (!line.empty()) {
            line += ' ';
        }
        line += clip;
    }
    std::printf("%s\n", line.c_str());
    return 0;
}

const orvane::cli::Registrar kRegistrar{
    {"speak", "print the voice clips that read a number aloud", &run_speak}};

}  // namespace
