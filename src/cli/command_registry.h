// orvane-cli's subcommands register themselves here, one file each.
#pragma once

#include <string_view>
#include <vector>

namespace orvane::cli {

// Runs a subcommand with its own arguments (argv[0] is the subcommand's name); returns the
// process exit code: 0 success, 1 a calculation or validation failure, 2 invalid usage.
using CommandFn = int (*)(int argc, char** argv);

struct Command {
    std::string_view name;
    std::string_view summary;
    CommandFn run;
};

std::vector<Command>& commands();

struct Registrar {
    explicit Registrar(Command command) { commands().push_back(command); }
};

}  // namespace orvane::cli
