#include "app/options.h"

namespace orvane::app {

namespace {

constexpr std::string_view kExpression = "/f2";
constexpr std::string_view kMortgage = "/f7";
constexpr std::string_view kAutoCopy = "/ac";
constexpr std::string_view kRound = "/u";
constexpr std::string_view kCut = "/c";

// The rounding lists offer 0 to 4 decimals: every "/u" or "/c" must be followed by one of
// those digits.
bool has_usable_decimals(std::string_view options, std::string_view option) {
    for (auto at = options.find(option); at != std::string_view::npos;
         at = options.find(option, at + 1)) {
        const auto next = at + option.size();
        if (next >= options.size() || options[next] < '0' || options[next] > '4') {
            return false;
        }
    }
    return true;
}

// The digit after the first occurrence of `option` (validated to be 0 to 4).
int decimals_after(std::string_view options, std::string_view option) {
    return options[options.find(option) + option.size()] - '0';
}

}  // namespace

std::string_view window_name(CalculatorKind kind) {
    switch (kind) {
        case CalculatorKind::expression:
            return "BDS";
        case CalculatorKind::mortgage:
            return "House";
        case CalculatorKind::standard:
            break;
    }
    return "Tallybox";
}

std::string join_arguments(const std::vector<std::string>& arguments) {
    std::string line;
    for (const auto& argument : arguments) {
        if (&argument != &arguments.front()) {
            line += ' ';
        }
        line += argument;
    }
    return line;
}

std::string normalise_command_line(std::string_view command_line) {
    std::string options;
    options.reserve(command_line.size());
    for (const char c : command_line) {
        if (c == ' ') {
            continue;
        }
        options += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return options;
}

std::size_t character_count(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        // UTF-8 continuation bytes (10xxxxxx) belong to the character before them.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::string_view validation_error(std::string_view options) {
    const auto has = [options](std::string_view option) {
        return options.find(option) != std::string_view::npos;
    };
    const std::size_t length = character_count(options);
    if (length % 3 != 0) {
        return kBadLengthMessage;
    }
    if (has(kExpression) && length == 6 && !has(kAutoCopy)) {
        return kExpressionPairMessage;
    }
    if (has(kMortgage) && length > 3) {
        return kMortgageAloneMessage;
    }
    if (has(kCut) && has(kRound)) {
        return kRoundAndCutMessage;
    }
    if (!has_usable_decimals(options, kRound) || !has_usable_decimals(options, kCut)) {
        return kBadLengthMessage;
    }
    return {};
}

Startup read_command_line(std::string_view command_line) {
    Startup startup;
    StartupValues& values = startup.values;
    values.command_options = normalise_command_line(command_line);
    const std::string_view options = values.command_options;

    if (const auto error = validation_error(options); !error.empty()) {
        startup.error = std::string(error);
        return startup;
    }
    if (values.has(kRound)) {
        values.option_decimals = decimals_after(options, kRound);
    }
    if (values.has(kCut)) {
        values.option_decimals = decimals_after(options, kCut);
    }
    if (options == kMortgage) {
        startup.first_window = CalculatorKind::mortgage;
        return startup;
    }
    values.start_mode = (values.has(kExpression) ? 1 : 0) + (values.has(kAutoCopy) ? 6 : 0);
    startup.first_window = (values.start_mode == 1 || values.start_mode == 7)
                               ? CalculatorKind::expression
                               : CalculatorKind::standard;
    return startup;
}

}  // namespace orvane::app
