// Cost of the month-by-month plan: a 30-year loan, each scheme alone and both together, with
// and without an early repayment.
#include <benchmark/benchmark.h>

#include <variant>

#include "mortgage/loan_plan.h"
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

// The window's 计算 for the classic form: validation and both schemes' figures.
void BM_ComputeRepayment(benchmark::State& state) {
    const m::RepaymentInput input{"30", "4.9", "", "", "150"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(m::compute_repayment(input));
    }
}

// A combined loan: both parts' terms, then both schemes' plans of both parts and their sums.
void BM_ThirtyYearCombinedBothSchemes(benchmark::State& state) {
    m::LoanInput input = m::loan_input({"30", "3.65", "", "", "150"});
    input.kind = m::LoanKind::combined;
    input.fund_amount = "60";
    input.fund_rate.base_rate = "3.1";
    for (auto _ : state) {
        const auto parts = std::get<std::vector<m::PartTerms>>(m::loan_part_terms(input));
        for (const auto scheme : {m::Scheme::equal_instalment, m::Scheme::equal_principal}) {
            benchmark::DoNotOptimize(
                m::make_loan_plan(parts, scheme, std::nullopt, m::LoanKind::commercial));
        }
    }
}

}  // namespace

BENCHMARK(BM_ComputeRepayment);
BENCHMARK(BM_ThirtyYearCombinedBothSchemes);
BENCHMARK(BM_ThirtyYearInstalments);
BENCHMARK(BM_ThirtyYearPrincipal);
BENCHMARK(BM_ThirtyYearBothSchemes);
BENCHMARK(BM_ThirtyYearBothSchemesPrepaid);
BENCHMARK_MAIN();
