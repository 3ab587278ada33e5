// A school year printed as one document, a page a month.

#include "data/sjis.h"
#include "data/year_file.h"
#include "data/year_settings.h"
#include "print/year_print.h"
#include "support/month_setup.h"
#include "ui/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace cal::test {
namespace {

class YearPrint : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        showMonth(h, 2003, 1, "水", 31);
        storeField(h.state->monthCells[4].lineText[1], "shown, unsaved");
        // Every month of school year 2002 laid out alike: the 1st a Sunday, 30 days.
        auto year = std::make_unique<YearSettings>();
        for (std::size_t k = 1; k <= 12; ++k) {
            storeField(year->firstWeekday[k], "日");
            year->daysInMonth[k].set(30);
        }
        std::string error;
        ASSERT_TRUE(writeYearSettings(yearSettingsPath(h.dir.path(), "2002"), *year, error)) << error;
        h.forms.createPrinter();
    }
    int count(const std::string& step) const {
        const auto& log = h.forms.printer->log;
        return static_cast<int>(std::count(log.begin(), log.end(), step));
    }
    Harness h;
};

TEST_F(YearPrint, OnePageAMonthThatHasItsFileAndTheShownMonthUntouched) {
    for (int month : {4, 5, 12}) writeMonthFile(h, 2002, month, 3, "page " + std::to_string(month));
    writeMonthFile(h, 2003, 1);
    const auto printed = printSchoolYear(h.context(), 2002);
    EXPECT_EQ(printed.error, "");
    EXPECT_EQ(printed.pages, 4);
    ASSERT_EQ(printed.missing.size(), 8u);
    EXPECT_EQ(printed.missing.front(), "2002年6月");
    EXPECT_EQ(printed.missing.back(), "2003年3月");
    EXPECT_EQ(count("start 帳票印刷"), 1);  // one document
    EXPECT_EQ(count("page"), 4);
    EXPECT_EQ(count("end document"), 1);
    // Pages in school-year order: April's line comes before December's.
    std::vector<std::string> lines;
    for (const DrawCall& d : h.forms.drawsOn("PRINTER", ""))
        if (d.op == "text" && d.text.rfind("page ", 0) == 0) lines.push_back(d.text);
    EXPECT_EQ(lines, (std::vector<std::string>{"page 4", "page 5", "page 12"}));
    EXPECT_EQ(h.forms.progressLog.front(), "１年分を印刷しています 4");
    // The displayed month is as it was, edits included.
    EXPECT_EQ(h.state->currentMonth, 1);
    EXPECT_EQ(h.state->currentYear, "2003");
    EXPECT_EQ(fieldText(h.state->monthCells[4].lineText[1]), "shown, unsaved");
}

TEST_F(YearPrint, NothingToPrintTouchesNoPrinter) {
    EXPECT_NE(printSchoolYear(h.context(), 2002).error, "");  // no month files
    EXPECT_NE(printSchoolYear(h.context(), 2010).error, "");  // no settings
    EXPECT_TRUE(h.forms.printer->log.empty());
}

}  // namespace
}  // namespace cal::test
