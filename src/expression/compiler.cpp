// Recursive descent over the precedence levels, loosest first:
//   + -   <   Mod   <   \   <   * /   <   unary - +   <   ^
// Binary operators are left-associative; a sign may follow any operator ("2*-3", "2^-1").
// Only parentheses and function calls recurse, and their nesting is bounded.
#include "expression/lexer.h"
#include "expression/program.h"

namespace orvane::expression {
namespace {

class Compiler {
  public:
    explicit Compiler(std::string_view formula) : lexer_(formula) {
        // Every operation comes from at least one character of the formula, so this is the
        // most the program can need; untouched capacity costs no memory pages.
        program_.ops.reserve(formula.size());
        advance();
    }

    Program compile() {
        if (current_.kind != TokenKind::End) {
            additive(0);
            if (ok() && current_.kind != TokenKind::End) {
                fail(EvalError::Syntax);
            }
        }
        if (!ok()) {
            program_.ops.clear();
        }
        return std::move(program_);
    }

  private:
    bool ok() const { return program_.error == EvalError::None; }

    void fail(EvalError error) {
        if (ok()) {
            program_.error = error;
        }
    }

    void advance() {
        current_ = lexer_.next();
        if (current_.kind == TokenKind::Error) {
            fail(current_.error);
        }
    }

    void emit(OpCode code) {
        Op op;
        op.code = code;
        program_.ops.push_back(op);
    }

    void additive(int depth) {
        modulo(depth);
        while (ok() && (current_.kind == TokenKind::Plus || current_.kind == TokenKind::Minus)) {
            const OpCode code = current_.kind == TokenKind::Plus ? OpCode::Add : OpCode::Subtract;
            advance();
            modulo(depth);
            emit(code);
        }
    }

    void modulo(int depth) {
        integer_division(depth);
        while (ok() && current_.kind == TokenKind::Mod) {
            advance();
            integer_division(depth);
            emit(OpCode::Modulo);
        }
    }

    void integer_division(int depth) {
        multiplicative(depth);
        while (ok() && current_.kind == TokenKind::Backslash) {
            advance();
            multiplicative(depth);
            emit(OpCode::IntegerDivide);
        }
    }

    void multiplicative(int depth) {
        unary(depth);
        while (ok() && (current_.kind == TokenKind::Star || current_.kind == TokenKind::Slash)) {
            const OpCode code =
                current_.kind == TokenKind::Star ? OpCode::Multiply : OpCode::Divide;
            advance();
            unary(depth);
            emit(code);
        }
    }

    // Any run of signs, counted rather than recursed, so "------…1" costs no stack.
    bool signs() {
        bool negative = false;
        while (ok() && (current_.kind == TokenKind::Minus || current_.kind == TokenKind::Plus)) {
            negative = negative != (current_.kind == TokenKind::Minus);
            advance();
        }
        return negative;
    }

    // The sign applies to the whole power: -2^2 is -4.
    void unary(int depth) {
        const bool negative = signs();
        power(depth);
        if (negative) {
            emit(OpCode::Negate);
        }
    }

    void power(int depth) {
        primary(depth);
        while (ok() && current_.kind == TokenKind::Caret) {
            advance();
            const bool negative = signs();
            primary(depth);
            if (negative) {
                emit(OpCode::Negate);
            }
            emit(OpCode::Power);
        }
    }

    void primary(int depth) {
        if (!ok()) {
            return;
        }
        switch (current_.kind) {
            case TokenKind::Number: {
                Op op;
                op.number = current_.number;
                program_.ops.push_back(op);
                advance();
                return;
            }
            case TokenKind::LeftParen:
                if (depth >= kMaxNesting) {
                    fail(EvalError::TooDeep);
                    return;
                }
                advance();
                additive(depth + 1);
                expect_closing();
                return;
            case TokenKind::Function:
                call(depth);
                return;
            default:
                fail(EvalError::Syntax);
                return;
        }
    }

    void call(int depth) {
        const Function function = current_.function;
        advance();
        if (!ok()) {
            return;
        }
        if (current_.kind != TokenKind::LeftParen) {
            fail(EvalError::Syntax);
            return;
        }
        if (depth >= kMaxNesting) {
            fail(EvalError::TooDeep);
            return;
        }
        advance();
        int count = 0;
        if (ok() && current_.kind != TokenKind::RightParen) {
            additive(depth + 1);
            ++count;
            while (ok() && current_.kind == TokenKind::Comma) {
                advance();
                additive(depth + 1);
                // Clamped: a long argument list is wrong however long it is.
                count = count < 100 ? count + 1 : count;
            }
        }
        expect_closing();
        if (ok() && !accepts_argument_count(function, count)) {
            fail(EvalError::ArgumentCount);
        }
        if (ok()) {
            Op op;
            op.code = OpCode::Call;
            op.function = function;
            op.argument_count = static_cast<std::uint8_t>(count);
            program_.ops.push_back(op);
        }
    }

    void expect_closing() {
        if (!ok()) {
            return;
        }
        if (current_.kind != TokenKind::RightParen) {
            fail(EvalError::Syntax);
            return;
        }
        advance();
    }

    Lexer lexer_;
    Token current_;
    Program program_;
};

}  // namespace

Program compile(std::string_view formula) {
    return Compiler(formula).compile();
}

}  // namespace orvane::expression
