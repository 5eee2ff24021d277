// orvane-cli eval: what the expression window's result label would show.
//
//   orvane-cli eval [--full] EXPR     one formula (one that starts with "-" too: -2+3)
//   orvane-cli eval [--full] -        one formula per line from stdin
//
// The formula is cleaned as the window cleans it (every space deleted). Success prints the
// label's caption (the first 12 characters; --full: the whole text) and exits 0; an empty
// formula prints an empty line. A failing formula prints nothing on stdout, the window's error
// message on stderr, and exits 1. From stdin every line is evaluated on its own: a failing line
// prints an empty line on stdout (so output lines match input lines) and the message on stderr, the
// other lines go on, and the exit code is 1 when any line failed.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <string>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "expression/formula_steps.h"

namespace {

namespace expr = orvane::expression;

// Prints one formula's result line; true when it evaluated. A failure prints the message,
// and an empty result line when lines must stay matched with the input.
bool print_evaluation(const std::string& typed, bool full, bool empty_line_on_failure) {
    const expr::Evaluation evaluation = expr::evaluate_typed(typed);
    if (!evaluation.ok) {
        if (empty_line_on_failure) {
            std::cout << '\n';
        }
        std::cout.flush();
        std::cerr << evaluation.message << '\n';
        return false;
    }
    std::cout << (full ? evaluation.full_text : evaluation.caption) << '\n';
    return true;
}

int run_eval(int argc, char** argv) {
    CLI::App app{"Evaluate a formula as the expression calculator does", "orvane-cli eval"};
    bool full = false;
    std::string formula;
    app.add_flag("--full", full, "print the whole result text, not the first 12 characters");
    app.add_option("EXPR", formula, "the formula, or - to read one formula per line from stdin")
        ->required();
    if (const auto exit_code = orvane::cli::parse_arguments(app, argc, argv)) {
        return *exit_code;
    }
    if (formula != "-") {
        return print_evaluation(formula, full, false) ? 0 : 1;
    }
    bool all_ok = true;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        all_ok = print_evaluation(line, full, true) && all_ok;
    }
    return all_ok ? 0 : 1;
}

const orvane::cli::Registrar kRegistrar{
    {"eval", "evaluate a formula as the expression calculator does", run_eval}};

}  // namespace
