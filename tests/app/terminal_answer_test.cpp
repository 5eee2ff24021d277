// Which command lines the program answers in the terminal; all others reach the entry routine.
#include "app/terminal_answer.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane::app {
namespace {

TEST(TerminalAnswer, OnlyALoneHelpOrVersionIsAnswered) {
    const struct {
        std::vector<const char*> arguments;
        bool answered;
    } rows[] = {
        {{"--help"}, true},
        {{"--version"}, true},
        {{}, false},
        {{"-h"}, false},
        {{"/f3"}, false},
        {{"--HELP"}, false},
        {{"--help", "/f3"}, false},
        {{"/f3", "--version"}, false},
        {{"--version", ""}, false},
    };
    for (const auto& row : rows) {
        std::vector<const char*> argv{"orvane-calculator"};
        argv.insert(argv.end(), row.arguments.begin(), row.arguments.end());
        const auto answer = terminal_answer(static_cast<int>(argv.size()), argv.data(), "1.2.3");
        EXPECT_EQ(answer.has_value(), row.answered) << argv.size();
    }
    EXPECT_EQ(terminal_answer(2, std::vector<const char*>{"p", "--version"}.data(), "1.2.3"),
              "orvane-calculator 1.2.3\n");
}

}  // namespace
}  // namespace orvane::app
