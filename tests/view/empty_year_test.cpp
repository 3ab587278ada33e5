// Creating the empty month files of a school year.
#include "view/empty_year.h"
#include "data/sjis.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cal::test {
namespace {

class EmptyYear : public ::testing::Test {
protected:
    void SetUp() override { h.createForms(); }
    int monthFiles() const {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(u8path(h.dir.file("Calendar_dat", ""))))
            n += e.is_regular_file();
        return n;
    }
    Harness h;
};

TEST_F(EmptyYear, CreatesTwelveEmptyFilesFromAprilToMarch) {
    storeField(h.state->monthCells[7].lineText[1], "表示中");
    h.forms.answerInputs({"2002"});
    KARA_DATE_MAKE(h.context());
    EXPECT_EQ(monthFiles(), 12);
    for (const char* name : {"Calendar200204.dat", "Calendar200209.dat", "Calendar200212.dat",
                             "Calendar200301.dat", "Calendar200303.dat"})
        EXPECT_EQ(h.dir.read("Calendar_dat", name), std::string(kMonthFileSize, '\0')) << name;
    EXPECT_TRUE(h.forms.messages.empty());
    EXPECT_EQ(fieldText(h.state->monthCells[7].lineText[1]), "表示中");
}

TEST_F(EmptyYear, YearsOutsideTheRangeAreRefusedAndAskedAgain) {
    h.forms.answerInputs({"1998", "2100", "さくら", "", "2099"});
    KARA_DATE_MAKE(h.context());
    EXPECT_EQ(h.forms.messages.size(), 4u);
    for (const ShownMessage& m : h.forms.messages) EXPECT_EQ(m.message, "適切な年度が入力されていません。");
    EXPECT_TRUE(h.dir.exists("Calendar_dat", "Calendar209904.dat"));
    EXPECT_TRUE(h.dir.exists("Calendar_dat", "Calendar210003.dat"));
}

TEST_F(EmptyYear, BlanksAroundTheYearAreIgnored) {
    h.forms.answerInputs({"  1999  "});
    KARA_DATE_MAKE(h.context());
    EXPECT_TRUE(h.dir.exists("Calendar_dat", "Calendar199904.dat"));
    EXPECT_TRUE(h.dir.exists("Calendar_dat", "Calendar200001.dat"));
}

TEST_F(EmptyYear, TextAfterTheDigitsNeverEntersTheFileNames) {
    h.forms.answerInputs({"2002年"});
    KARA_DATE_MAKE(h.context());
    EXPECT_TRUE(h.dir.exists("Calendar_dat", "Calendar200204.dat"));
    EXPECT_EQ(monthFiles(), 12);
}

TEST_F(EmptyYear, ExistingMonthStaysByteForByteWithOneMessage) {
    const std::string july(kMonthFileSize, 'j');
    h.dir.write("Calendar_dat", "Calendar200207.dat", july);
    h.forms.answerInputs({"2002"});
    KARA_DATE_MAKE(h.context());
    EXPECT_EQ(h.dir.read("Calendar_dat", "Calendar200207.dat"), july);
    ASSERT_EQ(h.forms.messages.size(), 1u);
    EXPECT_EQ(h.forms.messages[0].message, "2002年7月の空カレンダーデータは作成済です。");
    EXPECT_EQ(monthFiles(), 12);
}

TEST_F(EmptyYear, CancelAsksToRetry) {
    h.forms.answerInputs({std::nullopt, std::nullopt});
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No});
    KARA_DATE_MAKE(h.context());
    EXPECT_EQ(h.forms.messageTexts(),
              std::vector<std::string>(2, "空データ作成はキャンセルされました.再実行しますか"));
    EXPECT_EQ(monthFiles(), 0);
}

TEST_F(EmptyYear, FileThatCannotBeCreatedIsReported) {
    std::filesystem::remove_all(u8path(h.dir.file("Calendar_dat", "")));
    h.forms.answerInputs({"2002"});
    KARA_DATE_MAKE(h.context());
    ASSERT_EQ(h.forms.messages.size(), 12u);
    EXPECT_EQ(h.forms.messages[0].title, "エラー");
    EXPECT_NE(h.forms.messages[0].message.find("Calendar200204.dat"), std::string::npos);
}

}  // namespace
}  // namespace cal::test
