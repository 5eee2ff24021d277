#include "expression/formula_steps.h"

#include "expression/evaluator.h"
#include "expression/program.h"

namespace orvane::expression {

std::string clean_formula(std::string_view typed) {
    // Stripping the ends and then deleting every inner space leaves no space at all.
    std::string cleaned;
    cleaned.reserve(typed.size());
    for (const char c : typed) {
        if (c != ' ') {
            cleaned.push_back(c);
        }
    }
    return cleaned;
}

std::string result_caption(std::string_view text) {
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        // A UTF-8 continuation byte belongs to the character before it.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (characters == kCaptionLength) {
                break;
            }
            ++characters;
        }
        ++i;
    }
    return std::string(text.substr(0, i));
}

std::string error_message(EvalError error) {
    if (error == EvalError::too_deep) {
        return "表达式嵌套过深：括号和函数最多只能嵌套" + std::to_string(kMaxNesting) + "层。";
    }
    return std::string(kErrorMessage);
}

Evaluation evaluate_typed(std::string_view typed) {
    Evaluation evaluation;
    evaluation.cleaned = clean_formula(typed);
    const EvalResult result = evaluate(evaluation.cleaned);
    evaluation.ok = result.ok;
    if (result.ok) {
        evaluation.full_text = result.text;
        evaluation.caption = result_caption(result.text);
    } else {
        evaluation.message = error_message(result.error);
    }
    return evaluation;
}

}  // namespace orvane::expression
