// The lenient reading of a pasted text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/calculator.h"
#include "engine/paste_text.h"

namespace orvane::engine {
namespace {

constexpr auto kLimit = static_cast<std::size_t>(kDisplayLimit);

TEST(PasteText, AcceptedTextsBecomeEntryNumbers) {
    const struct {
        std::string text;
        std::string number;
    } rows[] = {
        {"1234\n", "1234"},
        {"\t12.5\r\n", "12.5"},
        {" \xC2\xA5"
         "1,234.5\n",
         "1234.5"},  // " ¥1,234.5"
        {"1,234,567.89", "1234567.89"},
        {"999,999", "999999"},
        {"\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93", "123"},  // "１２３"
        {"\xEF\xBC\x90\xEF\xBC\x8E\xEF\xBC\x95", "0.5"},  // "０．５"
        {"\xEF\xBC\x8D\xEF\xBC\x97", "-7"},               // "－７"
        {"\xEF\xBF\xA5"
         "8",
         "8"},  // "￥8"
        {"$-3.5", "-3.5"},
        {"-$3.5", "-3.5"},
        {"-42", "-42"},
        {"007", "7"},
        {"0.25", "0.25"},
        {".5", ".5"},
        {"123456789012", "123456789012"},
        {"1.23456789012345", "1.2345678901"},  // fraction cut to the display
        {"-12345678901", "-12345678901"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(read_pasted_number(row.text, kLimit), std::optional<std::string>(row.number))
            << row.text;
    }
}

TEST(PasteText, OtherTextsAreIgnored) {
    const std::string rows[] = {
        "",
        " \n\t",
        "abc",
        "12a",
        "1.2.3",
        "12,34",  // a decimal comma or a grouping typo: not guessed
        "1,23",
        ",123",
        "1,,234",
        "1234,567",
        "1,234.5,6",
        "1.234,5",
        "--5",
        "$$5",
        "5$",
        "5-",
        "1 234",
        "-",
        "$",
        "\xC2\xA5",
        "1e5",
        "1234567890123",  // thirteen whole digits do not fit the display
        "-123456789012",
        "\xEF\xBC",  // a cut-off full-width character
    };
    for (const auto& row : rows) {
        EXPECT_EQ(read_pasted_number(row, kLimit), std::nullopt) << row;
    }
}

}  // namespace
}  // namespace orvane::engine
