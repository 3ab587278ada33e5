// Repainting the month window (title band, cell clearing, day cells) on the
// real Qt service: without pictures, with nothing changed since the last
// repaint, and the first time, until every picture is in; with 12, 50, 226
// and 1,000 distinct files of clip-art (640 × 480) or photos (4000 × 3000).

#include "bench_keys.h"
#include "bench_support.h"

#include "view/month_drawing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace calbench {

namespace {

// The distinct files one month shows: a larger library is seen over
// several months, each with pictures of its own.
int monthDistinct(int distinct) { return std::min(distinct, kMonthSlots); }

// Reads the month's files once, untimed: the decoding and the first repaint
// both start with the files in the system's cache, whatever ran before.
void readMonthFiles(const DataFolder& folder, int distinct) {
    std::vector<char> buffer(1 << 20);
    for (int i = 1; i <= monthDistinct(distinct); ++i) {
        std::ifstream in(folder.picturePath(i), std::ios::binary);
        while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()))) {
        }
    }
}

double timedRepaint(Program& program) {
    const double start = now();
    cal::repaintMonth(program.context());
    program.settlePictures();
    return now() - start;
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
            const double seconds = timedRepaint(program);
            state.SetIterationTime(seconds);
            recordSample(key::kRepaintNoPictures, seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

PictureSize sizeOf(const benchmark::State& state) {
    return state.range(0) == 0 ? PictureSize::Small : PictureSize::Large;
}

// (b) Reading each distinct file of the month once, in one pass, into its
// reduced copy, kept: the decoding a first repaint cannot avoid.
void BM_DecodeEachFileOnce(benchmark::State& state) {
    const PictureSize size = sizeOf(state);
    const int distinct = static_cast<int>(state.range(1));
    try {
        DataFolder folder(distinct, size);
        for (auto _ : state) {
            readMonthFiles(folder, distinct);
            std::vector<std::string> paths;
            for (int i = 1; i <= monthDistinct(distinct); ++i) paths.push_back(folder.picturePath(i));
            const double start = now();
            if (!decodePictures(paths)) throw std::runtime_error("cannot decode");
            const double seconds = now() - start;
            state.SetIterationTime(seconds);
            recordSample(key::of(key::kDecodeOnce, size, distinct), seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// (c) The picture month painted before: the steady state. With more files
// than a month shows, the months before it have shown the others. Each
// iteration also repaints the month without pictures in a program of its
// own, in alternating order: the reference (a) under the same conditions.
void BM_RepaintUnchanged(benchmark::State& state) {
    const PictureSize size = sizeOf(state);
    const int distinct = static_cast<int>(state.range(1));
    try {
        DataFolder folder(distinct, size);
        Program program(folder.path());
        for (int first = kMonthSlots; first < distinct; first += kMonthSlots) {
            installMonth(program.state(), std::min(kMonthSlots, distinct - first), first);
            timedRepaint(program);
        }
        installMonth(program.state(), monthDistinct(distinct));
        DataFolder plainFolder(0);
        Program plain(plainFolder.path());
        installMonth(plain.state(), 0);
        for (int warm = 0; warm < 2; ++warm) timedRepaint(program), timedRepaint(plain);
        bool plainFirst = false;
        for (auto _ : state) {
            if (plainFirst) recordSample(key::of(key::kRepaintPaired, size, distinct), timedRepaint(plain));
            const double seconds = timedRepaint(program);
            if (!plainFirst) recordSample(key::of(key::kRepaintPaired, size, distinct), timedRepaint(plain));
            plainFirst = !plainFirst;
            state.SetIterationTime(seconds);
            recordSample(key::of(key::kRepaintUnchanged, size, distinct), seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// (d) The first repaint of the picture month in a program that has never
// seen its files, until every picture is drawn in: a fresh data folder,
// service and program every time; start-up is not timed.
void BM_FirstRepaint(benchmark::State& state) {
    const PictureSize size = sizeOf(state);
    const int distinct = static_cast<int>(state.range(1));
    try {
        for (auto _ : state) {
            DataFolder folder(distinct, size);
            Program program(folder.path());
            installMonth(program.state(), monthDistinct(distinct));
            readMonthFiles(folder, distinct);
            settleEvents();
            const double seconds = timedRepaint(program);
            state.SetIterationTime(seconds);
            recordSample(key::of(key::kRepaintFirst, size, distinct), seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

// (a0) The same first repaint of the month without pictures: the reference
// of (d), whose one-time costs (fonts, glyphs, the windows' first images)
// it shares.
void BM_FirstRepaintNoPictures(benchmark::State& state) {
    try {
        for (auto _ : state) {
            DataFolder folder(0);
            Program program(folder.path());
            installMonth(program.state(), 0);
            settleEvents();
            const double seconds = timedRepaint(program);
            state.SetIterationTime(seconds);
            recordSample(key::kRepaintFirstNoPictures, seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void argsOfSizes(benchmark::internal::Benchmark* b, std::initializer_list<int> sizes) {
    for (int size : sizes)
        for (int distinct : {12, 50, 226, 1000}) b->Args({size, distinct});
    b->ArgNames({"large", "distinct"});
}
void pictureArgs(benchmark::internal::Benchmark* b) { argsOfSizes(b, {0, 1}); }
void clipArtArgs(benchmark::internal::Benchmark* b) { argsOfSizes(b, {0}); }
void photoArgs(benchmark::internal::Benchmark* b) { argsOfSizes(b, {1}); }

}  // namespace

BENCHMARK(BM_RepaintNoPictures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
// Clip-art takes milliseconds, where one slow moment of the machine would
// decide a single sample: five each. Photos take seconds: one.
BENCHMARK(BM_DecodeEachFileOnce)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5)->Apply(clipArtArgs);
BENCHMARK(BM_DecodeEachFileOnce)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Apply(photoArgs);
BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30)->Apply(pictureArgs);
BENCHMARK(BM_FirstRepaintNoPictures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_FirstRepaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5)->Apply(clipArtArgs);
BENCHMARK(BM_FirstRepaint)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Apply(photoArgs);

}  // namespace calbench
