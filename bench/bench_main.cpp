// The benchmarks' program: Qt's offscreen platform, the application object,
// the benchmarks, then a summary of the ratios against their goals.

#include "bench_keys.h"
#include "bench_support.h"

#include "qt/drawing/font_substitutions.h"
#include "qt/platform/memory_settings.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

using calbench::median;
namespace key = calbench::key;

std::optional<double> sum(std::optional<double> a, std::optional<double> b) {
    if (!a || !b) return std::nullopt;
    return *a + *b;
}

std::optional<double> ratio(std::optional<double> a, std::optional<double> b) {
    if (!a || !b || *b <= 0) return std::nullopt;
    return *a / *b;
}

// Values not measured (a filtered run) are left out.
void printValue(const char* label, std::optional<double> value, double scale, const char* unit) {
    if (value)
        std::printf("  %-52s %12.2f %s\n", label, *value * scale, unit);
}

bool printRatio(const char* label, std::optional<double> value, double goal) {
    if (!value) {
        std::printf("  %-52s %8s   goal <= %g   -\n", label, "n/a", goal);
        return true;
    }
    const bool met = *value <= goal;
    std::printf("  %-52s %8.2f   goal <= %g   %s\n", label, *value, goal, met ? "met" : "NOT MET");
    return met;
}

std::string label(const char* what, calbench::PictureSize size, int distinct) {
    return std::string(what) + ", " + std::to_string(distinct) + " x " + calbench::sizeName(size);
}

void printSummary() {
    using calbench::PictureSize;
    const auto a = median(key::kRepaintNoPictures);
    const auto printPlain = median(key::kPrintNoPictures);
    const auto pdfPlain = median(key::kPdfNoPictures);
    constexpr int kCounts[] = {12, 50, 226, 1000};
    constexpr PictureSize kSizes[] = {PictureSize::Small, PictureSize::Large};

    std::printf("\n===== Summary (medians over all iterations of all rounds) =====\n");
    std::printf("Times\n");
    printValue("(a) repaint, no pictures", a, 1e3, "ms");
    printValue("(a0) first repaint of a fresh program, no pictures", median(key::kRepaintFirstNoPictures), 1e3, "ms");
    printValue("print, no pictures", printPlain, 1e3, "ms");
    for (const PictureSize size : kSizes)
        for (const int n : kCounts) {
            printValue(label("(b) decode the month's files once", size, n).c_str(),
                       median(key::of(key::kDecodeOnce, size, n)), 1e3, "ms");
            printValue(label("(a) repaint, no pictures, beside (c)", size, n).c_str(),
                       median(key::of(key::kRepaintPaired, size, n)), 1e3, "ms");
            printValue(label("(c) repaint unchanged", size, n).c_str(),
                       median(key::of(key::kRepaintUnchanged, size, n)), 1e3, "ms");
            printValue(label("(d) first repaint, all pictures in", size, n).c_str(),
                       median(key::of(key::kRepaintFirst, size, n)), 1e3, "ms");
            printValue(label("print", size, n).c_str(), median(key::of(key::kPrintPictures, size, n)), 1e3, "ms");
        }
    for (const PictureSize size : kSizes) {
        const int n = calbench::kYearPictures;
        printValue(label("school year as one PDF", size, n).c_str(), median(key::of(key::kYearPrint, size, n)), 1e3,
                   "ms");
        printValue(label("  its twelve months printed one by one", size, n).c_str(),
                   median(key::of(key::kYearSingles, size, n)), 1e3, "ms");
    }
    printValue("minimal Qt window, start to first paint", median(key::kStartWindow), 1e3, "ms");
    printValue("program on the sample, start to first paint", median(key::kStartCalendar), 1e3, "ms");
    printValue("minimal Qt program printing one line to PDF", median(key::kPdfMinimal), 1e3, "ms");
    printValue("program --print-pdf of the sample month", median(key::kPdfCalendar), 1e3, "ms");
    std::printf("Sizes\n");
    printValue("PDF, no pictures", pdfPlain, 1.0 / 1024, "KiB");
    for (const PictureSize size : kSizes)
        for (const int n : kCounts) {
            printValue(label("PDF", size, n).c_str(), median(key::of(key::kPdfPictures, size, n)), 1.0 / 1024, "KiB");
            printValue(label("  embedded images as PNG", size, n).c_str(), median(key::of(key::kPngBytes, size, n)),
                       1.0 / 1024, "KiB");
            printValue(label("  image objects (of them JPEG)", size, n).c_str(),
                       median(key::of(key::kPdfImages, size, n)), 1, "");
            printValue("", median(key::of(key::kPdfJpegImages, size, n)), 1, "JPEG");
        }
    for (const PictureSize size : kSizes) {
        const int n = calbench::kYearPictures;
        printValue(label("school year PDF", size, n).c_str(), median(key::of(key::kYearPdf, size, n)), 1.0 / 1024,
                   "KiB");
        printValue(label("  largest month + the others' own", size, n).c_str(),
                   median(key::of(key::kYearPdfReference, size, n)), 1.0 / 1024, "KiB");
        printValue(label("  image objects", size, n).c_str(), median(key::of(key::kYearImages, size, n)), 1, "");
        printValue(label("  distinct images in the months' PDFs", size, n).c_str(),
                   median(key::of(key::kYearDistinctImages, size, n)), 1, "");
    }
    std::printf("Memory (growth of the resident size: peak / kept afterwards), 4000 x 3000 photos\n");
    for (const auto kind : {calbench::ProbeKind::Repaint, calbench::ProbeKind::Print}) {
        for (int distinct : {12, 226, 1000}) {
            const std::string name = std::string(kind == calbench::ProbeKind::Print ? "print" : "repaint twice") +
                                     ", " + std::to_string(distinct) + " distinct files";
            const auto peak = median(key::memoryPeak(kind, distinct));
            const auto kept = median(key::memoryKept(kind, distinct));
            if (peak && kept)
                std::printf("  %-48s %8.1f MiB peak, %.1f MiB kept\n", name.c_str(), *peak / 1024, *kept / 1024);
        }
    }
    std::printf("  paging through months of new photos, kept after each month:");
    for (int m = 1; median(key::memoryMonth(m)); ++m) std::printf(" %.1f", *median(key::memoryMonth(m)) / 1024);
    std::printf(" MiB\n");

    std::printf("Ratios\n");
    bool met = true;
    for (const PictureSize size : kSizes)
        for (const int n : kCounts) {
            const auto b = median(key::of(key::kDecodeOnce, size, n));
            // (a) repainted beside (c), in the same benchmark, when measured there.
            const auto pairedA = median(key::of(key::kRepaintPaired, size, n));
            met &= printRatio(label("c / a", size, n).c_str(),
                              ratio(median(key::of(key::kRepaintUnchanged, size, n)), pairedA ? pairedA : a), 1.3);
            // (d) against the same first repaint without pictures, when measured.
            const auto firstA = median(key::kRepaintFirstNoPictures);
            met &= printRatio(label("d / (a0 + b)", size, n).c_str(),
                              ratio(median(key::of(key::kRepaintFirst, size, n)), sum(firstA ? firstA : a, b)), 1.3);
            met &= printRatio(label("print / (no-picture print + b)", size, n).c_str(),
                              ratio(median(key::of(key::kPrintPictures, size, n)), sum(printPlain, b)), 1.5);
            met &= printRatio(label("PDF / (no-picture PDF + PNGs)", size, n).c_str(),
                              ratio(median(key::of(key::kPdfPictures, size, n)),
                                    sum(pdfPlain, median(key::of(key::kPngBytes, size, n)))),
                              1.1);
        }
    for (const PictureSize size : kSizes) {
        const int n = calbench::kYearPictures;
        met &= printRatio(label("year PDF / twelve month prints, time", size, n).c_str(),
                          ratio(median(key::of(key::kYearPrint, size, n)), median(key::of(key::kYearSingles, size, n))),
                          1.3);
        met &= printRatio(label("year PDF / (largest month + others' own), size", size, n).c_str(),
                          ratio(median(key::of(key::kYearPdf, size, n)),
                                median(key::of(key::kYearPdfReference, size, n))),
                          1.0);
    }
    for (const PictureSize size : kSizes)
        for (const int n : {12, 226, 1000}) {
            met &= printRatio(label("month on A4 / on A3, time", size, n).c_str(),
                              ratio(median(key::of(key::kPrintA4, size, n)), median(key::of(key::kPrintA3, size, n))),
                              1.05);
            met &= printRatio(label("month on A4 / on A3, PDF size", size, n).c_str(),
                              ratio(median(key::of(key::kPdfA4, size, n)), median(key::of(key::kPdfA3, size, n))), 1.0);
        }
    for (const PictureSize size : kSizes) {
        const int n = calbench::kYearPictures;
        met &= printRatio(label("school year to iCalendar / to PDF, time", size, n).c_str(),
                          ratio(median(key::of(key::kYearIcs, size, n)), median(key::of(key::kYearIcsPrint, size, n))),
                          0.2);
    }
    met &= printRatio("start-up / minimal window", ratio(median(key::kStartCalendar), median(key::kStartWindow)), 2.0);
    met &= printRatio("--print-pdf / minimal PDF program", ratio(median(key::kPdfCalendar), median(key::kPdfMinimal)),
                      1.5);
    met &= printRatio("holiday import with 20 items / without", ratio(median(key::kFillItems), median(key::kFillHolidays)),
                      1.2);
    met &= printRatio(".ics of 5,000 events into the month / its print", ratio(median(key::kIcsImport), median(key::kIcsPrint)),
                      0.5);
    std::printf("%s\n", met ? "All measured goals met." : "Some goals are NOT met.");
}

}  // namespace

