// orvane-cli: the calculators in a terminal, and the seam through which tests drive them.
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "cli/command_registry.h"

namespace orvane::cli {

std::vector<Command>& commands() {
    static std::vector<Command> registered;
    return registered;
}

}  // namespace orvane::cli

namespace {

void print_usage(std::FILE* out) {
    std::fprintf(out, "Usage: orvane-cli COMMAND [ARGS...]\n\nCommands:\n");
    auto list = orvane::cli::commands();
    std::sort(list.begin(), list.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& command : list) {
        std::fprintf(out, "  %-10.*s %.*s\n", static_cast<int>(command.name.size()),
                     command.name.data(), static_cast<int>(command.summary.size()),
                     command.summary.data());
    }
    std::fprintf(out, "\nRun 'orvane-cli COMMAND --help' for a command's options.\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        print_usage(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        print_usage(stdout);
        return 0;
    }
    for (const auto& command : orvane::cli::commands()) {
        if (command.name == name) {
            return command.run(argc - 1, argv + 1);
        }
    }
    std::fprintf(stderr, "orvane-cli: unknown command '%s'\n\n", argv[1]);
    print_usage(stderr);
    return 2;
}
