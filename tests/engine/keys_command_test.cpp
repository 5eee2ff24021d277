// `orvane-cli keys`, run as a process: usage errors, plain output and the trace lines.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int exit_code = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& arg) {
    std::string out = "'";
    for (const char c : arg) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Outcome run_cli(const std::string& subcommand, const std::vector<std::string>& args) {
    const std::string base = ::testing::TempDir() + "keys_command_" +
                             std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::string command = quoted(ORVANE_CLI) + " " + subcommand;
    for (const auto& arg : args) {
        command += " " + quoted(arg);
    }
    command += " >" + quoted(base + ".out") + " 2>" + quoted(base + ".err");
    const int status = std::system(command.c_str());
    Outcome run;
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = slurp(base + ".out");
    run.err = slurp(base + ".err");
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());
    return run;
}

Outcome run_keys(const std::vector<std::string>& args) {
    return run_cli("keys", args);
}

std::vector<nlohmann::ordered_json> trace(const std::vector<std::string>& tokens) {
    std::vector<std::string> args = {"--trace"};
    args.insert(args.end(), tokens.begin(), tokens.end());
    const Outcome run = run_keys(args);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    std::vector<nlohmann::ordered_json> lines;
    std::istringstream in(run.out);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(nlohmann::ordered_json::parse(line));
    }
    return lines;
}

