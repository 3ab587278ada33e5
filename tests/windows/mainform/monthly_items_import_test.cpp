// The monthly items placed by the holiday import.
#include "data/file_io.h"
#include "data/monthly_items.h"
#include "data/sjis.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "windows/mainform/holiday_import.h"

#include <gtest/gtest.h>

namespace cal::test {
namespace {

class MonthlyItemsImport : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        showMonth(h, 2025, 5, "木", 31);  // 1 May 2025 in cell 5
        h.state->schoolYear = "2025";
        writeItems(utf8ToSjis("最終金曜日\t0\ttanjou.bmp\t誕生会\r\n15日\t1\t\t避難訓練\r\n第2火曜日\t0\t\t体操教室\r\n"));
    }
    void writeItems(const std::string& bytes) {
        std::string error;
        ASSERT_TRUE(writeFileReplacing(monthlyItemsPath(h.dir.path(), "2025"), bytes, error)) << error;
    }
    DayCell& day(int d) { return h.state->monthCells[static_cast<std::size_t>(d + 4)]; }
    std::vector<std::string> lines(int d) {
        std::vector<std::string> out;
        for (std::size_t k = 1; k <= 8; ++k)
            if (const std::string t = fieldText(day(d).lineText[k]); !t.empty()) out.push_back(t);
        return out;
    }
    void import() {
        h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
        BUTTON70_ON(h.context());
    }
    Harness h;
};

TEST_F(MonthlyItemsImport, ItemsGoIntoFreeLinesOnceBesideTheHolidays) {
    // 15 May 2025 is a Thursday; 30 May the last Friday; 13 May the second Tuesday.
    YearSettings& y = h.state->yearSettings;
    y.holidayDate[1].set(530);
    storeField(y.holidayComment[1], "遠足");
    storeField(day(15).lineText[1], "お弁当");
    import();
    import();  // a second import doubles nothing
    EXPECT_EQ(lines(15), (std::vector<std::string>{"お弁当", "避難訓練"}));
    EXPECT_EQ(lines(30), (std::vector<std::string>{"遠足", "誕生会"}));
    EXPECT_EQ(lines(13), std::vector<std::string>{"体操教室"});
    EXPECT_EQ(fieldName(day(30).pictureFile[3]), "tanjou.bmp");
    EXPECT_EQ(fieldName(day(30).pictureFile[4]), "");
}

TEST_F(MonthlyItemsImport, AMovedItemSkipsRegisteredHolidaysAndWhatDoesNotFitIsNamed) {
    h.state->yearSettings.holidayDate[1].set(515);
    h.state->yearSettings.holidayDate[2].set(516);
    for (std::size_t k = 1; k <= 8; ++k) storeField(day(30).lineText[k], "予定" + std::to_string(k));
    import();
    // 15 and 16 May registered, 17 and 18 a weekend: Monday the 19th.
    EXPECT_EQ(lines(19), std::vector<std::string>{"避難訓練"});
    EXPECT_EQ(h.forms.messageTexts().back(), "次の毎月の行事は入りきりませんでした。\r\n5月30日 誕生会");
}

TEST_F(MonthlyItemsImport, BadLinesAreToldOnceAndTheFileIsKept) {
    const std::string bytes = utf8ToSjis("15日\t0\t\t避難訓練\r\n毎週\t0\t\t体操\r\n");
    writeItems(bytes);
    import();
    import();
    int told = 0;
    for (const std::string& m : h.forms.messageTexts()) told += m.find("2行目: 決まり「毎週」") != std::string::npos;
    EXPECT_EQ(told, 1);
    EXPECT_EQ(lines(15), std::vector<std::string>{"避難訓練"});
    EXPECT_EQ(readBytes(monthlyItemsPath(h.dir.path(), "2025")), bytes);
}

}  // namespace
}  // namespace cal::test
