// orvane-cli mortgage: the mortgage window's computation on the five input texts.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <string>
#include <variant>
#include <vector>

#include "cli/command_registry.h"
#include "mortgage/repayment.h"

namespace {

// The platform's CR LF line breaks become the terminal's.
std::string terminal_lines(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.erase(at, 1);
    }
    return text;
}

// "--rate=" means the empty text; the parser would take the next argument as its value, so
// it is split into "--rate" and "".
std::vector<std::string> with_empty_values(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 0; i < argc; ++i) {
        std::string arg = argv[i];
        if (i > 0 && arg.size() > 3 && arg.starts_with("--") && arg.find('=') == arg.size() - 1) {
            arg.pop_back();
            args.push_back(arg);
            args.emplace_back();
        } else {
            args.push_back(arg);
        }
    }
    return args;
}

int run_mortgage(int argc, char** argv) {
    namespace m = orvane::mortgage;
    CLI::App app{
        "The mortgage calculator: prints the monthly payment and total interest of "
        "equal instalments, then the first month's payment and total interest of "
        "equal principal, one per line.",
        "orvane-cli mortgage"};
    m::RepaymentInput input;
    auto terms = m::term_items();
    terms.insert(terms.begin(), "");
    app.add_option("--years", input.years, "term in years: 5 to 30, or empty (none chosen)")
        ->check(CLI::IsMember(terms));
    app.add_option("--rate", input.base_rate, "base rate in percent a year, as typed");
    app.add_option("--direction", input.direction, "rate float: empty, 上浮 or 下浮")
        ->check(CLI::IsMember({std::string(), std::string(m::kRaise), std::string(m::kLower)}));
    app.add_option("--float", input.float_percent, "rate float in percent, as typed");
    app.add_option("--amount", input.amount, "loan amount in units of 10,000 yuan, as typed");
    try {
        auto args = with_empty_values(argc, argv);
        std::vector<char*> pointers;
        for (auto& arg : args) {
            pointers.push_back(arg.data());
        }
        app.parse(static_cast<int>(pointers.size()), pointers.data());
    } catch (const CLI::ParseError& error) {
        const int code = app.exit(error);
        return code == 0 ? 0 : 2;
    }

    const auto outcome = m::compute_repayment(input);
    if (const auto* failure = std::get_if<m::ValidationFailure>(&outcome)) {
        std::cerr << terminal_lines(failure->message) << '\n';
        return 1;
    }
    const auto& results = std::get<m::RepaymentResults>(outcome);
    std::cout << results.instalment_payment << '\n'
              << results.instalment_interest << '\n'
              << results.principal_payment << '\n'
              << results.principal_interest << '\n';
    return 0;
}

const orvane::cli::Registrar kRegistrar{
    {"mortgage", "repayments of a house loan (both schemes)", &run_mortgage}};

}  // namespace
