// Engine::Analyze against the step-by-step reference, on the same inputs in
// the same process, so that their ratio comes from one run.

#include "Data.h"

#include <RecordingControls.h>
#include <Reference.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <span>
#include <string>

namespace {

// The time per candidate pattern, from the benchmark's own clock: the counter
// is the candidate count as a rate, inverted.
benchmark::Counter PerCandidate(std::size_t candidates)
{
    return benchmark::Counter(static_cast<double>(candidates),
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Describe(benchmark::State& state, const Testing::RecordingControls& run, std::size_t codes)
{
    state.counters["codes"] = static_cast<double>(codes);
    state.counters["candidates"] = static_cast<double>(run.Patterns.ListCount());
    state.counters["repeats"] = static_cast<double>(run.RpPatterns.ListCount());
    state.counters["per_candidate"] = PerCandidate(run.Patterns.ListCount());
}

// Counts the exchanges the ordering by length makes in RpPatterns.
class ExchangeCounter : public Engine::ResultListObserver {
public:
    void Exchanged(std::size_t, std::span<const std::size_t> js) override { count += js.size(); }
    std::uint64_t count = 0;
};

// A bare run: no log, nothing observing the lists. The controls are reused,
// as a window's are when Enter is pressed again. One more run, off the clock,
// counts the exchanges, which dominate the cost when much repeats.
void Analyze(benchmark::State& state, const std::u16string& data, std::size_t codes)
{
    Testing::RecordingControls run(false);
    for (auto _ : state) {
        run.Run(data, Bench::StartingKeyLength);
        benchmark::DoNotOptimize(run.KWDS.ListCount());
    }
    ExchangeCounter exchanges;
    run.RpPatterns.SetObserver(&exchanges);
    run.Run(data, Bench::StartingKeyLength);
    run.RpPatterns.SetObserver(nullptr);
    Describe(state, run, codes);
    state.counters["exchanges"] = static_cast<double>(exchanges.count);
}

void BM_Analyze_Starting(benchmark::State& state)
{
    Analyze(state, std::u16string(Bench::StartingData), 9);
}

void BM_Analyze_Random(benchmark::State& state)
{
    const auto codes = static_cast<std::size_t>(state.range(0));
    Analyze(state, Bench::RandomCodes(codes), codes);
}

void BM_Analyze_Doubled(benchmark::State& state)
{
    const auto codes = static_cast<std::size_t>(state.range(0));
    Analyze(state, Bench::DoubledCodes(codes / 2), codes);
}

std::vector<std::u16string> Entries(const Testing::ReferenceList& list)
{
    return list.entries;
}

// The reference on the same data, then one engine run outside the clock to
// check that both give the same lists and boxes: a speed ratio between
// different results would mean nothing.
void Reference(benchmark::State& state, const std::u16string& data, std::size_t codes)
{
    const std::u16string keyLength(Bench::StartingKeyLength);
    Testing::ReferenceControls reference;
    for (auto _ : state) {
        reference.Data = data;
        reference.KWL = keyLength;
        Testing::ReferenceAnalyze(reference);
        benchmark::DoNotOptimize(reference.KWDS.entries.size());
    }
    Testing::RecordingControls run(false);
    run.Run(data, Bench::StartingKeyLength);
    using Testing::RecordingControls;
    if (Entries(reference.Patterns) != RecordingControls::Entries(run.Patterns) ||
        Entries(reference.RpPatterns) != RecordingControls::Entries(run.RpPatterns) ||
        Entries(reference.Use) != RecordingControls::Entries(run.Use) ||
        Entries(reference.KWDS) != RecordingControls::Entries(run.KWDS) || reference.Excep != run.Excep.text ||
        reference.RKeys != run.RKeys.text)
        state.SkipWithError("the reference and Analyze disagree");
    Describe(state, run, codes);
}

void BM_Reference_Starting(benchmark::State& state)
{
    Reference(state, std::u16string(Bench::StartingData), 9);
}

void BM_Reference_Random(benchmark::State& state)
{
    const auto codes = static_cast<std::size_t>(state.range(0));
    Reference(state, Bench::RandomCodes(codes), codes);
}

}  // namespace

BENCHMARK(BM_Analyze_Starting)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_Reference_Starting)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_Analyze_Random)
    ->Arg(255)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(1500)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_Analyze_Doubled)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();
// Seconds per run: one iteration each, repetitions give the median.
BENCHMARK(BM_Reference_Random)->Arg(255)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
