// Command-line normalisation and validation, and what a valid command line opens.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/options.h"

namespace orvane::app {
namespace {

using Kind = CalculatorKind;

struct ValidCase {
    std::string_view command_line;
    std::string_view command_options;  // after normalisation
    Kind first_window;
    int start_mode;
    int option_decimals;
};

class ValidCommandLines : public testing::TestWithParam<ValidCase> {};

TEST_P(ValidCommandLines, OpenTheExpectedWindowWithTheStartupValues) {
    const ValidCase& c = GetParam();
    const Startup startup = read_command_line(c.command_line);
    ASSERT_TRUE(startup.ok()) << startup.error;
    EXPECT_EQ(startup.values.command_options, c.command_options);
    EXPECT_EQ(startup.first_window, c.first_window);
    EXPECT_EQ(startup.values.start_mode, c.start_mode);
    EXPECT_EQ(startup.values.option_decimals, c.option_decimals);
    EXPECT_EQ(startup.values.display_limit, 12);
}

INSTANTIATE_TEST_SUITE_P(
    Options, ValidCommandLines,
    testing::Values(
        // Empty command line: the standard calculator with its defaults.
        ValidCase{"", "", Kind::standard, 0, 0}, ValidCase{"   ", "", Kind::standard, 0, 0},
        // Case and spaces do not matter.
        ValidCase{"/F3", "/f3", Kind::standard, 0, 0},
        ValidCase{"/ f 3", "/f3", Kind::standard, 0, 0},
        ValidCase{" /F2  /Ac ", "/f2/ac", Kind::expression, 7, 0},
        // The expression calculator, alone or with auto-copy, in either order.
        ValidCase{"/f2", "/f2", Kind::expression, 1, 0},
        ValidCase{"/f2/ac", "/f2/ac", Kind::expression, 7, 0},
        ValidCase{"/ac/f2", "/ac/f2", Kind::expression, 7, 0},
        ValidCase{"/f2/ac/ag", "/f2/ac/ag", Kind::expression, 7, 0},
        // Length 9 passes the pairing rule; the other options wait for the main window.
        ValidCase{"/f2/ag/u2", "/f2/ag/u2", Kind::expression, 1, 2},
        ValidCase{"/f2/f3/ag", "/f2/f3/ag", Kind::expression, 1, 0},
        // Auto-copy alone stays in the standard calculator (start_mode 6).
        ValidCase{"/ac", "/ac", Kind::standard, 6, 0},
        ValidCase{"/ag", "/ag", Kind::standard, 0, 0},
        // The mortgage calculator only alone; its start_mode is never computed.
        ValidCase{"/f7", "/f7", Kind::mortgage, 0, 0},
        ValidCase{" /F 7", "/f7", Kind::mortgage, 0, 0},
        // Rounding presets take the digit after "/u" or "/c".
        ValidCase{"/u3", "/u3", Kind::standard, 0, 3},
        ValidCase{"/U4", "/u4", Kind::standard, 0, 4},
        ValidCase{"/c0", "/c0", Kind::standard, 0, 0},
        ValidCase{"/ac/c2", "/ac/c2", Kind::standard, 6, 2},
        ValidCase{"/c2/ac", "/c2/ac", Kind::standard, 6, 2},
        ValidCase{"/u1/u3", "/u1/u3", Kind::standard, 0, 1},
        ValidCase{"/f3/ac/ag/u4", "/f3/ac/ag/u4", Kind::standard, 6, 4},
        // Unknown options are ignored while the length rule holds.
        ValidCase{"/zz", "/zz", Kind::standard, 0, 0},
        ValidCase{"abcdef", "abcdef", Kind::standard, 0, 0},
        // Only ASCII letters are lower-cased; lengths count characters, not bytes.
        ValidCase{"/中文", "/中文", Kind::standard, 0, 0},
        ValidCase{"/Ｆ2", "/Ｆ2", Kind::standard, 0, 0}));

struct InvalidCase {
    std::string_view command_line;
    std::string_view message;
};

class InvalidCommandLines : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidCommandLines, FailWithTheFirstBrokenRulesMessage) {
    const InvalidCase& c = GetParam();
    const Startup startup = read_command_line(c.command_line);
    EXPECT_FALSE(startup.ok());
    EXPECT_EQ(startup.error, c.message);
    EXPECT_EQ(validation_error(normalise_command_line(c.command_line)), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Options, InvalidCommandLines,
    testing::Values(
        // Rule 1: the length is not a multiple of three.
        InvalidCase{"/f3x", kBadLengthMessage}, InvalidCase{"/zzz", kBadLengthMessage},
        InvalidCase{"/", kBadLengthMessage}, InvalidCase{"/f2/a", kBadLengthMessage},
        InvalidCase{"/中", kBadLengthMessage},
        // A tab is not a space and counts.
        InvalidCase{"/f3\t", kBadLengthMessage},
        // Rule 2: "/f2" in a six-character line without "/ac".
        InvalidCase{"/f2/f3", kExpressionPairMessage},
        InvalidCase{"/f3/F2", kExpressionPairMessage},
        InvalidCase{"/f2/zz", kExpressionPairMessage},
        InvalidCase{"/f2/u5", kExpressionPairMessage},  // rule 2 comes before the digit rule
        // Rule 3: "/f7" with anything else.
        InvalidCase{"/f7/ac", kMortgageAloneMessage}, InvalidCase{"/f3/f7", kMortgageAloneMessage},
        InvalidCase{"/f7/f2/ac", kMortgageAloneMessage},
        InvalidCase{"/f7/u9", kMortgageAloneMessage},
        // Rule 4: both rounding presets.
        InvalidCase{"/u2/c3", kRoundAndCutMessage}, InvalidCase{"/C3/U2", kRoundAndCutMessage},
        InvalidCase{"/u9/cx", kRoundAndCutMessage},
        // After the four rules: "/u" or "/c" needs a digit from 0 to 4 after it.
        InvalidCase{"/u5", kBadLengthMessage}, InvalidCase{"/c9", kBadLengthMessage},
        InvalidCase{"/ux", kBadLengthMessage}, InvalidCase{"/c-", kBadLengthMessage},
        InvalidCase{"/ac/zzz/c", kBadLengthMessage},  // nothing follows the last "/c"
        InvalidCase{"a/u", kBadLengthMessage}, InvalidCase{"/u中", kBadLengthMessage},
        InvalidCase{"/u2/u7", kBadLengthMessage},  // every occurrence counts
        InvalidCase{"/f2/ag/u5", kBadLengthMessage}));

struct NormaliseCase {
    std::string_view raw;
    std::string_view normalised;
};

class Normalisation : public testing::TestWithParam<NormaliseCase> {};

TEST_P(Normalisation, LowerCasesAsciiAndDropsSpaces) {
    EXPECT_EQ(normalise_command_line(GetParam().raw), GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(Options, Normalisation,
                         testing::Values(NormaliseCase{"", ""}, NormaliseCase{" A B ", "ab"},
                                         NormaliseCase{"/AG/U3", "/ag/u3"},
                                         NormaliseCase{"ÄÖ Z", "ÄÖz"},
                                         NormaliseCase{"/Ｆ 2", "/Ｆ2"},
                                         NormaliseCase{"[@`{", "[@`{"}));

TEST(Options, ArgumentsAreJoinedWithSingleSpaces) {
    struct Case {
        std::vector<std::string> arguments;
        std::string_view line;
    };
    const Case cases[] = {
        {{}, ""},
        {{"/f2"}, "/f2"},
        {{"/f2", "/ac"}, "/f2 /ac"},
        {{"/f", "2"}, "/f 2"},
        {{"", "/f3"}, " /f3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(join_arguments(c.arguments), c.line);
    }
    // Split arguments mean the same as one argument once spaces are gone.
    EXPECT_EQ(read_command_line(join_arguments({"/F", "2", "/a", "c"})).values.command_options,
              "/f2/ac");
}

TEST(Options, CharacterCountIgnoresUtf8ContinuationBytes) {
    struct Case {
        std::string_view text;
        std::size_t count;
    };
    const Case cases[] = {{"", 0}, {"/f2", 3}, {"中", 1}, {"/中文", 3}, {"a\x80", 1}, {"\xff", 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(character_count(c.text), c.count) << c.text;
    }
}

TEST(Options, WindowNamesAndExpressionAutoCopy) {
    EXPECT_EQ(window_name(Kind::standard), "Tallybox");
    EXPECT_EQ(window_name(Kind::expression), "BDS");
    EXPECT_EQ(window_name(Kind::mortgage), "House");
    // The expression window ticks its box only for start_mode 7 (both "/f2" and "/ac").
    for (const auto& [line, ticked] : {std::pair{"/f2/ac", true}, std::pair{"/ac", false},
                                       std::pair{"/f2", false}, std::pair{"", false}}) {
        EXPECT_EQ(expression_autocopy(read_command_line(line).values), ticked) << line;
    }
}

}  // namespace
}  // namespace orvane::app
