// Throughput of the relieved-pin dimension rule: texts per second for what users type (valid
// diameters, numbers out of range, junk), and heap allocations per text.
#include "allocation_counter.h"
#include "calc/pin_dimensions.h"

#include <benchmark/benchmark.h>
#include <span>
#include <string_view>
#include <vector>

namespace {

const std::vector<std::u16string_view> kValidTexts = {
    u"6",    u"7.3",   u"12.5", u"20",   u"40.5", u" 25 ", u"8.1", u"32",
    u"49.9", u"4.123", u"１０", u"&H10", u"1,5",  u"1e1",  u"33",  u"12.345678901234567",
};
const std::vector<std::u16string_view> kOutOfRangeTexts = {
    u"60", u"0", u"2.99", u"-10", u"50.01", u"1e3", u"1,234", u"100",
};
const std::vector<std::u16string_view> kJunkTexts = {
    u"", u" ", u"abc", u"5mm", u"1d2", u"inf", u"7..3", u"十",
};

// A session's worth of input: mostly valid diameters, some out of range, a little junk.
std::vector<std::u16string_view> RealisticMix() {
    std::vector<std::u16string_view> mix;
    for (int i = 0; i < 4; ++i) {
        mix.insert(mix.end(), kValidTexts.begin(), kValidTexts.end());
    }
    mix.insert(mix.end(), kOutOfRangeTexts.begin(), kOutOfRangeTexts.end());
    mix.insert(mix.end(), kJunkTexts.begin(), kJunkTexts.end());
    return mix;
}

void ComputeAll(benchmark::State& state, std::span<const std::u16string_view> texts) {
    const std::size_t allocationsBefore = AllocationCount();
    for (auto _ : state) {
        for (const std::u16string_view text : texts) {
            benchmark::DoNotOptimize(calc::ComputePinDimensions(text));
        }
    }
    const auto computed = static_cast<double>(state.iterations() * texts.size());
    state.counters["texts_per_second"] = benchmark::Counter(computed, benchmark::Counter::kIsRate);
    state.counters["allocations_per_text"] =
        static_cast<double>(AllocationCount() - allocationsBefore) / computed;
}

void BM_RealisticMix(benchmark::State& state) {
    const std::vector<std::u16string_view> mix = RealisticMix();
    ComputeAll(state, mix);
}
void BM_Valid(benchmark::State& state) {
    ComputeAll(state, kValidTexts);
}
void BM_OutOfRange(benchmark::State& state) {
    ComputeAll(state, kOutOfRangeTexts);
}
void BM_Junk(benchmark::State& state) {
    ComputeAll(state, kJunkTexts);
}

BENCHMARK(BM_RealisticMix);
BENCHMARK(BM_Valid);
BENCHMARK(BM_OutOfRange);
BENCHMARK(BM_Junk);

} // namespace

BENCHMARK_MAIN();
