// The tape: the lines each key writes, the check by re-keying and the correction by replay.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "calculator_harness.h"
#include "engine/tape_texts.h"

namespace orvane::engine::testing {
namespace {

// A window with the session's tape attached.
struct Taped {
    explicit Taped(std::size_t cap = Tape::kLineCap) : tape(cap), h({}, &tape) {}
    std::string text(NumberStyle style = NumberStyle::grouped) const {
        return tape_text(tape, style);
    }
    Tape tape;
    Harness h;
};

struct LinesCase {
    std::string keys;
    std::string tape;  // as printed, numbers grouped
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class TapeLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(TapeLines, EachStepWritesItsLine) {
    Taped t;
    t.h.run(GetParam().keys);
    EXPECT_EQ(t.text(), GetParam().tape);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TapeLines,
    ::testing::Values(
        LinesCase{"1 2 3 4 . 5 * 3 0 0 0 = ", "1,234.5 ×\n3,000\n＝ 3,703,500\n"},
        LinesCase{"2 + 3 * 4 =", "2 ＋\n3 ×\n4\n＝ 20\n"},
        LinesCase{"2 + 3 = = =", "2 ＋\n3\n＝ 5\n＝ 8\n＝ 11\n"},
        LinesCase{"2 0 0 + 1 0 %", "200 ＋\n10 ％\n＝ 220\n"}, LinesCase{"9 sqrt", "9 √\n＝ 3\n"},
        LinesCase{"5 = MS 3 M+ MR MC", "5\n＝ 5\nMS 5\nM＋ 3\nMR 8\nMC 8\n"},
        LinesCase{"2 + 3 = GT", "2 ＋\n3\n＝ 5\nGT 5\n"},
        LinesCase{"5 / 0 =", "5 ÷\n0\n0不能为除数\n"},
        LinesCase{"9 9 9 9 9 9 9 9 9 9 9 9 * 9 9 9 9 9 9 9 9 9 9 9 9 = =",
                  "999,999,999,999 ×\n999,999,999,999\n＝ 999,999,999,998,000,000,000,001\n溢出\n"},
        LinesCase{"autoload=on tick:12.5 + 1 =", "取数 12.5\n12.5 ＋\n1\n＝ 13.5\n"},
        // The timer's repeated ticks with the same number write it once.
        LinesCase{"autoload=on tick:7 tick:7 tick:7 =", "取数 7\n7\n＝ 7\n"},
        LinesCase{"paste:1,234 * 2 =", "粘贴 1,234\n1,234 ×\n2\n＝ 2,468\n"},
        LinesCase{"5 + 3 C 4 = AC", "5 ＋\nC\n4\n＝ 9\nAC\n"},
        LinesCase{"2 + 3 = * 4 =", "2 ＋\n3\n＝ 5\n5 ×\n4\n＝ 20\n"},
        LinesCase{"2 + - 1 =", "2 ＋\n2 －\n1\n＝ 1\n"},
        LinesCase{"1 2 - 2 0 =", "12 －\n20\n＝ -8\n"},
        // A key ignored as a whole writes nothing: = on a first operand that is no number.
        LinesCase{"sign 5 back + 3 =", "- ＋\n"},
        // A reload (a switch away and back) keeps the tape.
        LinesCase{"2 + reload 3 =", "2 ＋\n3\n＝ 3\n"}));

TEST(TapeLines, KnowKindValuePositionAndItemsSinceTheLastResult) {
    Taped t;
    t.h.run("1 + 2 + 3 = 4 + 5 =");
    const auto& lines = t.tape.lines();
    ASSERT_EQ(lines.size(), 7U);
    EXPECT_EQ(lines[3].kind, LineKind::result);
    EXPECT_EQ(lines[3].items, 3);
    EXPECT_EQ(lines[6].items, 2);
    EXPECT_EQ(lines[1].value, "2");
    EXPECT_EQ(lines[1].position, 3U);     // the second + (keys 1 + 2 +)
    EXPECT_EQ(lines[1].entry_begin, 2U);  // its number began at the 2
    EXPECT_EQ(tape_line_spoken(lines[0]), "加 1");
    EXPECT_EQ(tape_line_spoken(lines[3]), "结果 6");
    EXPECT_EQ(t.tape.items(), 0);
}

TEST(TapeLines, ShowSeparatorsButCopyPlainNumbers) {
    Taped t;
    t.h.run("1 2 3 4 5 6 7 . 8 9 sign + 1 =");
    EXPECT_EQ(t.text(), "-1,234,567.89 ＋\n1\n＝ -1,234,566.89\n");
    EXPECT_EQ(t.text(NumberStyle::plain), "-1234567.89 ＋\n1\n＝ -1234566.89\n");
    EXPECT_EQ(tape_csv(t.tape, TapeCsvStyle::terminal),
              "line,kind,key,value,items,check,original\n1,number,＋,-1234567.89,,,\n"
              "2,number,＝,1,,,\n3,result,＝,-1234566.89,2,,\n");
    const std::string saved = tape_csv(t.tape, TapeCsvStyle::spreadsheet);
    EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBF行,"));
    EXPECT_NE(saved.find("\r\n3,结果,＝,-1234566.89,2,,\r\n"), std::string::npos);
}

TEST(TapeLines, KeepTheNewestLinesBeyondTheCapAndCountTheDropped) {
    Taped t(6);
    t.h.run("1 + 2 = AC 3 + 4 = AC 5 + 6 =");
    EXPECT_EQ(t.tape.dropped(), 5U);
    EXPECT_EQ(t.text(), "4\n＝ 7\nAC\n5 ＋\n6\n＝ 11\n");
    // A line still on the tape can be corrected although the keys before it were let go.
    EXPECT_EQ(t.h.calculator->correct(3, "10"), Correction::done);
    EXPECT_EQ(t.h.display(), "16");
    EXPECT_EQ(t.tape.lines().back().value, "16");
}

TEST(TapeLines, WithoutATapeTheEngineIsUnchanged) {
    Harness plain;
    Taped t;
    const std::string keys = "1 2 + 3 % MS 9 sqrt M+ GT = = C 4 / 0 = AC 5 MR * 2 =";
    plain.run(keys);
    t.h.run(keys);
    EXPECT_EQ(plain.display(), t.h.display());
    EXPECT_EQ(plain.controls().memory, t.h.controls().memory);
    EXPECT_EQ(plain.controls().grand_total, t.h.controls().grand_total);
    EXPECT_EQ(plain.calculator->accumulator_text(), t.h.calculator->accumulator_text());
}

struct CheckCase {
    std::string keys;
    std::string tape;
    int mismatches;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\"";
}

class TapeCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(TapeCheck, MarksEachNumberAndEndsWithOneLine) {
    Taped t;
    int mismatches = 0;
    std::istringstream in(GetParam().keys);
    for (std::string token; in >> token;) {
        t.h.run(token);
        mismatches += t.h.recorder.mismatches;
    }
    EXPECT_EQ(t.text(), GetParam().tape);
    EXPECT_EQ(mismatches, GetParam().mismatches);
    EXPECT_FALSE(t.tape.checking());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, TapeCheck,
    ::testing::Values(CheckCase{"1 0 + 2 0 = AC check 1 0 + 2 0 = endcheck",
                                "10 ＋ ✓\n20 ✓\n＝ 30\nAC\n复核一致\n", 0},
                      CheckCase{"1 0 + 2 0 + 3 0 = check 1 0 + 2 1 + 3 0 = endcheck",
                                "10 ＋ ✓\n20 ＋ ✘ 复核为 21\n30 ✓\n＝ 60\n复核不一致：第2项\n", 1},
                      // Numbers left out, and numbers beyond the tape's, differ too.
                      CheckCase{"1 + 2 + 3 = check 1 + 2 = endcheck",
                                "1 ＋ ✓\n2 ＋ ✓\n3\n＝ 6\n复核不一致：第3项\n", 0},
                      CheckCase{"1 + 2 = check 1 + 2 + 4 = endcheck",
                                "1 ＋ ✓\n2 ✓\n＝ 3\n复核不一致：第3项\n", 1},
                      // "5." and "5" are the same number; AC ends the check before its own line.
                      CheckCase{"5 . + 1 = check 5 + 1 = AC", "5. ＋ ✓\n1 ✓\n＝ 6\n复核一致\nAC\n",
                                0}));

TEST(TapeCheck, WarnsThroughTheEffectsAtTheKeyThatDiffers) {
    Taped t;
    t.h.run("4 + 4 = AC check 4 +");
    EXPECT_EQ(t.h.recorder.mismatches, 0);
    t.h.run("5");
    EXPECT_EQ(t.h.recorder.mismatches, 0);
    t.h.run("=");
    EXPECT_EQ(t.h.recorder.mismatches, 1);
    EXPECT_EQ(t.tape.lines()[1].check, CheckMark::differs);
    EXPECT_EQ(t.h.display(), "9");  // the engine computes as always
}

struct CorrectCase {
    std::string keys;
    std::size_t line;  // 1-based, as printed
    std::string text;
    std::string display;
    std::string tape;
};

void PrintTo(const CorrectCase& c, std::ostream* os) {
    *os << "\"" << c.keys << "\" line " << c.line << " → " << c.text;
}

class TapeCorrect : public ::testing::TestWithParam<CorrectCase> {};

TEST_P(TapeCorrect, ReplaysTheSessionWithTheNewNumber) {
    Taped t;
    t.h.run(GetParam().keys);
    ASSERT_EQ(t.h.calculator->correct(GetParam().line - 1, GetParam().text), Correction::done);
    EXPECT_EQ(t.h.display(), GetParam().display);
    EXPECT_EQ(t.text(), GetParam().tape);
}

INSTANTIATE_TEST_SUITE_P(
    Corrections, TapeCorrect,
    ::testing::Values(
        CorrectCase{"1 2 + 3 =", 1, "10", "13", "10 ＋（原 12）\n3\n＝ 13（重算）\n"},
        CorrectCase{"1 2 + 3 =", 2, "1,000", "1012", "12 ＋\n1,000（原 3）\n＝ 1,012（重算）\n"},
        CorrectCase{"5 + 5 = AC 2 * 3 =", 6, "4", "8",
                    "5 ＋\n5\n＝ 10\nAC\n2 ×\n4（原 3）\n＝ 8（重算）\n"},
        // Memory and the grand total follow the corrected number, across an AC.
        CorrectCase{
            "5 = MS 3 M+ AC MR + 1 =", 1, "7", "11",
            "7（原 5）\n＝ 7（重算）\nMS 7（重算）\nM＋ 3（重算）\nAC\nMR 10（重算）\n10 ＋\n1\n"
            "＝ 11（重算）\n"},
        CorrectCase{"2 = 3 = GT", 1, "5", "8",
                    "5（原 2）\n＝ 5（重算）\n3\n＝ 3（重算）\nGT 8（重算）\n"},
        // A negative number keyed with the sign key first.
        CorrectCase{"sign 5 + 1 =", 1, "8", "9", "8 ＋（原 -5）\n1\n＝ 9（重算）\n"},
        CorrectCase{"paste:1,234 + 1 =", 2, "1000", "1001",
                    "粘贴 1,234\n1,000 ＋（原 1,234）\n1\n＝ 1,001（重算）\n"},
        // A division by zero mended by the correction.
        CorrectCase{"8 / 0 = ", 2, "2", "4", "8 ÷\n2（原 0）\n＝ 4（重算）\n"}));

TEST(TapeCorrect, RefusesWhatIsNoKeyedNumberAndLeavesTheTape) {
    Taped t;
    t.h.run("5 = MS AC MR + 2 =");
    const std::string before = t.text();
    EXPECT_EQ(t.h.calculator->correct(1, "9"), Correction::not_correctable);  // ＝ 5
    EXPECT_EQ(t.h.calculator->correct(5, "9"), Correction::not_correctable);  // 5 ＋ from MR
    EXPECT_EQ(t.h.calculator->correct(0, "abc"), Correction::not_a_number);
    EXPECT_EQ(t.h.calculator->correct(99, "1"), Correction::no_such_line);
    EXPECT_EQ(t.text(), before);
    EXPECT_EQ(correction_message(Correction::not_correctable, &t.tape.lines()[1]),
              "结果不能改正，请改正参与计算的数");
}

TEST(TapeCorrect, BackToTheOldNumberGivesTheTapeAsBefore) {
    Taped t;
    t.h.run("1 2 + 3 = * 2 =");
    const auto before = t.tape.lines();
    ASSERT_EQ(t.h.calculator->correct(0, "7"), Correction::done);
    EXPECT_EQ(t.h.display(), "20");
    ASSERT_EQ(t.h.calculator->correct(0, "12"), Correction::done);
    EXPECT_EQ(t.tape.lines(), before);
    EXPECT_EQ(t.h.display(), "30");
}

TEST(TapeCorrect, TellsTheWindowOnlyTheNewResult) {
    Taped t;
    t.h.run("voice autocopy=on 2 + 3 =");
    t.h.recorder.reset_log();
    ASSERT_EQ(t.h.calculator->correct(1, "4"), Correction::done);
    EXPECT_EQ(t.h.recorder.copies, std::vector<std::string>{"6"});
    EXPECT_TRUE(t.h.recorder.clips.empty());
    EXPECT_TRUE(t.h.registers.voice_on);
}

// Random key sequences: a correction to a number's own value changes nothing, and one to
// another value gives what keying the corrected sequence from scratch gives.
std::vector<std::string> random_tokens(std::mt19937& random, int count) {
    static const std::vector<std::string> kOthers = {
        "+",  "-",  "*", "/",  "=",    "=",    "%", "sqrt", "MS",    "M+",      "MR",
        "MC", "GT", "C", "AC", "sign", "back", ".", "00",   "check", "endcheck"};
    std::uniform_int_distribution<int> coin(0, 9);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<std::size_t> other(0, kOthers.size() - 1);
    std::vector<std::string> tokens;
    for (int i = 0; i < count; ++i) {
        tokens.push_back(coin(random) < 5 ? std::to_string(digit(random)) : kOthers[other(random)]);
    }
    return tokens;
}

std::string joined_tokens(const std::vector<std::string>& tokens) {
    std::string out;
    for (const auto& token : tokens) {
        out += token + " ";
    }
    return out;
}

bool edits_entry(const std::string& token) {
    return token.size() == 1 ? (token[0] >= '0' && token[0] <= '9') || token == "." || token == "C"
                             : token == "00" || token == "sign" || token == "back";
}

struct Outcome {
    std::string display, memory, grand_total, accumulator, operand, last_operand;
    bool result_shown;
    std::vector<std::string> lines;  // kind, key and value of every line
};

Outcome outcome_of(const Taped& t) {
    Outcome o{t.h.display(),
              t.h.controls().memory,
              t.h.controls().grand_total,
              t.h.calculator->accumulator_text(),
              t.h.registers.operand,
              t.h.registers.last_operand,
              t.h.registers.result_shown,
              {}};
    for (const auto& line : t.tape.lines()) {
        o.lines.push_back(std::to_string(static_cast<int>(line.kind)) + " " +
                          std::string(tape_symbol(line.key)) + " " + line.value);
    }
    return o;
}

void expect_same(const Outcome& a, const Outcome& b, const std::string& context) {
    EXPECT_EQ(a.display, b.display) << context;
    EXPECT_EQ(a.memory, b.memory) << context;
    EXPECT_EQ(a.grand_total, b.grand_total) << context;
    EXPECT_EQ(a.accumulator, b.accumulator) << context;
    EXPECT_EQ(a.operand, b.operand) << context;
    EXPECT_EQ(a.last_operand, b.last_operand) << context;
    EXPECT_EQ(a.result_shown, b.result_shown) << context;
    EXPECT_EQ(a.lines, b.lines) << context;
}

TEST(TapeCorrectProperty, OwnValueChangesNothingAndAnotherEqualsKeyingItAgain) {
    std::mt19937 random(2026'12'09);
    std::uniform_int_distribution<int> whole(1, 9999);
    int corrections = 0;
    for (int round = 0; round < 400; ++round) {
        const auto tokens = random_tokens(random, 40);
        Taped t;
        t.h.run(joined_tokens(tokens));
        const auto lines = t.tape.lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const TapeLine& line = lines[i];
            if (line.kind != LineKind::number || line.origin != EntryOrigin::typed) {
                continue;
            }
            const std::string context = joined_tokens(tokens) + "| line " + std::to_string(i);
            const Outcome before = outcome_of(t);
            ASSERT_EQ(t.h.calculator->correct(i, line.value), Correction::done) << context;
            expect_same(outcome_of(t), before, context + " (own value)");
            EXPECT_EQ(t.tape.lines(), lines) << context;

            const std::string number = std::to_string(whole(random));
            ASSERT_EQ(t.h.calculator->correct(i, number), Correction::done) << context;
            std::vector<std::string> keyed;
            for (std::size_t k = 0; k < tokens.size(); ++k) {
                if (k == line.entry_begin) {
                    for (const char c : number) {
                        keyed.emplace_back(1, c);
                    }
                }
                if (k >= line.entry_begin && k < line.position && edits_entry(tokens[k])) {
                    continue;
                }
                keyed.push_back(tokens[k]);
            }
            Taped again;
            again.h.run(joined_tokens(keyed));
            expect_same(outcome_of(t), outcome_of(again), context + " → " + number);
            // Undo, so the next line starts from the keyed session. The new number may have
            // changed what the keys did, so the corrected line is looked up.
            const auto& now = t.tape.lines();
            const auto corrected =
                std::find_if(now.begin(), now.end(), [](const TapeLine& l) { return l.corrected; });
            ASSERT_NE(corrected, now.end()) << context;
            ASSERT_EQ(t.h.calculator->correct(static_cast<std::size_t>(corrected - now.begin()),
                                              line.value),
                      Correction::done)
                << context;
            ASSERT_EQ(t.tape.lines(), lines) << context;
            ++corrections;
            if (::testing::Test::HasFailure()) {
                return;
            }
        }
    }
    EXPECT_GT(corrections, 200);
}

}  // namespace
}  // namespace orvane::engine::testing
