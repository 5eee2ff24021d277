// Splits a formula into tokens, one at a time, so that a formula of any length needs no
// token list. Spaces separate tokens; every other character outside the grammar is an error.
#pragma once

#include <cstddef>
#include <string_view>

#include "expression/eval_error.h"
#include "expression/functions.h"

namespace orvane::expression {

enum class TokenKind {
    end,
    number,
    plus,
    minus,
    star,
    slash,
    backslash,
    caret,
    mod,
    left_paren,
    right_paren,
    comma,
    function,
    error,  // the lexer's error is in Token::error
};

struct Token {
    TokenKind kind = TokenKind::end;
    double number = 0.0;                // for Number
    Function function = Function::sin;  // for Function
    EvalError error = EvalError::none;  // for Error
};

class Lexer {
  public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token next();

  private:
    Token number();
    Token name();

    std::string_view text_;
    std::size_t pos_ = 0;
    // A name such as "modsin" (spaces deleted from "Mod sin") yields Mod now and the
    // function at the following call.
    bool pending_function_ = false;
    Function pending_ = Function::sin;
};

}  // namespace orvane::expression
