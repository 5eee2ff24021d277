// Cost of the month-by-month plan: a 30-year loan, each scheme alone and both together, with
// and without an early repayment.
#include <benchmark/benchmark.h>

#include <variant>

#include "mortgage/schedule.h"

namespace {

namespace m = orvane::mortgage;

m::LoanTerms thirty_years() {
    return std::get<m::LoanTerms>(m::loan_terms({"30", "4.9", "", "", "150"}));
}

void BM_ThirtyYearInstalments(benchmark::State& state) {
    const auto terms = thirty_years();
    for (auto _ : state) {
        benchmark::DoNotOptimize(m::make_plan(terms, m::Scheme::equal_instalment));
    }
}

void BM_ThirtyYearPrincipal(benchmark::State& state) {
    const auto terms = thirty_years();
    for (auto _ : state) {
        benchmark::DoNotOptimize(m::make_plan(terms, m::Scheme::equal_principal));
    }
}

// What the window and orvane-cli do for one loan: the terms, then both plans.
void BM_ThirtyYearBothSchemes(benchmark::State& state) {
    for (auto _ : state) {
        const auto terms = thirty_years();
        benchmark::DoNotOptimize(m::make_plan(terms, m::Scheme::equal_instalment));
        benchmark::DoNotOptimize(m::make_plan(terms, m::Scheme::equal_principal));
    }
}

void BM_ThirtyYearBothSchemesPrepaid(benchmark::State& state) {
    const m::Prepayment prepay{20'000'000, 36, m::PrepayMode::reduce};
    for (auto _ : state) {
        const auto terms = thirty_years();
        benchmark::DoNotOptimize(m::make_plan(terms, m::Scheme::equal_instalment, prepay));
        benchmark::DoNotOptimize(m::make_plan(terms, m::Scheme::equal_principal, prepay));
    }
}

}  // namespace

BENCHMARK(BM_ThirtyYearInstalments);
BENCHMARK(BM_ThirtyYearPrincipal);
BENCHMARK(BM_ThirtyYearBothSchemes);
BENCHMARK(BM_ThirtyYearBothSchemesPrepaid);
BENCHMARK_MAIN();
