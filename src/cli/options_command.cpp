// orvane-cli options "COMMAND LINE": the entry routine's decision for a command line.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/startup_report.h"
#include "cli/arguments.h"
#include "cli/command_registry.h"

namespace {

int run_options(int argc, char** argv) {
    CLI::App app{
        "Validates a command line as the desktop program does at start and prints the first "
        "window, the start-up values and the state the windows load with."};
    app.name("orvane-cli options");
    std::vector<std::string> words;
    app.add_option("command_line", words,
                   "the program's command line (several words are joined with spaces)");
    if (const auto exit_code = orvane::cli::parse_arguments(app, argc, argv)) {
        return *exit_code;
    }

    const auto startup = orvane::app::read_command_line(orvane::app::join_arguments(words));
    if (!startup.ok()) {
        std::fprintf(stderr, "%s\n", startup.error.c_str());
        return 1;
    }
    for (const auto& [key, value] : orvane::app::startup_report(startup)) {
        std::printf("%s=%s\n", key.c_str(), value.c_str());
    }
    return 0;
}

const orvane::cli::Registrar kRegistrar{
    {"options", "validate a start-up command line and show what it opens", run_options}};

}  // namespace
