// Memory used by painting and printing months of 4000 × 3000 photos: one
// month of 12 or 226 distinct files, or a user paging through months of
// different photos (1,000 files, 226 a month), where the resident size must
// level off at the cache's bound. Each measurement runs in a process of its
// own (this program started with kMemoryProbeOption), so that memory freed by
// earlier benchmarks and kept by the allocator cannot hide the growth.

#include "bench_keys.h"
#include "bench_support.h"

#include "print/print_job.h"
#include "view/month_drawing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace calbench {

namespace {

void BM_Memory(benchmark::State& state, ProbeKind kind) {
    const int distinct = static_cast<int>(state.range(0));
    try {
        for (auto _ : state) {
            const MemoryReading reading = runMemoryProbe(kind, distinct);
            state.SetIterationTime(reading.seconds);
            recordSample(key::memoryPeak(kind, distinct), static_cast<double>(reading.peakKb));
            recordSample(key::memoryKept(kind, distinct), static_cast<double>(reading.keptKb));
            state.counters["peak_growth_MiB"] = reading.peakKb / 1024.0;
            state.counters["kept_MiB"] = reading.keptKb / 1024.0;
            for (std::size_t m = 0; m < reading.monthsKb.size(); ++m)
                recordSample(key::memoryMonth(static_cast<int>(m) + 1), static_cast<double>(reading.monthsKb[m]));
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void BM_RepaintMemory(benchmark::State& state) { BM_Memory(state, ProbeKind::Repaint); }
void BM_PrintMemory(benchmark::State& state) { BM_Memory(state, ProbeKind::Print); }

}  // namespace

MemoryReading memoryProbe(ProbeKind kind, int distinct) {
    DataFolder folder(distinct, PictureSize::Large);
    const bool print = kind == ProbeKind::Print;
    const auto program = print ? std::make_unique<Program>(folder.path(), folder.file("page.pdf"))
                               : std::make_unique<Program>(folder.path());
    installMonth(program->state(), std::min(distinct, kMonthSlots));
    settleEvents();
    releaseFreeMemory();
    if (!resetPeakRss()) throw std::runtime_error("the peak memory cannot be reset here");
    const long before = currentRssKb();
    const double start = now();
    if (print) {
        cal::BUTTON7_ON(program->context());
        if (program->state().print.failed) throw std::runtime_error("the print failed: " + program->messages());
    }
    MemoryReading reading;
    if (!print) {
        // Each month painted twice (cold, then from whatever the program
        // kept), one month after the other.
        for (int first = 0; first < distinct; first += kMonthSlots) {
            installMonth(program->state(), std::min(kMonthSlots, distinct - first), first);
            for (int i = 0; i < 2; ++i) {
                cal::repaintMonth(program->context());
                program->settlePictures();
            }
            releaseFreeMemory();
            reading.monthsKb.push_back(currentRssKb() - before);
        }
    }
    reading.seconds = now() - start;
    reading.peakKb = peakRssKb() - before;
    // What the program still holds, not what the allocator keeps for reuse.
    releaseFreeMemory();
    reading.keptKb = currentRssKb() - before;
    return reading;
}

BENCHMARK(BM_RepaintMemory)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Arg(12)->Arg(226)->Arg(1000);
BENCHMARK(BM_PrintMemory)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Arg(12)->Arg(226);

}  // namespace calbench
