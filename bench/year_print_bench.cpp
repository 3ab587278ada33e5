// Printing a whole school year as one PDF against printing its twelve months
// one by one: the time of the pages, and the size of the file against the
// largest month's PDF plus what the other months add of their own (their
// text, and the pictures no month counted before has embedded).

#include "bench_keys.h"
#include "bench_support.h"

#include "print/print_job.h"
#include "print/year_print.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace calbench {

namespace {

// Each picture a PDF embeds: its stream (the same picture at the same size
// gives the same bytes) and the size of its object.
struct Embedded {
    std::string stream;
    std::size_t objectBytes = 0;
};

std::vector<Embedded> embeddedPictures(const std::string& pdf) {
    std::vector<Embedded> pictures;
    for (std::size_t at = pdf.find("/Subtype /Image"); at != std::string::npos;
         at = pdf.find("/Subtype /Image", at + 1)) {
        const std::size_t begin = pdf.rfind(" 0 obj", at);
        const std::size_t data = pdf.find("stream\n", at);
        const std::size_t end = pdf.find("endstream", data);
        const std::size_t objectEnd = pdf.find("endobj", end);
        if (begin == std::string::npos || data == std::string::npos || end == std::string::npos ||
            objectEnd == std::string::npos)
            throw std::runtime_error("an image object the benchmark cannot read");
        pictures.push_back({pdf.substr(data, end - data), objectEnd - begin});
    }
    return pictures;
}

void showMonth(cal::AppState& s, const SchoolYear& year, const SchoolYearMonth& month) {
    s.yearSettings = *year.settings;
    s.currentMonth = month.month;
    s.currentYear = s.monthCellsYear = std::to_string(month.year);
    s.schoolYear = std::to_string(kYearSchoolYear);
    s.monthCells = *month.cells;
    s.dayChanged = 0;
}

double timedPrint(Program& program) {
    const double start = now();
    cal::BUTTON7_ON(program.context());
    const double seconds = now() - start;
    if (program.state().print.failed || !program.messages().empty())
        throw std::runtime_error("the print reported a failure: " + program.messages());
    return seconds;
}

void BM_PrintSchoolYear(benchmark::State& state) {
    const PictureSize size = state.range(0) == 0 ? PictureSize::Small : PictureSize::Large;
    try {
        for (auto _ : state) {
            DataFolder folder(kYearPictures, size);
            SchoolYear year;
            {
                Program layout(folder.path());
                const cal::DisplaySettings& d = layout.state().display;
                year = writeSchoolYear(folder, d.columns, d.rows);
            }

            // The twelve months one by one in one program, as a teacher
            // printing month after month: the pictures decoded for one
            // month serve the next.
            const std::string page = folder.file("month.pdf");
            Program singles(folder.path(), page);
            double singlesSeconds = 0;
            std::vector<std::string> monthPdfs;
            for (const SchoolYearMonth& month : year.months) {
                showMonth(singles.state(), year, month);
                singlesSeconds += timedPrint(singles);
                monthPdfs.push_back(readWholeFile(page));
            }
            // What every month's PDF holds anyway: the document, the frame
            // lines, the numbers.
            SchoolYear empty{std::make_unique<cal::YearSettings>(), {}};
            empty.settings->daysInMonth = year.settings->daysInMonth;
            empty.settings->firstWeekday = year.settings->firstWeekday;
            SchoolYearMonth blank{year.months.back().year, year.months.back().month, std::make_unique<cal::MonthCells>()};
            showMonth(singles.state(), empty, blank);
            timedPrint(singles);
            const std::size_t base = readWholeFile(page).size();

            // The year in a program of its own, from the files.
            const std::string yearPdfPath = folder.file("year.pdf");
            Program whole(folder.path(), yearPdfPath);
            const double start = now();
            const cal::YearPrint printed = cal::printSchoolYear(whole.context(), kYearSchoolYear);
            const double yearSeconds = now() - start;
            if (printed.pages != 12 || !printed.error.empty() || whole.state().print.failed)
                throw std::runtime_error("the year did not print: " + printed.error + whole.messages());
            const std::string yearPdf = readWholeFile(yearPdfPath);

            // The reference size: the largest month whole, then each other
            // month without the base and without pictures counted already.
            const auto largest = std::max_element(monthPdfs.begin(), monthPdfs.end(),
                                                  [](const auto& a, const auto& b) { return a.size() < b.size(); });
            std::set<std::string> counted;
            for (const Embedded& e : embeddedPictures(*largest)) counted.insert(e.stream);
            double reference = static_cast<double>(largest->size());
            for (auto pdf = monthPdfs.begin(); pdf != monthPdfs.end(); ++pdf) {
                if (pdf == largest) continue;
                double own = static_cast<double>(pdf->size()) - static_cast<double>(base);
                for (const Embedded& e : embeddedPictures(*pdf))
                    if (!counted.insert(e.stream).second) own -= static_cast<double>(e.objectBytes);
                reference += std::max(0.0, own);
            }

            state.SetIterationTime(yearSeconds);
            recordSample(key::of(key::kYearPrint, size, kYearPictures), yearSeconds);
            recordSample(key::of(key::kYearSingles, size, kYearPictures), singlesSeconds);
            recordSample(key::of(key::kYearPdf, size, kYearPictures), static_cast<double>(yearPdf.size()));
            recordSample(key::of(key::kYearPdfReference, size, kYearPictures), reference);
            const double images = static_cast<double>(embeddedPictures(yearPdf).size());
            state.counters["year_KiB"] = static_cast<double>(yearPdf.size()) / 1024.0;
            state.counters["reference_KiB"] = reference / 1024.0;
            state.counters["images"] = images;
            state.counters["distinct_images"] = static_cast<double>(counted.size());
            recordSample(key::of(key::kYearImages, size, kYearPictures), images);
            recordSample(key::of(key::kYearDistinctImages, size, kYearPictures), static_cast<double>(counted.size()));
            settleEvents();
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

}  // namespace

BENCHMARK(BM_PrintSchoolYear)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->ArgName("large")
    ->Arg(0)
    ->Arg(1);

}  // namespace calbench
