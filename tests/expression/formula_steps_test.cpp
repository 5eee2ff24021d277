#include "expression/formula_steps.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::expression {
namespace {

struct CleanCase {
    std::string typed;
    std::string cleaned;
};

class Cleaning : public testing::TestWithParam<CleanCase> {};

TEST_P(Cleaning, DeletesEverySpaceAndNothingElse) {
    EXPECT_EQ(clean_formula(GetParam().typed), GetParam().cleaned);
}

INSTANTIATE_TEST_SUITE_P(Texts, Cleaning,
                         testing::Values(CleanCase{"1 + 2", "1+2"}, CleanCase{"  1+2  ", "1+2"},
                                         CleanCase{" s i n ( 1 ) ", "sin(1)"}, CleanCase{"", ""},
                                         CleanCase{"   ", ""}, CleanCase{"1\t+ 2", "1\t+2"},
                                         CleanCase{"1\xE3\x80\x80"
                                                   "2",
                                                   "1\xE3\x80\x80"
                                                   "2"} /* full-width space */,
                                         CleanCase{"\n1 ", "\n1"}));

struct CaptionCase {
    std::string text;
    std::string caption;
};

class Caption : public testing::TestWithParam<CaptionCase> {};

TEST_P(Caption, KeepsTheFirstTwelveCharacters) {
    EXPECT_EQ(result_caption(GetParam().text), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Caption,
    testing::Values(CaptionCase{"", ""}, CaptionCase{"3", "3"},
                    CaptionCase{"123456789012", "123456789012"},
                    CaptionCase{"1234567890123", "123456789012"},
                    CaptionCase{"1.12589990684262E+15", "1.1258999068"},
                    // Counted in characters, so a multi-byte character is never split.
                    CaptionCase{"一二三四五六七八九十甲乙丙", "一二三四五六七八九十甲乙"},
                    CaptionCase{"12345678901é3", "12345678901é"}));

TEST(EnterRule, EvaluatesOnlyAboveTwoCharacters) {
    const struct {
        std::size_t length;
        bool evaluates;
    } rows[] = {{0, false}, {1, false}, {2, false}, {3, true}, {40, true}};
    for (const auto& row : rows) {
        EXPECT_EQ(enter_evaluates(row.length), row.evaluates) << row.length;
    }
}

TEST(AutoCopyOnLoad, OnlyWithTheExpressionWindowAndAutoCopyOptions) {
    const struct {
        int start_mode;
        bool ticked;
    } rows[] = {{0, false}, {1, false}, {6, false}, {7, true}};
    for (const auto& row : rows) {
        EXPECT_EQ(autocopy_ticked_on_load(row.start_mode), row.ticked) << row.start_mode;
    }
}

struct WindowCase {
    std::string typed;
    std::string cleaned;
    bool ok;
    std::string caption;
    std::string full;
};

class WindowEvaluation : public testing::TestWithParam<WindowCase> {};

TEST_P(WindowEvaluation, CleansEvaluatesAndCuts) {
    const Evaluation evaluation = evaluate_typed(GetParam().typed);
    EXPECT_EQ(evaluation.cleaned, GetParam().cleaned);
    EXPECT_EQ(evaluation.ok, GetParam().ok);
    EXPECT_EQ(evaluation.caption, GetParam().caption);
    EXPECT_EQ(evaluation.full_text, GetParam().full);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WindowEvaluation,
    testing::Values(WindowCase{"1 + 2", "1+2", true, "3", "3"},
                    WindowCase{"1/3", "1/3", true, "0.3333333333", "0.333333333333333"},
                    WindowCase{"2^50", "2^50", true, "1.1258999068", "1.12589990684262E+15"},
                    WindowCase{"1 2", "12", true, "12", "12"},
                    WindowCase{"7 Mod 3", "7Mod3", true, "1", "1"},
                    WindowCase{"7 mod sin(2)", "7modsin(2)", true, "0", "0"},
                    WindowCase{"-1/3", "-1/3", true, "-0.333333333", "-0.333333333333333"},
                    WindowCase{"1E100", "1E100", true, "1E+100", "1E+100"},
                    WindowCase{"", "", true, "", ""}, WindowCase{"1 +", "1+", false, "", ""},
                    WindowCase{"1\t+2", "1\t+2", false, "", ""}));

TEST(ErrorMessage, NamesTooDeepNestingAndKeepsTheGeneralOneForTheRest) {
    const std::string deep = "表达式嵌套过深：括号和函数最多只能嵌套256层。";
    const std::string nested_257 = std::string(257, '(') + "1" + std::string(257, ')');
    const std::string calls_257 = [] {
        std::string formula;
        for (int i = 0; i < 257; ++i) {
            formula += "abs(";
        }
        return formula + "1" + std::string(257, ')');
    }();
    const struct {
        std::string typed;
        std::string message;
    } rows[] = {
        {nested_257, deep},
        {calls_257, deep},
        {std::string(100000, '('), deep},
        {"1 +", std::string(kErrorMessage)},
        {"1/0", std::string(kErrorMessage)},
        {"(1", std::string(kErrorMessage)},
    };
    for (const auto& row : rows) {
        const Evaluation evaluation = evaluate_typed(row.typed);
        EXPECT_FALSE(evaluation.ok) << row.typed.substr(0, 20);
        EXPECT_EQ(evaluation.message, row.message) << row.typed.substr(0, 20);
    }
    EXPECT_TRUE(evaluate_typed(std::string(256, '(') + "1" + std::string(256, ')')).ok);
}

}  // namespace
}  // namespace orvane::expression
