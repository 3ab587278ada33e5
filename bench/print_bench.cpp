// Printing the month page to a PDF file through the program's print button,
// on the headless Qt service: with the six frame pictures, the title band and
// 217 cell pictures from 12, 50, 226 or 1,000 files (a month holds 226 of
// them) of either size, and with no pictures at all.

#include "bench_keys.h"
#include "bench_support.h"

#include "print/print_job.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>

namespace calbench {

namespace {

struct PdfFacts {
    std::uintmax_t bytes = 0;
    std::size_t images = 0;
    std::size_t jpegImages = 0;
};

PdfFacts inspect(const std::string& path) {
    const std::string pdf = readWholeFile(path);
    if (pdf.rfind("%PDF", 0) != 0 || pdf.find("%%EOF", pdf.size() < 64 ? 0 : pdf.size() - 64) == std::string::npos)
        throw std::runtime_error("the PDF file is not complete after printing: " + path);
    PdfFacts facts;
    facts.bytes = pdf.size();
    // Image objects and, among them, those coded as JPEG.
    for (const char* subtype : {"/Subtype /Image", "/Subtype/Image"}) {
        for (std::size_t at = pdf.find(subtype); at != std::string::npos; at = pdf.find(subtype, at + 1)) {
            ++facts.images;
            const std::size_t end = pdf.find("stream", at);
            if (pdf.substr(at, end == std::string::npos ? 512 : end - at).find("/DCTDecode") != std::string::npos)
                ++facts.jpegImages;
        }
    }
    return facts;
}

// One print of the month with pictures from `distinct` files (0: none) in a
// fresh program and data folder; only the print button is timed.
void printOnce(benchmark::State& state, int distinct, PictureSize size) {
    DataFolder folder(distinct, size);
    const std::string pdf = folder.file("page.pdf");
    Program program(folder.path(), pdf);
    installMonth(program.state(), std::min(distinct, kMonthSlots));
    settleEvents();

    const double start = now();
    cal::BUTTON7_ON(program.context());
    const double seconds = now() - start;
    state.SetIterationTime(seconds);
    if (program.state().print.failed || !program.messages().empty())
        throw std::runtime_error("the print reported a failure: " + program.messages());

    const PdfFacts facts = inspect(pdf);
    const std::string timeKey = distinct > 0 ? key::of(key::kPrintPictures, size, distinct) : key::kPrintNoPictures;
    // CALENDAR_BENCH_KEEP_PDF=FOLDER keeps the last page of each kind there.
    if (const char* keep = std::getenv("CALENDAR_BENCH_KEEP_PDF"); keep != nullptr && *keep != '\0')
        std::filesystem::copy_file(pdf, std::filesystem::path(keep) / (timeKey + ".pdf"),
                                   std::filesystem::copy_options::overwrite_existing);
    recordSample(timeKey, seconds);
    state.counters["pdf_KiB"] = static_cast<double>(facts.bytes) / 1024.0;
    state.counters["images"] = static_cast<double>(facts.images);
    state.counters["jpeg_images"] = static_cast<double>(facts.jpegImages);
    if (distinct == 0) {
        recordSample(key::kPdfNoPictures, static_cast<double>(facts.bytes));
    } else {
        recordSample(key::of(key::kPdfPictures, size, distinct), static_cast<double>(facts.bytes));
        recordSample(key::of(key::kPdfImages, size, distinct), static_cast<double>(facts.images));
        recordSample(key::of(key::kPdfJpegImages, size, distinct), static_cast<double>(facts.jpegImages));
        // The honest size reference: each image as embedded, saved as PNG.
        const std::uintmax_t png = embeddedImagesAsPng(pdf, folder.file("images"));
        if (png > 0) recordSample(key::of(key::kPngBytes, size, distinct), static_cast<double>(png));
    }
    settleEvents();
}

void BM_PrintNoPictures(benchmark::State& state) {
    try {
        for (auto _ : state) printOnce(state, 0, PictureSize::Small);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void BM_PrintPictures(benchmark::State& state) {
    try {
        const PictureSize size = state.range(0) == 0 ? PictureSize::Small : PictureSize::Large;
        for (auto _ : state) printOnce(state, static_cast<int>(state.range(1)), size);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void argsOfSize(benchmark::internal::Benchmark* b, int size) {
    for (int distinct : {12, 50, 226, 1000}) b->Args({size, distinct});
    b->ArgNames({"large", "distinct"});
}
void clipArtArgs(benchmark::internal::Benchmark* b) { argsOfSize(b, 0); }
void photoArgs(benchmark::internal::Benchmark* b) { argsOfSize(b, 1); }

}  // namespace

BENCHMARK(BM_PrintNoPictures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
// Clip-art prints in milliseconds, where one slow moment of the machine
// would decide a single sample: five each. Photos take seconds: one.
BENCHMARK(BM_PrintPictures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5)->Apply(clipArtArgs);
BENCHMARK(BM_PrintPictures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Apply(photoArgs);

}  // namespace calbench
