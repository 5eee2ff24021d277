// The program-wide start-up values: set once by the entry routine, read by the windows.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

struct StartupValues {
    std::string command_options;  // the command line, lower-cased, every space removed
    int display_limit = 12;
    int option_decimals = 0;  // the digit after "/u" or "/c"
    int start_mode = 0;       // 0, +1 with "/f2", +6 with "/ac"

    // An option counts as present when it stands anywhere in the command options.
    bool has(std::string_view option) const {
        return command_options.find(option) != std::string::npos;
    }
};

}  // namespace orvane
