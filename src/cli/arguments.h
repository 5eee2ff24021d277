// Parsing a subcommand's arguments with CLI11, where an argument that begins with "-" but names
// none of the subcommand's options is a value (a formula such as -2+3, a key token, an input).
#pragma once

#include <CLI/CLI.hpp>
#include <optional>

namespace orvane::cli {

// Parses argv (argv[0] is the subcommand's name) into `app`. Returns the exit code when the
// process should end now (0 after --help, 2 after a usage error, the message already printed),
// or nothing when the command should run.
[[nodiscard]] std::optional<int> parse_arguments(CLI::App& app, int argc, char** argv);

}  // namespace orvane::cli
