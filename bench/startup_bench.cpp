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

// The program and its reference, each started once per iteration, side by
// side and in alternating order, so that both share the machine's moment;
// the program's time is the iteration's.
void timedBeside(benchmark::State& state, const char* key, const std::string& command, const char* referenceKey,
                 const std::string& reference) {
    try {
        bool referenceFirst = true;
        for (auto _ : state) {
            if (referenceFirst) recordSample(referenceKey, timeCommand(reference));
            const double seconds = timeCommand(command);
            if (!referenceFirst) recordSample(referenceKey, timeCommand(reference));
            referenceFirst = !referenceFirst;
            state.SetIterationTime(seconds);
            recordSample(key, seconds);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void BM_StartCalendar(benchmark::State& state) {
    timedBeside(state, key::kStartCalendar,
                "CALENDAR_EXIT_AFTER_FIRST_PAINT=1 " + quoted(CALENDAR_PROGRAM) + " " + quoted(sampleFolder()) +
                    " --month 2026-03" + kQuiet,
                key::kStartWindow, quoted(CALENDAR_MINIMAL_WINDOW) + kQuiet);
}

void BM_PrintPdfCalendar(benchmark::State& state) {
    const std::string pdf = sampleFolder() + "/month.pdf";
    const std::string minimal = sampleFolder() + "/minimal.pdf";
    timedBeside(state, key::kPdfCalendar,
                quoted(CALENDAR_PROGRAM) + " " + quoted(sampleFolder()) + " --month 2026-03 --print-pdf " +
                    quoted(pdf) + kQuiet,
                key::kPdfMinimal, quoted(CALENDAR_MINIMAL_PDF) + " " + quoted(minimal) + kQuiet);
}

}  // namespace

BENCHMARK(BM_StartCalendar)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_PrintPdfCalendar)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace calbench
