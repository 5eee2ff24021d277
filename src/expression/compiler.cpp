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
        if (current_.kind != TokenKind::end) {
            additive(0);
            if (ok() && current_.kind != TokenKind::end) {
                fail(EvalError::syntax);
            }
        }
        if (!ok()) {
            program_.ops.clear();
        }
        return std::move(program_);
    }

  private:
    bool ok() const { return program_.error == EvalError::none; }

    void fail(EvalError error) {
        if (ok()) {
            program_.error = error;
        }
    }

    void advance() {
        current_ = lexer_.next();
        if (current_.kind == TokenKind::error) {
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
        while (ok() && (current_.kind == TokenKind::plus || current_.kind == TokenKind::minus)) {
            const OpCode code = current_.kind == TokenKind::plus ? OpCode::add : OpCode::subtract;
            advance();
            modulo(depth);
            emit(code);
        }
    }

    void modulo(int depth) {
        integer_division(depth);
        while (ok() && current_.kind == TokenKind::mod) {
            advance();
            integer_division(depth);
            emit(OpCode::modulo);
        }
    }

    void integer_division(int depth) {
        multiplicative(depth);
        while (ok() && current_.kind == TokenKind::backslash) {
            advance();
            multiplicative(depth);
            emit(OpCode::integer_divide);
        }
    }

    void multiplicative(int depth) {
        unary(depth);
        while (ok() && (current_.kind == TokenKind::star || current_.kind == TokenKind::slash)) {
            const OpCode code =
                current_.kind == TokenKind::star ? OpCode::multiply : OpCode::divide;
            advance();
            unary(depth);
            emit(code);
        }
    }

    // Any run of signs, counted rather than recursed, so "------…1" costs no stack.
    bool signs() {
        bool negative = false;
        while (ok() && (current_.kind == TokenKind::minus || current_.kind == TokenKind::plus)) {
            negative = negative != (current_.kind == TokenKind::minus);
            advance();
        }
        return negative;
    }

    // The sign applies to the whole power: -2^2 is -4.
    void unary(int depth) {
        const bool negative = signs();
        power(depth);
        if (negative) {
            emit(OpCode::negate);
        }
    }

    void power(int depth) {
        primary(depth);
        while (ok() && current_.kind == TokenKind::caret) {
            advance();
            const bool negative = signs();
            primary(depth);
            if (negative) {
                emit(OpCode::negate);
            }
            emit(OpCode::power);
        }
    }

    void primary(int depth) {
        if (!ok()) {
            return;
        }
        switch (current_.kind) {
            case TokenKind::number: {
                Op op;
                op.number = current_.number;
                program_.ops.push_back(op);
                advance();
                return;
            }
            case TokenKind::left_paren:
                if (depth >= kMaxNesting) {
                    fail(EvalError::too_deep);
                    return;
                }
                advance();
                additive(depth + 1);
                expect_closing();
                return;
            case TokenKind::function:
                call(depth);
                return;
            default:
                fail(EvalError::syntax);
                return;
        }
    }

    void call(int depth) {
        const Function function = current_.function;
        advance();
        if (!ok()) {
            return;
        }
        if (current_.kind != TokenKind::left_paren) {
            fail(EvalError::syntax);
            return;
        }
        if (depth >= kMaxNesting) {
            fail(EvalError::too_deep);
            return;
        }
        advance();
        int count = 0;
        if (ok() && current_.kind != TokenKind::right_paren) {
            additive(depth + 1);
            ++count;
            while (ok() && current_.kind == TokenKind::comma) {
                advance();
                additive(depth + 1);
                // Clamped: a long argument list is wrong however long it is.
                count = count < 100 ? count + 1 : count;
            }
        }
        expect_closing();
        if (ok() && !accepts_argument_count(function, count)) {
            fail(EvalError::argument_count);
        }
        if (ok()) {
            Op op;
            op.code = OpCode::call;
            op.function = function;
            op.argument_count = static_cast<std::uint8_t>(count);
            program_.ops.push_back(op);
        }
    }

    void expect_closing() {
        if (!ok()) {
            return;
        }
        if (current_.kind != TokenKind::right_paren) {
            fail(EvalError::syntax);
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
