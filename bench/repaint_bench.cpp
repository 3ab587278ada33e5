// Repainting the month window (title band, cell clearing, day cells) on the
// real Qt service, with and without 640 × 480 pictures in every cell.

#include "bench_keys.h"
#include "bench_support.h"

#include "view/month_drawing.h"

#include <benchmark/benchmark.h>

#include <exception>
#include <stdexcept>

namespace calbench {

namespace {

constexpr int kDistinct = 12;

void timedRepaint(benchmark::State& state, Program& program, const char* key) {
    const double start = now();
    cal::repaintMonth(program.context());
    const double seconds = now() - start;
    state.SetIterationTime(seconds);
    recordSample(key, seconds);
}

// (a) The month with every picture name empty: texts and frames only.
void BM_RepaintNoPictures(benchmark::State& state) {
    try {
        DataFolder folder(0);
        Program program(folder.path());
        installMonth(program.state(), 0);
        cal::repaintMonth(program.context());
        settleEvents();
        for (auto _ : state) {
            timedRepaint(state, program, key::kRepaintNoPictures);
            settleEvents();
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// (b) Reading and decoding each distinct picture file once, with Qt.
void BM_DecodeEachFileOnce(benchmark::State& state) {
    try {
        DataFolder folder(kDistinct);
        std::uintmax_t pngBytes = 0;
        for (int i = 1; i <= kDistinct; ++i) {
            const std::uintmax_t size = savePictureAsPng(folder.picturePath(i), folder.file("p.png"));
            if (size == 0) throw std::runtime_error("cannot re-encode " + folder.picturePath(i));
            pngBytes += size;
        }
        recordSample(key::kPngBytes, static_cast<double>(pngBytes));
        for (auto _ : state) {
            const double start = now();
            for (int i = 1; i <= kDistinct; ++i)
                if (!decodePicture(folder.picturePath(i))) throw std::runtime_error("cannot decode");
            const double seconds = now() - start;
            state.SetIterationTime(seconds);
            recordSample(key::kDecodeOnce, seconds);
        }
        state.counters["files"] = kDistinct;
        state.counters["png_KiB"] = static_cast<double>(pngBytes) / 1024.0;
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// (c) The picture month painted before: the steady state.
void BM_RepaintUnchanged(benchmark::State& state) {
    try {
        DataFolder folder(kDistinct);
        Program program(folder.path());
        installMonth(program.state(), kDistinct);
        for (int warm = 0; warm < 2; ++warm) {
            cal::repaintMonth(program.context());
            settleEvents();
        }
        for (auto _ : state) {
            timedRepaint(state, program, key::kRepaintUnchanged);
            settleEvents();
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// (d) The first repaint of the picture month in a program that has never
// seen its files: a fresh data folder, service and program every time; only
// the repaint is timed.
void BM_FirstRepaint(benchmark::State& state) {
    try {
        for (auto _ : state) {
            DataFolder folder(kDistinct);
            Program program(folder.path());
            installMonth(program.state(), kDistinct);
            settleEvents();
            timedRepaint(state, program, key::kRepaintFirst);
            settleEvents();
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

}  // namespace

BENCHMARK(BM_RepaintNoPictures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);
BENCHMARK(BM_DecodeEachFileOnce)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);
BENCHMARK(BM_FirstRepaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(8);

}  // namespace calbench
