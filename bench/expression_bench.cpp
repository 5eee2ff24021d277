// Parsing and evaluating typical formulas, as one click on the compute button does.
#include <benchmark/benchmark.h>

#include <string>

#include "expression/evaluator.h"
#include "expression/formula_steps.h"

namespace {

const char* const kFormulas[] = {
    "1+2",
    "1/3",
    "2^50",
    "(1+2)*3-4/5",
    "sin(1)^2+cos(1)^2",
    "log(10)*exp(2)/sqr(7)",
    "-2^0.5*(3.75-1.25E-3)\\2",
    "round(123.456789,3)+abs(-7)mod4",
    "((((1+2)*(3+4))/((5-6)*(7-8)))^2)",
    "1.5E-3*tan(0.7)+atn(1)*4-int(-2.5)+fix(2.5)+sgn(-9)",
};

void BM_Evaluate(benchmark::State& state) {
    const std::string formula = kFormulas[state.range(0)];
    state.SetLabel(formula);
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvane::expression::evaluate(formula));
    }
}
BENCHMARK(BM_Evaluate)->DenseRange(0, std::size(kFormulas) - 1);

// The window's whole step: cleaning, evaluation and the caption.
void BM_EvaluateTyped(benchmark::State& state) {
    const std::string typed = "sin( 1 ) ^ 2 + cos( 1 ) ^ 2 * 2 ^ 50";
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvane::expression::evaluate_typed(typed));
    }
}
BENCHMARK(BM_EvaluateTyped);

// A megabyte-long formula, to show the cost stays linear.
void BM_LongSum(benchmark::State& state) {
    std::string formula = "1";
    while (formula.size() < static_cast<std::size_t>(state.range(0))) {
        formula += "+1";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvane::expression::evaluate(formula));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(formula.size()));
}
BENCHMARK(BM_LongSum)->Range(1 << 10, 1 << 20);

}  // namespace

BENCHMARK_MAIN();
