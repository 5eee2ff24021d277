#include "app/terminal_answer.h"

namespace orvane::app {

namespace {

constexpr std::string_view kHelp =
    "Usage: orvane-calculator [OPTIONS]\n"
    "A keypad, expression and mortgage calculator. The options are written together or apart,\n"
    "in any case; spaces are ignored (e.g. /f3/ac or \"/F3 /AC\").\n"
    "\n"
    "  /f2     open the expression calculator first (paired with one option: only /ac)\n"
    "  /f7     open the mortgage calculator (on its own only)\n"
    "  /f3     voice on: every key is spoken\n"
    "  /ac     copy every result to the clipboard\n"
    "  /ag     capture numbers from the clipboard\n"
    "  /uN     round results to N decimals, N 0..4\n"
    "  /cN     cut results to N decimals, N 0..4 (not with /u)\n"
    "\n"
    "  --help     print this text and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "An invalid command line is reported in a message box. See orvane-calculator(1).\n";

}  // namespace

std::optional<std::string> terminal_answer(int argc, const char* const* argv,
                                           std::string_view version) {
    if (argc != 2) {
        return std::nullopt;
    }
    const std::string_view argument = argv[1];
    if (argument == "--help") {
        return std::string(kHelp);
    }
    if (argument == "--version") {
        return "orvane-calculator " + std::string(version) + "\n";
    }
    return std::nullopt;
}

}  // namespace orvane::app
