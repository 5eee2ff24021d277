// orvane-cli: the calculators in a terminal, and the seam through which tests drive them.
#include <algorithm>
#include <cstdio>
#include <string>
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
    std::fprintf(out,
                 "\nRun 'orvane-cli help COMMAND' (or 'orvane-cli COMMAND --help') for a "
                 "command's options.\n'orvane-cli --version' prints the version.\n");
}

const orvane::cli::Command* find_command(std::string_view name) {
    for (const auto& command : orvane::cli::commands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

int unknown_command(const char* name) {
    std::fprintf(stderr, "orvane-cli: unknown command '%s'\n\n", name);
    print_usage(stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        print_usage(stderr);
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--version" || name == "-V") {
        std::printf("orvane-cli %s\n", ORVANE_VERSION);
        return 0;
    }
    if (name == "--help" || name == "-h" || (name == "help" && argc == 2)) {
        print_usage(stdout);
        return 0;
    }
    if (name == "help") {
        // help COMMAND is COMMAND --help.
        if (argc > 3) {
            std::fprintf(stderr, "orvane-cli help: one command name expected\n");
            return 2;
        }
        const auto* command = find_command(argv[2]);
        if (command == nullptr) {
            return unknown_command(argv[2]);
        }
        std::string help_flag = "--help";
        char* help_argv[] = {argv[2], help_flag.data(), nullptr};
        return command->run(2, help_argv);
    }
    if (const auto* command = find_command(name)) {
        return command->run(argc - 1, argv + 1);
    }
    return unknown_command(argv[1]);
}
