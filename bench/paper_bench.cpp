// The month printed on A4 against the same month on A3, and a school year
// exported to iCalendar against the same year printed to one PDF.

#include "bench_keys.h"
#include "bench_support.h"

#include "ical/ics_writer.h"
#include "layout/paper_fit.h"
#include "print/ics_export.h"
#include "print/print_job.h"
#include "print/year_print.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace calbench {

namespace {

struct Printed {
    double seconds = 0;
    double bytes = 0;
};

// One print of the picture month on `paper` in a fresh program and data folder.
Printed printOn(int paper, int distinct, PictureSize size) {
    DataFolder folder(distinct, size);
    const std::string pdf = folder.file("page.pdf");
    Program program(folder.path(), pdf);
    installMonth(program.state(), std::min(distinct, kMonthSlots));
    program.state().print.paper = paper;
    settleEvents();
    const double start = now();
    cal::BUTTON7_ON(program.context());
    const double seconds = now() - start;
    if (program.state().print.failed || !program.messages().empty())
        throw std::runtime_error("the print reported a failure: " + program.messages());
    settleEvents();
    return {seconds, static_cast<double>(readWholeFile(pdf).size())};
}

void BM_PrintA4AgainstA3(benchmark::State& state) {
    const PictureSize size = state.range(0) == 0 ? PictureSize::Small : PictureSize::Large;
    const int distinct = static_cast<int>(state.range(1));
    try {
        bool a4First = false;
        for (auto _ : state) {
            // Side by side, in alternating order: both meet the machine alike.
            Printed a3, a4;
            if (a4First) a4 = printOn(cal::paperNamed("A4")->code, distinct, size);
            a3 = printOn(cal::kA3, distinct, size);
            if (!a4First) a4 = printOn(cal::paperNamed("A4")->code, distinct, size);
            a4First = !a4First;
            state.SetIterationTime(a4.seconds);
            recordSample(key::of(key::kPrintA3, size, distinct), a3.seconds);
            recordSample(key::of(key::kPrintA4, size, distinct), a4.seconds);
            recordSample(key::of(key::kPdfA3, size, distinct), a3.bytes);
            recordSample(key::of(key::kPdfA4, size, distinct), a4.bytes);
            state.counters["a4_KiB"] = a4.bytes / 1024;
            state.counters["a3_KiB"] = a3.bytes / 1024;
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void BM_ExportSchoolYearIcs(benchmark::State& state) {
    const PictureSize size = state.range(0) == 0 ? PictureSize::Small : PictureSize::Large;
    try {
        for (auto _ : state) {
            DataFolder folder(kYearPictures, size);
            {
                Program layout(folder.path());
                const cal::DisplaySettings& d = layout.state().display;
                writeSchoolYear(folder, d.columns, d.rows);
            }
            Program exporting(folder.path(), folder.file("unused.pdf"));
            cal::ical::LibicalWriter writer;
            exporting.context().icsWriter = &writer;
            double start = now();
            const cal::IcsExport exported = cal::exportIcs(exporting.context(), folder.file("year.ics"), kYearSchoolYear);
            const double icsSeconds = now() - start;
            if (exported.months != 12 || !exported.error.empty())
                throw std::runtime_error("the year was not exported: " + exported.error);

            Program printing(folder.path(), folder.file("year.pdf"));
            start = now();
            const cal::YearPrint printed = cal::printSchoolYear(printing.context(), kYearSchoolYear);
            const double pdfSeconds = now() - start;
            if (printed.pages != 12 || printing.state().print.failed)
                throw std::runtime_error("the year did not print: " + printed.error + printing.messages());
            state.SetIterationTime(icsSeconds);
            state.counters["events"] = exported.events;
            recordSample(key::of(key::kYearIcs, size, kYearPictures), icsSeconds);
            recordSample(key::of(key::kYearIcsPrint, size, kYearPictures), pdfSeconds);
            settleEvents();
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

void paperArgs(benchmark::internal::Benchmark* b) {
    for (int distinct : {12, 226, 1000}) b->Args({0, distinct});
    b->ArgNames({"large", "distinct"});
}
void photoPaperArgs(benchmark::internal::Benchmark* b) {
    for (int distinct : {12, 226}) b->Args({1, distinct});
    b->ArgNames({"large", "distinct"});
}

}  // namespace

BENCHMARK(BM_PrintA4AgainstA3)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(6)->Apply(paperArgs);
BENCHMARK(BM_PrintA4AgainstA3)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(2)->Apply(photoPaperArgs);
BENCHMARK(BM_ExportSchoolYearIcs)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->ArgName("large")->Arg(0)->Arg(1);

}  // namespace calbench
