// Filling the month: the holiday import with and without twenty monthly
// items, and bringing an .ics of 5,000 events over ten years into the month
// against printing that month to PDF. Headless Qt service, every question
// answered Yes.

#include "bench_keys.h"
#include "bench_support.h"

#include "data/file_io.h"
#include "data/monthly_items.h"
#include "data/sjis.h"
#include "ical/ics_reader.h"
#include "print/print_job.h"
#include "windows/mainform/holiday_import.h"
#include "windows/mainform/ics_import.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>

namespace calbench {

namespace {

constexpr int kEntries = 20;
constexpr int kIcsEvents = 5000;

class NoProgress final : public cal::Progress {
public:
    void step(int) override {}
};

// Answers every question Yes; nothing else is asked on these paths.
class YesDialogs final : public cal::Dialogs {
public:
    cal::MessageAnswer messageBox(std::string_view, std::string_view, std::string_view, cal::MessageButtons,
                                  cal::MessageIcon) override {
        return cal::MessageAnswer::Yes;
    }
    cal::MessageAnswer messageBoxWithTexts(std::string_view, std::string_view, std::string_view, cal::MessageButtons,
                                           cal::MessageIcon, const std::vector<std::string>&) override {
        return cal::MessageAnswer::Yes;
    }
    int systemMessageBox(std::uint32_t, std::string_view, std::string_view) override { return 0; }
    std::optional<std::string> inputBox(std::string_view, std::string_view) override { return std::nullopt; }
    std::optional<std::string> fileOpenDialog(std::string_view, std::string_view, std::string_view, std::string_view,
                                              std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> fileSaveDialog(std::string_view, std::string_view, std::string_view, std::string_view,
                                              std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> folderDialog(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::unique_ptr<cal::Progress> progress(std::string_view, std::string_view, int) override {
        return std::make_unique<NoProgress>();
    }
};

struct Filler {
    DataFolder folder{0};
    cal::AppState state;
    cal::qtui::QtFormsService forms{cal::qtui::QtFormsService::Mode::Headless, folder.file("page.pdf")};
    YesDialogs dialogs;
    FixedClock clock;
    EmptyRegistry registry;
    cal::App app{state, dialogs, forms, forms, clock, registry};

    Filler() {
        forms.setEventSink(&app);
        app.start({folder.path(), folder.path()});
        // Twenty registered events in the month: days 1, 2 … 20.
        for (int i = 1; i <= kEntries; ++i) {
            const auto k = static_cast<std::size_t>(i);
            state.yearSettings.holidayDate[k].set(kMonth * 100 + i);
            cal::storeField(state.yearSettings.holidayComment[k], "行事" + std::to_string(i));
        }
    }
    void writeItems() const {
        std::string lines;
        for (int i = 1; i <= kEntries; ++i) {
            // A mix of the three kinds of rule, half of them moved off holidays.
            const std::string n = std::to_string(1 + i % 4);
            const std::string rule = i % 3 == 0   ? std::to_string(i) + "日"
                                     : i % 3 == 1 ? "第" + n + "火曜日"
                                                  : "最終金曜日";
            lines += rule + "\t" + (i % 2 ? "1" : "0") + "\t\t毎月の行事" + std::to_string(i) + "\r\n";
        }
        std::string error;
        if (!cal::writeFileReplacing(cal::monthlyItemsPath(folder.path(), "2025"), cal::utf8ToSjis(lines), error))
            throw std::runtime_error(error);
    }
};

void timeImport(benchmark::State& state, bool items, const char* key) {
    Filler f;
    if (items) f.writeItems();
    for (auto _ : state) {
        f.state.monthCells = {};
        const double start = now();
        cal::BUTTON70_ON(f.app.context());
        const double seconds = now() - start;
        state.SetIterationTime(seconds);
        recordSample(key, seconds);
    }
}

void BM_HolidayImport(benchmark::State& state) { timeImport(state, false, key::kFillHolidays); }
void BM_HolidayImportWithItems(benchmark::State& state) { timeImport(state, true, key::kFillItems); }

// 5,000 single events, one every 17 hours or so from 2021 on: timed and all-day.
std::string tenYearsOfEvents() {
    std::string ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//JP\r\n";
    for (int i = 0; i < kIcsEvents; ++i) {
        const int day = i * 3652 / kIcsEvents;  // ten years of days
        const int year = 2021 + day / 365, inYear = day % 365;
        const int month = 1 + inYear / 31 % 12, dom = 1 + inYear % 28;
        char event[256];
        if (i % 2)
            std::snprintf(event, sizeof event,
                          "BEGIN:VEVENT\r\nUID:%d@bench\r\nDTSTART;TZID=Asia/Tokyo:%04d%02d%02dT%02d0000\r\n"
                          "DURATION:PT1H\r\nSUMMARY:えんそく%d\r\nEND:VEVENT\r\n",
                          i, year, month, dom, 9 + i % 8, i % 5);
        else
            std::snprintf(event, sizeof event,
                          "BEGIN:VEVENT\r\nUID:%d@bench\r\nDTSTART;VALUE=DATE:%04d%02d%02d\r\nSUMMARY:行事%d\r\n"
                          "END:VEVENT\r\n",
                          i, year, month, dom, i % 5);
        ics += event;
    }
    return ics + "END:VCALENDAR\r\n";
}

void BM_IcsImport(benchmark::State& state) {
    Filler f;
    cal::ical::LibicalReader reader;
    f.app.context().icsReader = &reader;
    const std::string path = f.folder.file("shared.ics");
    std::string error;
    if (!cal::writeFileReplacing(path, tenYearsOfEvents(), error)) throw std::runtime_error(error);
    for (auto _ : state) {
        f.state.monthCells = {};
        const double start = now();
        const cal::IcsImport import = cal::importIcsFile(f.app.context(), path);
        const double seconds = now() - start;
        if (!import.error.empty() || import.added == 0) throw std::runtime_error("the import stored nothing");
        state.SetIterationTime(seconds);
        state.counters["added"] = import.added;
        recordSample(key::kIcsImport, seconds);
        // The reference: the month as imported, printed to PDF.
        const double printStart = now();
        cal::BUTTON7_ON(f.app.context());
        recordSample(key::kIcsPrint, now() - printStart);
        if (f.state.print.failed) throw std::runtime_error("the print failed");
    }
}

void guarded(benchmark::State& state, void (*bench)(benchmark::State&)) {
    try {
        bench(state);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}

}  // namespace

BENCHMARK_CAPTURE(guarded, HolidayImport, BM_HolidayImport)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(200);
BENCHMARK_CAPTURE(guarded, HolidayImportWithItems, BM_HolidayImportWithItems)
    ->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(200);
BENCHMARK_CAPTURE(guarded, IcsImport, BM_IcsImport)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

}  // namespace calbench
