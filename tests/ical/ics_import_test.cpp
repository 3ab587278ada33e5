// The shared calendar brought into May through the main window's button.
#include "ical/ics_reader.h"

#include "data/file_io.h"
#include "data/month_file.h"
#include "data/sjis.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/mainform/ics_import.h"
#include "windows/mainform/mainform_controls.h"

#include <gtest/gtest.h>

#include <cstring>

namespace cal::test {
namespace {

class IcsImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        h.clock.date = {2026, 5, 7};
        writeYearFile(h, 2026, 5, "金", 31);  // 1 May 2026 a Friday, in cell 6
        writeMonthFile(h, 2026, 5, 8, "こどもの日のつどい");
        h.start();
        h.context().icsReader = &reader;
        ics = h.dir.path() + "/shared.ics";
        write(ics, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//JP\r\n"
                   "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;TZID=Asia/Tokyo:20260515T100000\r\nSUMMARY:えんそく\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nUID:2\r\nDTSTART;VALUE=DATE:20260503\r\nSUMMARY:こどもの日のつどい\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nUID:3\r\nDTSTART;VALUE=DATE:20260520\r\nSUMMARY:\xF0\x9F\x98\x80\r\nEND:VEVENT\r\n"
                   "END:VCALENDAR\r\n");
    }
    static void write(const std::string& path, const std::string& bytes) {
        std::string error;
        ASSERT_TRUE(writeFileReplacing(path, bytes, error)) << error;
    }
    std::string cells() const {
        return std::string(reinterpret_cast<const char*>(&h.state->monthCells), sizeof(MonthCells));
    }
    std::string line(int day, std::size_t k) const { return fieldText(h.state->monthCells[static_cast<std::size_t>(day + 5)].lineText[k]); }
    void press() {
        h.forms.answerFiles({ics});
        h.app.handleEvent({kMainForm, mainform::kImportIcs, EventKind::On});
    }
    ical::LibicalReader reader;
    Harness h;
    std::string ics;
};

TEST_F(IcsImportTest, EventsGoIntoFreeLinesOnceAndUndoGivesMayBackByteForByte) {
    const std::string loaded = cells();
    const std::string file = readBytes(monthFilePath(h.dir.path(), "2026", 5));
    press();
    EXPECT_EQ(line(15, 1), "10:00 えんそく");
    EXPECT_EQ(line(3, 1), "こどもの日のつどい");  // there already: not twice
    EXPECT_EQ(line(3, 2), "");
    const std::string told = h.forms.messageTexts().back();
    EXPECT_TRUE(told.starts_with("5月の予定を 1 件取り込みました。")) << told;
    EXPECT_NE(told.find("5月20日"), std::string::npos) << told;  // the emoji cannot be stored
    const std::string once = cells();
    press();
    EXPECT_EQ(cells(), once);
    h.app.handleEvent({kMainForm, mainform::kUndo, EventKind::On});
    EXPECT_EQ(cells(), loaded);
    EXPECT_EQ(readBytes(monthFilePath(h.dir.path(), "2026", 5)), file);
}

TEST_F(IcsImportTest, AFileThatIsNoCalendarStoresNothing) {
    write(ics, "これは予定表ではありません\r\n");
    const std::string loaded = cells();
    press();
    EXPECT_EQ(cells(), loaded);
    EXPECT_NE(h.forms.messageTexts().back().find("iCalendar のファイルとして読めません"), std::string::npos);
    EXPECT_FALSE(h.forms.control(kMainForm, mainform::kUndo).enabled);
}

}  // namespace
}  // namespace cal::test
