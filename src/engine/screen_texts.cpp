#include "engine/screen_texts.h"

namespace orvane::engine {
namespace {

struct RoundingTexts {
    Rounding mode;
    std::string_view caption;
    std::string_view word;
};

constexpr std::array<RoundingTexts, 3> kRoundingTexts = {{
    {Rounding::none, "不作处理", "none"},
    {Rounding::cut, "直接舍去", "cut"},
    {Rounding::round, "四舍五入", "round"},
}};

const RoundingTexts& texts_of(Rounding mode) {
    for (const auto& row : kRoundingTexts) {
        if (row.mode == mode) {
            return row;
        }
    }
    return kRoundingTexts.front();
}

}  // namespace

std::string_view operator_symbol(Operator op) {
    switch (op) {
        case Operator::add:
            return "＋";
        case Operator::subtract:
            return "－";
        case Operator::multiply:
            return "×";
        case Operator::divide:
            return "÷";
        case Operator::none:
            break;
    }
    return "";
}

std::string_view rounding_caption(Rounding mode) {
    return texts_of(mode).caption;
}

std::string_view rounding_word(Rounding mode) {
    return texts_of(mode).word;
}

std::optional<Rounding> rounding_from_word(std::string_view word) {
    for (const auto& row : kRoundingTexts) {
        if (row.word == word) {
            return row.mode;
        }
    }
    return std::nullopt;
}

}  // namespace orvane::engine
