// `orvane-cli decimal`: one decimal operation per input line, "OP<TAB>A<TAB>B", one result per
// output line. The test seam of the decimal type.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command_registry.h"
#include "numeric/decimal.h"

namespace orvane::cli {
namespace {

constexpr std::string_view kUsage =
    "Usage: orvane-cli decimal < LINES\n"
    "Reads lines OP<TAB>A<TAB>B from stdin and prints one result per line.\n"
    "  add|sub|mul|div  A op B\n"
    "  round            A rounded to B (0..28) decimals, ties to even\n"
    "  int32            A to a 32-bit integer, ties to even (B is -)\n"
    "Results: the value's text, overflow, divide-by-zero or invalid.\n";

std::vector<std::string_view> split_tabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) {
            return fields;
        }
        line.remove_prefix(tab + 1);
    }
}

// Decimal places for round: a plain whole number 0..28.
std::optional<int> parse_places(std::string_view text) {
    if (text.empty() || text.size() > 2) {
        return std::nullopt;
    }
    int places = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        places = places * 10 + (c - '0');
    }
    if (places > Decimal::kMaxScale) {
        return std::nullopt;
    }
    return places;
}

std::string evaluate(std::string_view line) {
    const std::vector<std::string_view> fields = split_tabs(line);
    if (fields.size() != 3) {
        return "invalid";
    }
    const std::string_view op = fields[0];
    const std::optional<Decimal> a = Decimal::parse(fields[1]);
    if (!a) {
        return "invalid";
    }
    if (op == "round") {
        const std::optional<int> places = parse_places(fields[2]);
        return places ? round(*a, *places).text() : "invalid";
    }
    if (op == "int32") {
        if (fields[2] != "-") {
            return "invalid";
        }
        const std::optional<std::int32_t> whole = to_int32(*a);
        return whole ? std::to_string(*whole) : "overflow";
    }
    const std::optional<Decimal> b = Decimal::parse(fields[2]);
    if (!b) {
        return "invalid";
    }
    if (op == "add") {
        return outcome_text(add(*a, *b));
    }
    if (op == "sub") {
        return outcome_text(subtract(*a, *b));
    }
    if (op == "mul") {
        return outcome_text(multiply(*a, *b));
    }
    if (op == "div") {
        return outcome_text(divide(*a, *b));
    }
    return "invalid";
}

int run_decimal(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(kUsage.data(), stdout);
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr, "orvane-cli decimal: unexpected argument '%s'\n\n%s", argv[1],
                     kUsage.data());
        return 2;
    }
    std::ios::sync_with_stdio(false);
    std::string line;
    std::string out;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        out += evaluate(line);
        out += '\n';
        if (out.size() > 1 << 16) {
            std::cout << out;
            out.clear();
        }
    }
    std::cout << out << std::flush;
    return 0;
}

const Registrar kRegistrar{
    {"decimal", "decimal arithmetic on OP<TAB>A<TAB>B lines from stdin", run_decimal}};

}  // namespace
}  // namespace orvane::cli
