// Printing the month page to a PDF file through the program's print button,
// on the headless Qt service: with the six frame pictures, the title band and
// 217 cell pictures from 12 files, and with no pictures at all.

#include "bench_keys.h"
#include "bench_support.h"

#include "print/print_job.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace calbench {

namespace {

constexpr int kDistinct = 12;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct PdfFacts {
    std::uintmax_t bytes = 0;
    std::size_t images = 0;
    std::size_t jpegImages = 0;
};

PdfFacts inspect(const std::string& path) {
    const std::string pdf = readAll(path);
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
void printOnce(benchmark::State& state, int distinct, const char* timeKey, const char* sizeKey) {
    DataFolder folder(distinct);
    const std::string pdf = folder.file("page.pdf");
    Program program(folder.path(), pdf);
    installMonth(program.state(), distinct);
    settleEvents();

    const double start = now();
    cal::BUTTON7_ON(program.context());
    const double seconds = now() - start;
    state.SetIterationTime(seconds);
    if (program.state().print.failed || !program.messages().empty())
        throw std::runtime_error("the print reported a failure: " + program.messages());

    const PdfFacts facts = inspect(pdf);
    // CALENDAR_BENCH_KEEP_PDF=FOLDER keeps the last page of each kind there.
    if (const char* keep = std::getenv("CALENDAR_BENCH_KEEP_PDF"); keep != nullptr && *keep != '\0')
        std::filesystem::copy_file(pdf, std::filesystem::path(keep) / (std::string(timeKey) + ".pdf"),
                                   std::filesystem::copy_options::overwrite_existing);
    recordSample(timeKey, seconds);
    recordSample(sizeKey, static_cast<double>(facts.bytes));
    state.counters["pdf_KiB"] = static_cast<double>(facts.bytes) / 1024.0;
    state.counters["images"] = static_cast<double>(facts.images);
    state.counters["jpeg_images"] = static_cast<double>(facts.jpegImages);
    if (distinct > 0) {
        recordSample(key::kPdfImages, static_cast<double>(facts.images));
        recordSample(key::kPdfJpegImages, static_cast<double>(facts.jpegImages));
    }
    settleEvents();
}

void BM_PrintNoPictures(benchmark::State& state) {
    try {
        for (auto _ : state) printOnce(state, 0, key::kPrintNoPictures, key::kPdfNoPictures);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void BM_PrintPictures(benchmark::State& state) {
    try {
        for (auto _ : state) printOnce(state, kDistinct, key::kPrintPictures, key::kPdfPictures);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

}  // namespace

BENCHMARK(BM_PrintNoPictures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_PrintPictures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace calbench
