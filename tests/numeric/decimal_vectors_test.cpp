// Every line of the shared reference file of decimal results must come out the same.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "numeric/decimal.h"

namespace orvane {
namespace {

std::vector<std::string> split_tabs(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) {
        fields.push_back(field);
    }
    return fields;
}

std::optional<std::string> compute(const std::string& op, const Decimal& a, const std::string& b) {
    if (op == "round") {
        return round(a, std::stoi(b)).text();
    }
    if (op == "int32") {
        const auto whole = to_int32(a);
        return whole ? std::to_string(*whole) : "overflow";
    }
    const auto right = Decimal::parse(b);
    if (!right) {
        return std::nullopt;
    }
    if (op == "add") {
        return outcome_text(add(a, *right));
    }
    if (op == "sub") {
        return outcome_text(subtract(a, *right));
    }
    if (op == "mul") {
        return outcome_text(multiply(a, *right));
    }
    if (op == "div") {
        return outcome_text(divide(a, *right));
    }
    return std::nullopt;
}

TEST(DecimalVectors, EveryReferenceLineMatches) {
    std::ifstream file(ORVANE_DECIMAL_VECTORS);
    ASSERT_TRUE(file) << "cannot open the reference vectors";
    std::string line;
    int line_number = 0;
    int checked = 0;
    while (std::getline(file, line)) {
        ++line_number;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::vector<std::string> f = split_tabs(line);
        ASSERT_EQ(f.size(), 4U) << "line " << line_number << ": " << line;
        const auto a = Decimal::parse(f[1]);
        ASSERT_TRUE(a) << "line " << line_number << ": operand does not parse: " << f[1];
        EXPECT_EQ(compute(f[0], *a, f[2]), f[3]) << "line " << line_number << ": " << line;
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace orvane
