// What each window makes of the start-up options on its first load.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/startup_report.h"

namespace orvane::app {
namespace {

struct ReportCase {
    const char* command_line;
    const char* window;
    const char *voice, *autocopy, *autoload, *rounding, *decimals, *bds_autocopy;
};

class StartupReport : public testing::TestWithParam<ReportCase> {};

TEST_P(StartupReport, MainWindowLoadAppliesTheOptions) {
    const ReportCase& c = GetParam();
    const Startup startup = read_command_line(c.command_line);
    ASSERT_TRUE(startup.ok()) << startup.error;
    const auto lines = startup_report(startup);

    const std::pair<std::string_view, std::string> expected[] = {
        {"window", c.window},
        {"start_mode", std::to_string(startup.values.start_mode)},
        {"option_decimals", std::to_string(startup.values.option_decimals)},
        {"voice", c.voice},
        {"autocopy", c.autocopy},
        {"autoload", c.autoload},
        {"rounding", c.rounding},
        {"decimals", c.decimals},
        {"bds_autocopy", c.bds_autocopy},
    };
    ASSERT_EQ(lines.size(), std::size(expected));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].first, expected[i].first);
        EXPECT_EQ(lines[i].second, expected[i].second) << "key " << lines[i].first;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, StartupReport,
    testing::Values(
        //         line            window      voice  copy   load   rounding  dec  bds copy
        ReportCase{"", "Tallybox", "off", "off", "off", "none", "0", "off"},
        ReportCase{"/F3", "Tallybox", "on", "off", "off", "none", "0", "off"},
        ReportCase{"/ac", "Tallybox", "off", "on", "off", "none", "0", "off"},
        ReportCase{"/ag", "Tallybox", "off", "off", "on", "none", "0", "off"},
        ReportCase{"/u3", "Tallybox", "off", "off", "off", "round", "3", "off"},
        ReportCase{"/c0", "Tallybox", "off", "off", "off", "cut", "0", "off"},
        ReportCase{"/ac/c2", "Tallybox", "off", "on", "off", "cut", "2", "off"},
        ReportCase{"/c2/ac", "Tallybox", "off", "on", "off", "cut", "2", "off"},
        ReportCase{"/f3/ac/ag/u4", "Tallybox", "on", "on", "on", "round", "4", "off"},
        // The expression calculator first: the main window applies the options when it
        // first loads (after F1); its box is ticked there too with "/ac".
        ReportCase{"/f2/ac", "BDS", "off", "on", "off", "none", "0", "on"},
        ReportCase{"/ac/f2", "BDS", "off", "on", "off", "none", "0", "on"},
        ReportCase{"/f2", "BDS", "off", "off", "off", "none", "0", "off"},
        ReportCase{"/f2/ag/u2", "BDS", "off", "off", "on", "round", "2", "off"},
        ReportCase{"/f7", "House", "off", "off", "off", "none", "0", "off"},
        ReportCase{"/zz", "Tallybox", "off", "off", "off", "none", "0", "off"}));

}  // namespace
}  // namespace orvane::app
