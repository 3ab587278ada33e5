#include "print/year_print.h"

#include "data/month_file.h"
#include "data/year_file.h"
#include "data/year_settings.h"
#include "print/print_job.h"
#include "state/context.h"
#include "ui/names.h"
#include "ui/printer.h"

#include <memory>

namespace cal {

namespace {

struct MonthToPrint {
    int month = 0;
    std::string year;
    std::unique_ptr<MonthCells> cells;
};

// What printing a month changes in the state, kept to be put back.
struct Displayed {
    explicit Displayed(const AppState& s)
        : month(s.currentMonth), year(s.currentYear), cellsYear(s.monthCellsYear),
          cells(std::make_unique<MonthCells>(s.monthCells)),
          settings(std::make_unique<YearSettings>(s.yearSettings)) {}
    void restore(AppState& s) const {
        s.currentMonth = month;
        s.currentYear = year;
        s.monthCellsYear = cellsYear;
        s.monthCells = *cells;
        s.yearSettings = *settings;
    }
    int month;
    std::string year, cellsYear;
    std::unique_ptr<MonthCells> cells;
    std::unique_ptr<YearSettings> settings;
};

}  // namespace

YearPrint printSchoolYear(Context& c, int schoolYear) {
    AppState& s = c.state;
    YearPrint result;
    auto settings = std::make_unique<YearSettings>();
    const std::string settingsPath = yearSettingsPath(s.dataDir, std::to_string(schoolYear));
    std::string error;
    const RecordRead settingsRead = readYearSettings(settingsPath, *settings, error);
    if (!recordWasRead(settingsRead) || settingsRead == RecordRead::Empty) {
        result.error = std::to_string(schoolYear) + "年度のカレンダー設定ファイル(" + settingsPath + ")が" +
                       (settingsRead == RecordRead::Missing ? std::string("ありません。")
                        : settingsRead == RecordRead::Empty ? std::string("空です（0バイト）。")
                                                            : "読み込めません。(" + error + ")");
        return result;
    }

    std::vector<MonthToPrint> months;
    for (int i = 0; i < 12; ++i) {
        const int month = (i + 3) % 12 + 1;  // April … March
        const std::string year = std::to_string(month >= 4 ? schoolYear : schoolYear + 1);
        MonthToPrint m{month, year, std::make_unique<MonthCells>()};
        const RecordRead read = readMonthFile(monthFilePath(s.dataDir, year, month), *m.cells, error);
        const std::string name = year + "年" + std::to_string(month) + "月";
        if (read == RecordRead::Empty) result.empty.push_back(name);
        else if (recordWasRead(read)) months.push_back(std::move(m));
        else result.missing.push_back(name);
    }
    if (months.empty()) {
        result.error = std::to_string(schoolYear) + "年度のカレンダーデータがひと月分もありません。";
        return result;
    }

    const Displayed displayed(s);
    s.yearSettings = *settings;
    s.print.failed = false;
    PRN_SETTEI_ON(c, 2);
    // After the print dialog, never over it.
    const std::unique_ptr<Progress> progress =
        c.dialogs.progress(kMainForm, "１年分を印刷しています", static_cast<int>(months.size()));
    for (std::size_t i = 0; i < months.size() && printerReady(s.print); ++i) {
        if (i > 0 && startNextPage(c) != PrintError::None) break;
        s.currentMonth = months[i].month;
        s.currentYear = s.monthCellsYear = months[i].year;
        s.monthCells = *months[i].cells;
        PRN_ZIKKOU1P_ON(c);
        progress->step(++result.pages);
    }
    PRN_CLOSE_ON(c);
    displayed.restore(s);
    return result;
}

}  // namespace cal
