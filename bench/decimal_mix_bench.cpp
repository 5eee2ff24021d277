// The decimal operations on a calculator-like mix of operands: 1024 fixed pairs, each result
// added into an accumulator that starts again from zero every 4096 operations. The time per
// iteration is one operation plus its accumulation.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>

#include "numeric/decimal.h"

namespace {

using orvane::Decimal;
using orvane::DecimalResult;

constexpr int kPairs = 1024;
constexpr int kResetEvery = 4096;
constexpr std::int64_t kOperations = 5'000'000;

struct Pair {
    Decimal a;
    Decimal b;
};

// a = an integer in [1, 999999999) / 10^k, k in 0..5; b = an integer in [1, 999999) / 10^j,
// j in 0..3. The seed is fixed so that every run sees the same operands.
const std::array<Pair, kPairs>& pairs() {
    static const std::array<Pair, kPairs> kTable = [] {
        std::array<Pair, kPairs> out{};
        std::mt19937_64 random(20261208);
        std::uniform_int_distribution<std::uint32_t> a_digits(1, 999999998);
        std::uniform_int_distribution<std::uint32_t> b_digits(1, 999998);
        std::uniform_int_distribution<int> a_scale(0, 5);
        std::uniform_int_distribution<int> b_scale(0, 3);
        for (Pair& p : out) {
            p.a = Decimal::from_parts(a_digits(random), 0, 0, false, a_scale(random));
            p.b = Decimal::from_parts(b_digits(random), 0, 0, false, b_scale(random));
        }
        return out;
    }();
    return kTable;
}

template <class Op>
void run_mix(benchmark::State& state, Op op) {
    const auto& table = pairs();
    Decimal sum;
    int index = 0;
    int since_reset = 0;
    for (auto _ : state) {
        const Pair& p = table[static_cast<std::size_t>(index)];
        const DecimalResult r = op(p.a, p.b);
        const DecimalResult s = orvane::add(sum, r.value);
        sum = s.value;
        benchmark::DoNotOptimize(sum);
        index = (index + 1) % kPairs;
        if (++since_reset == kResetEvery) {
            since_reset = 0;
            sum = Decimal{};
        }
    }
}

void BM_MixAdd(benchmark::State& s) {
    run_mix(s, [](const Decimal& a, const Decimal& b) { return orvane::add(a, b); });
}
void BM_MixMultiply(benchmark::State& s) {
    run_mix(s, [](const Decimal& a, const Decimal& b) { return orvane::multiply(a, b); });
}
void BM_MixDivide(benchmark::State& s) {
    run_mix(s, [](const Decimal& a, const Decimal& b) { return orvane::divide(a, b); });
}

BENCHMARK(BM_MixAdd)->Iterations(kOperations);
BENCHMARK(BM_MixMultiply)->Iterations(kOperations);
BENCHMARK(BM_MixDivide)->Iterations(kOperations);

}  // namespace

BENCHMARK_MAIN();
