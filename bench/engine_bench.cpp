// One million random keys through the standard calculator's engine; the figure that matters
// is the average time per key operation (budget: under a microsecond), without the session's
// tape and with it (every key then also goes into the key stream and writes its lines; the
// tape is held at its 10,000-line cap, so the oldest lines are dropped as new ones come), and
// with results read aloud.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/calculator.h"
#include "engine/tape.h"

namespace {

using orvane::engine::Calculator;
using orvane::engine::Key;

// Counts what leaves the engine, as a window would receive it.
class CountingEffects : public orvane::engine::Effects {
  public:
    void play_clip(std::string_view name) override { clips += name.size(); }
    void play_sequence(std::span<const std::string_view> names) override { clips += names.size(); }
    void copy_to_clipboard(std::string_view text) override { copied += text.size(); }
    std::size_t clips = 0;
    std::size_t copied = 0;
};

std::vector<Key> random_keys(std::size_t count) {
    std::mt19937 random(20261208);
    const int last = static_cast<int>(Key::grand_total);  // every key but the voice switch
    std::uniform_int_distribution<int> any_key(0, last);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> coin(0, 1);
    std::vector<Key> keys;
    keys.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        // Half digits, so that numbers of realistic length are built and computed.
        keys.push_back(static_cast<Key>(coin(random) ? digit(random) : any_key(random)));
    }
    return keys;
}

void BM_MillionRandomKeys(benchmark::State& state) {
    const bool taped = state.range(0) != 0;
    const std::vector<Key> keys = random_keys(1'000'000);
    for (auto _ : state) {
        orvane::engine::Registers registers;
        CountingEffects effects;
        Calculator calculator(registers, effects);
        orvane::engine::Tape tape;
        if (taped) {
            calculator.attach_tape(&tape);
        }
        orvane::engine::LoadPresets presets;
        presets.voice = true;
        presets.autocopy = true;
        presets.rounding = orvane::engine::Rounding::round;
        presets.decimals = 2;
        calculator.load(presets);
        calculator.set_read_results(state.range(1) != 0);
        for (const Key key : keys) {
            calculator.press(key);
        }
        benchmark::DoNotOptimize(calculator.controls().display.data());
        benchmark::DoNotOptimize(effects.clips);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(keys.size()));
    // Seconds per key operation, shown with an SI prefix (e.g. "250n").
    state.counters["time_per_key"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(keys.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MillionRandomKeys)
    ->ArgNames({"tape", "readback"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// A correction near the end of a session of 100,000 keys without AC: the whole session is
// replayed (the worst case; an AC before the line shortens it).
void BM_CorrectionReplaysTheSession(benchmark::State& state) {
    std::vector<Key> keys;
    for (int i = 0; i < 25'000; ++i) {
        keys.insert(keys.end(), {Key::digit1, Key::digit2, Key::digit3, Key::add});
    }
    orvane::engine::Registers registers;
    CountingEffects effects;
    Calculator calculator(registers, effects);
    orvane::engine::Tape tape;
    calculator.attach_tape(&tape);
    for (const Key key : keys) {
        calculator.press(key);
    }
    const std::size_t last = tape.lines().size() - 1;
    bool flip = false;
    for (auto _ : state) {
        calculator.correct(last, flip ? "123" : "124");
        flip = !flip;
        benchmark::DoNotOptimize(calculator.controls().display.data());
    }
}
BENCHMARK(BM_CorrectionReplaysTheSession)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
