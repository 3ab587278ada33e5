// The benchmarks' program: Qt's offscreen platform, the application object,
// the benchmarks, then a summary of the ratios against their goals.

#include "bench_keys.h"
#include "bench_support.h"

#include "qt/font_substitutions.h"

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

void printValue(const char* label, std::optional<double> value, double scale, const char* unit) {
    if (value)
        std::printf("  %-48s %12.2f %s\n", label, *value * scale, unit);
    else
        std::printf("  %-48s %12s\n", label, "not measured");
}

bool printRatio(const char* label, std::optional<double> value, double goal) {
    if (!value) {
        std::printf("  %-48s %8s   goal <= %.1f   -\n", label, "n/a", goal);
        return true;
    }
    const bool met = *value <= goal;
    std::printf("  %-48s %8.2f   goal <= %.1f   %s\n", label, *value, goal, met ? "met" : "NOT MET");
    return met;
}

void printSummary() {
    const auto a = median(key::kRepaintNoPictures);
    const auto b = median(key::kDecodeOnce);
    const auto c = median(key::kRepaintUnchanged);
    const auto d = median(key::kRepaintFirst);
    const auto printPlain = median(key::kPrintNoPictures);
    const auto printPictures = median(key::kPrintPictures);
    const auto pdfPlain = median(key::kPdfNoPictures);
    const auto pdfPictures = median(key::kPdfPictures);
    const auto png = median(key::kPngBytes);

    std::printf("\n===== Summary (medians over all iterations of all rounds) =====\n");
    std::printf("Times\n");
    printValue("(a) repaint, no pictures", a, 1e3, "ms");
    printValue("(b) decode each of the 12 files once", b, 1e3, "ms");
    printValue("(c) repaint unchanged (217+3 pictures)", c, 1e3, "ms");
    printValue("(d) first repaint, cold", d, 1e3, "ms");
    printValue("print, no pictures", printPlain, 1e3, "ms");
    printValue("print, 6 frames + 3 title + 217 cell pictures", printPictures, 1e3, "ms");
    std::printf("Sizes\n");
    printValue("PDF, no pictures", pdfPlain, 1.0 / 1024, "KiB");
    printValue("PDF, pictures", pdfPictures, 1.0 / 1024, "KiB");
    printValue("12 distinct pictures saved once as PNG", png, 1.0 / 1024, "KiB");
    printValue("image objects in the PDF", median(key::kPdfImages), 1, "");
    printValue("  of them JPEG (DCT)", median(key::kPdfJpegImages), 1, "");
    std::printf("Memory (growth of the resident size: peak / kept afterwards)\n");
    for (const auto kind : {calbench::ProbeKind::Repaint, calbench::ProbeKind::Print}) {
        for (int distinct : {12, 48}) {
            const std::string label = std::string(kind == calbench::ProbeKind::Print ? "print" : "repaint twice") +
                                      ", " + std::to_string(distinct) + " distinct files";
            const auto peak = median(key::memoryPeak(kind, distinct));
            const auto kept = median(key::memoryKept(kind, distinct));
            if (peak && kept)
                std::printf("  %-48s %8.1f MiB peak, %.1f MiB kept\n", label.c_str(), *peak / 1024, *kept / 1024);
            else
                std::printf("  %-48s %12s\n", label.c_str(), "not measured");
        }
    }
    std::printf("Ratios\n");
    bool met = true;
    met &= printRatio("repaint unchanged / no pictures  (c / a)", ratio(c, a), 1.5);
    met &= printRatio("first repaint / (no pictures + decode)  d/(a+b)", ratio(d, sum(a, b)), 1.5);
    met &= printRatio("print / (no-picture print + decode)", ratio(printPictures, sum(printPlain, b)), 1.5);
    met &= printRatio("PDF size / (no-picture PDF + PNG sizes)", ratio(pdfPictures, sum(pdfPlain, png)), 1.2);
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

    // The memory probe: one measurement in a fresh process, for the parent run.
    if (argc == 4 && std::strcmp(argv[1], calbench::kMemoryProbeOption) == 0) {
        int qtArgc = 1;
        QApplication application(qtArgc, argv);
        cal::installFontSubstitutions();
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
    cal::installFontSubstitutions();
    if (benchmark::ReportUnrecognizedArguments(benchArgc, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printSummary();
    return 0;
}