TEST(KeysCommand, InvalidUsageExitsWithTwo) {
    const struct {
        std::vector<std::string> args;
        std::string named;  // the message names the culprit
    } rows[] = {{{}, "no tokens"},
                {{"5", "x"}, "'x'"},
                {{"decimals=9"}, "decimals=9"},
                {{"rounding=up"}, "rounding=up"},
                {{"autocopy=yes"}, "autocopy=yes"},
                {{"--bogus", "5"}, "invalid token '--bogus'"},
                {{"5", "-5"}, "invalid token '-5'"},
                {{"ms"}, "'ms'"},
                {{"readback=yes"}, "readback=yes"},
                {{"readback"}, "'readback'"},
                {{"--trace"}, "no tokens"},
                {{"--tape=xml", "5"}, "xml"},
                {{"correct:0:5"}, "correct:0:5"},
                {{"correct:1"}, "correct:1"}};
    for (const auto& row : rows) {
        const Outcome run = run_keys(row.args);
        EXPECT_EQ(run.exit_code, 2);
        EXPECT_NE(run.err.find(row.named), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(KeysCommand, PrintsTheFinalDisplay) {
    const struct {
        std::vector<std::string> tokens;
        std::string out;
    } rows[] = {{{"5", "+", "3", "="}, "8\n"},
                {{"9", "-", "4", "="}, "5\n"},
                {{"2", "/", "3", "="}, "0.6666666666\n"},
                {{"rounding=round", "decimals=2", "2", "/", "3", "="}, "0.67\n"},
                {{"5", "/", "0", "="}, "0不能为除数\n"},
                {{"2", "+", "3", "=", "reload", "="}, "8\n"},
                {{"tick:42"}, "\n"},
                {{"autoload=on", "tick:42"}, "42\n"},
                {{"1", "6", "sqrt"}, "4\n"},
                {{"--", "5", "sign"}, "-5\n"},
                // "-" is a key wherever it stands; "--" still ends the options.
                {{"-", "3", "="}, "3\n"},
                {{"5", "-", "--", "3", "="}, "2\n"}};
    for (const auto& row : rows) {
        const Outcome run = run_keys(row.tokens);
        EXPECT_EQ(run.exit_code, 0) << run.err;
        EXPECT_EQ(run.out, row.out);
    }
}

TEST(KeysCommand, PrintsTheTapeAndCorrectsAndChecksIt) {
    const struct {
        std::vector<std::string> tokens;
        int exit_code;
        std::string out;
    } rows[] = {
        {{"--tape", "1", "2", "3", "4", ".", "5", "*", "3", "="}, 0, "1,234.5 ×\n3\n＝ 3,703.5\n"},
        {{"--tape", "1", "2", "+", "3", "=", "correct:1:10"},
         0,
         "10 ＋（原 12）\n3\n＝ 13（重算）\n"},
        // A result cannot be corrected: the tape stays, the reason goes to stderr.
        {{"--tape", "1", "+", "2", "=", "correct:3:5"}, 1, "1 ＋\n2\n＝ 3\n"},
        {{"--tape=csv", "4", "+", "4", "=", "check", "4", "+", "5", "=", "endcheck"},
         0,
         "line,kind,key,value,items,check,original\n1,number,＋,4,,✓,\n2,number,＝,4,,✘ 5,\n"
         "3,result,＝,8,2,,\n4,check,,,,复核不一致：第2项,\n"},
        {{"1", "2", "+", "3", "=", "correct:1:1,000"}, 0, "1003\n"}};
    for (const auto& row : rows) {
        const Outcome run = run_keys(row.tokens);
        EXPECT_EQ(run.exit_code, row.exit_code) << run.err;
        EXPECT_EQ(run.out, row.out);
    }
    const auto lines = trace({"1", "2", "+", "3", "=", "MS", "correct:1:10"});
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_EQ(lines[6]["display"], "13");
    EXPECT_EQ(lines[6]["memory"], "13");
    EXPECT_EQ(lines[6]["gt"], "13");
}

TEST(KeysCommand, TraceHasOneObjectPerTokenWithEveryKey) {
    const auto lines = trace({"5", "+", "3", "="});
    ASSERT_EQ(lines.size(), 4U);
    const std::vector<std::string> keys = {
        "key",          "display",    "sign",    "memory",       "gt",
        "accumulator",  "pending_op", "operand", "last_operand", "entry_active",
        "result_shown", "autoload",   "clips",   "clipboard",    "egg"};
    for (const auto& line : lines) {
        std::vector<std::string> present;
        for (const auto& item : line.items()) {
            present.push_back(item.key());
        }
        EXPECT_EQ(present, keys);  // in the documented order
    }
    EXPECT_EQ(lines[1]["key"], "+");
    EXPECT_EQ(lines[1]["sign"], "＋");
    EXPECT_EQ(lines[1]["accumulator"], "5");
    EXPECT_EQ(lines[2]["entry_active"], true);
    EXPECT_EQ(lines[3]["display"], "8");
    EXPECT_EQ(lines[3]["gt"], "8");
    EXPECT_EQ(lines[3]["sign"], "");
    EXPECT_EQ(lines[3]["pending_op"], "＋");
    EXPECT_EQ(lines[3]["last_operand"], "3");
    EXPECT_EQ(lines[3]["result_shown"], true);
    EXPECT_EQ(lines[3]["clips"], nlohmann::ordered_json::array());
    EXPECT_TRUE(lines[3]["clipboard"].is_null());
    EXPECT_EQ(lines[3]["egg"], false);
}

TEST(KeysCommand, TraceRecordsClipsClipboardEggAndCapture) {
    const auto voice = trace({"voice", "5", "+", "3", "*"});
    ASSERT_EQ(voice.size(), 5U);
    EXPECT_EQ(voice[0]["clips"], nlohmann::ordered_json::array({"wav_yuyin"}));
    EXPECT_EQ(voice[4]["clips"], nlohmann::ordered_json::array({"wav_dengyu", "wav_chen"}));

    const auto copy = trace({"autocopy=on", "2", "+", "3", "="});
    ASSERT_EQ(copy.size(), 5U);
    EXPECT_TRUE(copy[3]["clipboard"].is_null());
    EXPECT_EQ(copy[4]["clipboard"], "5");

    const auto egg = trace({"1", "9", "9", "7", "0", "3", "1", "4"});
    ASSERT_EQ(egg.size(), 8U);
    EXPECT_EQ(egg[6]["egg"], false);
    EXPECT_EQ(egg[7]["egg"], true);

    const auto capture = trace({"autoload=on", "tick:12", "+"});
    ASSERT_EQ(capture.size(), 3U);
    EXPECT_EQ(capture[0]["autoload"], true);
    EXPECT_EQ(capture[1]["display"], "12");
    EXPECT_EQ(capture[2]["autoload"], false);

    // A result read aloud: its clip, then the reading, in order; "read" reads the display.
    const auto reading = trace({"voice", "readback=on", "5", "+", "7", "=", "read"});
    ASSERT_EQ(reading.size(), 7U);
    EXPECT_EQ(reading[5]["clips"],
              nlohmann::ordered_json::array({"wav_dengyu", "wav_shi", "wav_2"}));
    EXPECT_EQ(reading[6]["clips"], nlohmann::ordered_json::array({"wav_shi", "wav_2"}));

    const auto root = trace({"2", "sqrt"});
    ASSERT_EQ(root.size(), 2U);
    EXPECT_EQ(root[1]["accumulator"], "1.4142135623731");
}

TEST(SpeakCommand, PrintsTheClipsThatReadTheText) {
    const struct {
        std::vector<std::string> args;
        int exit_code;
        std::string out;
    } rows[] = {
        {{"12345.67"},
         0,
         "wav_1 wav_wan wav_2 wav_qian wav_3 wav_bai wav_4 wav_shi wav_5 wav_dian wav_6 wav_7\n"},
        {{"-0.5"}, 0, "wav_fu wav_0 wav_dian wav_5\n"},
        {{"100010"}, 0, "wav_shi wav_wan wav_0 wav_1 wav_shi\n"},
        {{"0不能为除数"}, 0, "\n"},
        {{""}, 0, "\n"},
        {{}, 2, ""},
        {{"1", "2"}, 2, ""},
    };
    for (const auto& row : rows) {
        const Outcome run = run_cli("speak", row.args);
        EXPECT_EQ(run.exit_code, row.exit_code) << run.err;
        EXPECT_EQ(run.out, row.out);
    }
}

}  // namespace
