#include "cli/arguments.h"

#include <string>
#include <string_view>
#include <vector>

namespace orvane::cli {
namespace {

// The option `word` names ("--full", "--years=5" -> "--years"), or nullptr when it names none.
CLI::Option* named_option(CLI::App& app, std::string_view word) {
    if (word.size() < 2 || word.front() != '-' || word == "--") {
        return nullptr;
    }
    const std::string name(word.substr(0, word.find('=')));
    return app.get_option_no_throw(name);
}

}  // namespace

std::optional<int> parse_arguments(CLI::App& app, int argc, char** argv) {
    // Options (with the value each takes) first, then "--" and every value in its order, so
    // that CLI11 never reads a value as an unknown option.
    std::vector<char*> options{argv[0]};
    std::vector<char*> values;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--") {
            values.insert(values.end(), argv + i + 1, argv + argc);
            break;
        }
        CLI::Option* option = named_option(app, word);
        if (option == nullptr) {
            values.push_back(argv[i]);
            continue;
        }
        options.push_back(argv[i]);
        const bool value_inline = word.find('=') != std::string_view::npos;
        if (!value_inline && option->get_type_size() > 0 && i + 1 < argc) {
            options.push_back(argv[++i]);
        }
    }
    std::string separator = "--";
    if (!values.empty()) {
        options.push_back(separator.data());
        options.insert(options.end(), values.begin(), values.end());
    }
    try {
        app.parse(static_cast<int>(options.size()), options.data());
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : 2;
    }
    return std::nullopt;
}

}  // namespace orvane::cli