namespace calbench {

void settleEvents() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace calbench

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The program's own memory settings, as its main() makes them.
    cal::qtui::keepFreedMemory();

    // The memory probe: one measurement in a fresh process, for the parent run.
    if (argc == 4 && std::strcmp(argv[1], calbench::kMemoryProbeOption) == 0) {
        int qtArgc = 1;
        QApplication application(qtArgc, argv);
        cal::qtui::installFontSubstitutions();
        const auto kind =
            std::strcmp(argv[2], "print") == 0 ? calbench::ProbeKind::Print : calbench::ProbeKind::Repaint;
        try {
            std::fputs(calbench::memoryProbeLine(calbench::memoryProbe(kind, std::atoi(argv[3]))).c_str(), stdout);
            return 0;
        } catch (const std::exception& e) {
            std::fprintf(stdout, "%s\n", e.what());
            return 1;
        }
    }

    // Three rounds in random order by default, so that a reference and what
    // it is compared with share the machine's ups and downs; flags given on
    // the command line follow them and win.
    std::vector<char*> args{argv[0]};
    std::string rounds = "--benchmark_repetitions=3";
    std::string shuffle = "--benchmark_enable_random_interleaving=true";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    for (std::string* flag : {&rounds, &shuffle, &aggregates}) args.push_back(flag->data());
    args.insert(args.end(), argv + 1, argv + argc);
    int benchArgc = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&benchArgc, args.data());
    QApplication application(benchArgc, args.data());
    cal::qtui::installFontSubstitutions();
    if (benchmark::ReportUnrecognizedArguments(benchArgc, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
