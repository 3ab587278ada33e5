// Whole processes under the same display: the program started on the
// sample data folder until its month window is first painted, against a
// minimal Qt Widgets window until its first paint; and the command-line
// print of the sample month against a minimal Qt program that prints one
// line of Japanese to a PDF file.

#include "bench_keys.h"
#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace calbench {

namespace {

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// The sample data folder, made once per run.
const std::string& sampleFolder() {
    static const std::string folder = [] {
        const std::string path =
            (std::filesystem::temp_directory_path() / ("calendar-bench-sample-" + std::to_string(::getpid())))
                .string();
        std::filesystem::remove_all(path);
        timeCommand(quoted(CALENDAR_MAKE_SAMPLE) + " --today 2026-03-10 " + quoted(path) + " >/dev/null");
        return path;
    }();
    return folder;
}

const std::string kQuiet = " >/dev/null 2>&1";

void timedProcess(benchmark::State& state, const char* key, const std::string& command) {
    try {
        for (auto _ : state) {
            const double seconds = timeCommand(command);
            state.SetIterationTime(seconds);
            recordSample(key, seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void BM_StartMinimalWindow(benchmark::State& state) {
    timedProcess(state, key::kStartWindow, quoted(CALENDAR_MINIMAL_WINDOW) + kQuiet);
}

void BM_StartCalendar(benchmark::State& state) {
    timedProcess(state, key::kStartCalendar,
                 "CALENDAR_EXIT_AFTER_FIRST_PAINT=1 " + quoted(CALENDAR_PROGRAM) + " " + quoted(sampleFolder()) +
                     " --month 2026-03" + kQuiet);
}

void BM_PrintPdfMinimal(benchmark::State& state) {
    const std::string pdf = sampleFolder() + "/minimal.pdf";
    timedProcess(state, key::kPdfMinimal, quoted(CALENDAR_MINIMAL_PDF) + " " + quoted(pdf) + kQuiet);
}

void BM_PrintPdfCalendar(benchmark::State& state) {
    const std::string pdf = sampleFolder() + "/month.pdf";
    timedProcess(state, key::kPdfCalendar,
                 quoted(CALENDAR_PROGRAM) + " " + quoted(sampleFolder()) + " --month 2026-03 --print-pdf " +
                     quoted(pdf) + kQuiet);
}

}  // namespace

BENCHMARK(BM_StartMinimalWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_StartCalendar)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_PrintPdfMinimal)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_PrintPdfCalendar)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace calbench
