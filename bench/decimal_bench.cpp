// Costs of the decimal type's operations on everyday and worst-case operands.
#include <benchmark/benchmark.h>

#include <string>

#include "numeric/decimal.h"

namespace {

using orvane::Decimal;

Decimal dec(const char* text) {
    return Decimal::parse(text).value_or(Decimal{});
}

template <class Op>
void run_binary(benchmark::State& state, const char* a_text, const char* b_text, Op op) {
    const Decimal a = dec(a_text);
    const Decimal b = dec(b_text);
    for (auto _ : state) {
        benchmark::DoNotOptimize(op(a, b));
    }
}

auto add_op = [](const Decimal& a, const Decimal& b) { return orvane::add(a, b); };
auto mul_op = [](const Decimal& a, const Decimal& b) { return orvane::multiply(a, b); };
auto div_op = [](const Decimal& a, const Decimal& b) { return orvane::divide(a, b); };

void BM_AddEveryday(benchmark::State& s) {
    run_binary(s, "12345.67", "3.5", add_op);
}
void BM_AddAligned28Digits(benchmark::State& s) {
    run_binary(s, "1234567890123456789.012345678", "0.1234567890123456789012345678", add_op);
}
void BM_AddRounding(benchmark::State& s) {
    run_binary(s, "79228162514264337593543950334", "0.5", add_op);
}
void BM_MultiplyEveryday(benchmark::State& s) {
    run_binary(s, "12345.67", "3.5", mul_op);
}
void BM_Multiply28Digits(benchmark::State& s) {
    run_binary(s, "1.234567890123456789012345678", "9.876543210987654321098765432", mul_op);
}
void BM_MultiplyLargeRounding(benchmark::State& s) {
    run_binary(s, "7922816251426433759354395.0335", "3.1415926535897932384626433833", mul_op);
}
void BM_DivideEveryday(benchmark::State& s) {
    run_binary(s, "12345.67", "3.5", div_op);
}
void BM_DivideOneThird(benchmark::State& s) {
    run_binary(s, "1", "3", div_op);
}
void BM_DivideExact(benchmark::State& s) {
    run_binary(s, "1", "8", div_op);
}
void BM_Divide28Digits(benchmark::State& s) {
    run_binary(s, "9.876543210987654321098765432", "1.234567890123456789012345678", div_op);
}
void BM_DivideWorstScale(benchmark::State& s) {
    run_binary(s, "79228162514264337593543950335", "0.0000000000000000000000000007", div_op);
}
void BM_DivideLargeByLarge(benchmark::State& s) {
    run_binary(s, "0.0000000000000000000000000001", "7922816251426433759354395033.5", div_op);
}

void BM_ParseEveryday(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Decimal::parse("12345.67"));
    }
}
void BM_Parse28Digits(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Decimal::parse("-1.234567890123456789012345678"));
    }
}
void BM_ParseLongRounded(benchmark::State& state) {
    const std::string text = "0." + std::string(1000, '3');
    for (auto _ : state) {
        benchmark::DoNotOptimize(Decimal::parse(text));
    }
}
void BM_TextEveryday(benchmark::State& state) {
    const Decimal d = dec("12345.67");
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.text());
    }
}
void BM_Text28Digits(benchmark::State& state) {
    const Decimal d = dec("0.3333333333333333333333333333");
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.text());
    }
}
void BM_FromDouble(benchmark::State& state) {
    double x = 1.4142135623730951;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Decimal::from_double(x));
        benchmark::DoNotOptimize(x);
    }
}

BENCHMARK(BM_AddEveryday);
BENCHMARK(BM_AddAligned28Digits);
BENCHMARK(BM_AddRounding);
BENCHMARK(BM_MultiplyEveryday);
BENCHMARK(BM_Multiply28Digits);
BENCHMARK(BM_MultiplyLargeRounding);
BENCHMARK(BM_DivideEveryday);
BENCHMARK(BM_DivideOneThird);
BENCHMARK(BM_DivideExact);
BENCHMARK(BM_Divide28Digits);
BENCHMARK(BM_DivideWorstScale);
BENCHMARK(BM_DivideLargeByLarge);
BENCHMARK(BM_ParseEveryday);
BENCHMARK(BM_Parse28Digits);
BENCHMARK(BM_ParseLongRounded);
BENCHMARK(BM_TextEveryday);
BENCHMARK(BM_Text28Digits);
BENCHMARK(BM_FromDouble);

}  // namespace

BENCHMARK_MAIN();
