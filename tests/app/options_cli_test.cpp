// `orvane-cli options` run as a separate process: output lines, messages and exit codes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/options.h"

extern char** environ;

namespace orvane::app {
namespace {

struct CliRun {
    int exit_code = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

CliRun run_cli(const std::vector<std::string>& arguments) {
    char out_path[] = "/tmp/orvane-options-out-XXXXXX";
    char err_path[] = "/tmp/orvane-options-err-XXXXXX";
    const int out_fd = mkstemp(out_path);
    const int err_fd = mkstemp(err_path);
    std::vector<std::string> words{ORVANE_CLI_PATH, "options"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out_fd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err_fd, STDERR_FILENO);
    CliRun run;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(out_fd);
    close(err_fd);
    run.out = slurp(out_path);
    run.err = slurp(err_path);
    unlink(out_path);
    unlink(err_path);
    return run;
}

struct AcceptedCase {
    std::vector<std::string> arguments;
    std::string output;
};

TEST(OptionsCommand, PrintsTheDecisionForValidCommandLines) {
    const AcceptedCase cases[] = {
        {{""},
         "window=Tallybox\nstart_mode=0\noption_decimals=0\nvoice=off\nautocopy=off\n"
         "autoload=off\nrounding=none\ndecimals=0\nbds_autocopy=off\n"},
        {{},
         "window=Tallybox\nstart_mode=0\noption_decimals=0\nvoice=off\nautocopy=off\n"
         "autoload=off\nrounding=none\ndecimals=0\nbds_autocopy=off\n"},
        {{"/F2/AC"},
         "window=BDS\nstart_mode=7\noption_decimals=0\nvoice=off\nautocopy=on\n"
         "autoload=off\nrounding=none\ndecimals=0\nbds_autocopy=on\n"},
        // Several words are one command line, as the process would see them.
        {{"/f2", "/ag", "/u2"},
         "window=BDS\nstart_mode=1\noption_decimals=2\nvoice=off\nautocopy=off\n"
         "autoload=on\nrounding=round\ndecimals=2\nbds_autocopy=off\n"},
        {{" / f 7 "},
         "window=House\nstart_mode=0\noption_decimals=0\nvoice=off\nautocopy=off\n"
         "autoload=off\nrounding=none\ndecimals=0\nbds_autocopy=off\n"},
        {{"/c2/ac/f3"},
         "window=Tallybox\nstart_mode=6\noption_decimals=2\nvoice=on\nautocopy=on\n"
         "autoload=off\nrounding=cut\ndecimals=2\nbds_autocopy=off\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = run_cli(c.arguments);
        EXPECT_EQ(run.exit_code, 0) << run.err;
        EXPECT_EQ(run.out, c.output);
        EXPECT_EQ(run.err, "");
    }
}

TEST(OptionsCommand, RejectsInvalidCommandLinesWithTheirMessage) {
    const std::pair<std::string, std::string_view> cases[] = {
        {"/f3x", kBadLengthMessage},       {"/f2/f3", kExpressionPairMessage},
        {"/f7/ac", kMortgageAloneMessage}, {"/u2/c3", kRoundAndCutMessage},
        {"/u7", kBadLengthMessage},        {"/c", kBadLengthMessage},
    };
    for (const auto& [line, message] : cases) {
        const CliRun run = run_cli({line});
        EXPECT_EQ(run.exit_code, 1) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_EQ(run.err, std::string(message) + "\n") << line;
    }
}

TEST(OptionsCommand, WordsStartingWithADashAreCommandLineWords) {
    // No option of the subcommand: the words go to the entry routine's rules as they are.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--no-such-flag"}, std::vector<std::string>{"-x"},
          std::vector<std::string>{"/f3", "-x"}}) {
        const CliRun run = run_cli(arguments);
        EXPECT_EQ(run.exit_code, 1) << arguments.front();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string(kBadLengthMessage) + "\n");
    }
    // "--" still ends the options: "-/f" is part of the command line.
    const CliRun run = run_cli({"--", "-/f"});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "window=Tallybox");
    const CliRun help = run_cli({"--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_NE(help.out.find("command_line"), std::string::npos) << help.out;
}

}  // namespace
}  // namespace orvane::app
