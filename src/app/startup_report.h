// What the entry routine decided and what the first load of each window makes of it, as the
// `key=value` lines that `orvane-cli options` prints.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/options.h"

namespace orvane::app {

using ReportLine = std::pair<std::string, std::string>;

// window, start_mode, option_decimals, then the main window right after its first load step
// (voice, autocopy, autoload, rounding, decimals) and the expression window's auto-copy box.
// `startup` must be valid.
std::vector<ReportLine> startup_report(const Startup& startup);

}  // namespace orvane::app
