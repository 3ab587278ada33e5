// Showing and saving the utility's record: byte-exact round trips, the two
// modes, refused year texts and failed writes.
#include "windows/form4/year_utility_fixture.h"
#include "windows/form4/form4_controls.h"

namespace cal::test {
namespace {

using YearUtilityRecord = YearUtilityTest;

TEST_F(YearUtilityRecord, UnchangedSaveWritesTheBytesThatWereRead) {
    // Every byte set, including bytes after a field's first zero, blanks
    // around names and bytes that are no Shift-JIS.
    std::string bytes(sizeof(YearSettings), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7 + 3) % 251);
    bytes.replace(0, 4, std::string("\xE8\x07\0\0", 4));  // 2024, as saving stores it
    writeBytes(yearFile("2024"), bytes);
    open();
    h.forms.answerMessages({MessageAnswer::Yes});
    EXPECT_EQ(FORM4_UPDATE(c()), UtilitySave::Saved);
    EXPECT_EQ(readBytes(yearFile("2024")), bytes);
}

TEST_F(YearUtilityRecord, FullWidthFieldsSurviveAndAChangedFieldIsStoredCutToItsWidth) {
    auto y = std::make_unique<YearSettings>();
    y->reservedHead.set(2024);
    const std::string twenty = "あいうえおかきくけこさしすせそたちつてと";  // 40 bytes
    for (std::size_t m = 1; m <= 12; ++m) storeField(y->monthComment[m], twenty);
    for (std::size_t i = 1; i <= 20; ++i) storeField(y->holidayComment[i], twenty);
    storeField(y->className, "ひよこ組ひよこ組ひよこ組ひよこ組");  // cut to 30 bytes
    storeField(y->firstWeekday[1], "水");
    storeField(y->firstWeekday[2], "土");
    writeSettings(yearFile("2024"), *y);
    const std::string before = readBytes(yearFile("2024"));
    open();
    EXPECT_EQ(text("EDIT64"), twenty);
    EXPECT_EQ(text(form4::kAprilWeekday), "水");
    type("EDIT75", "ひなまつりひなまつりひなまつりひなまつりひなまつり");  // 50 bytes typed
    h.forms.answerMessages({MessageAnswer::Yes});
    ASSERT_EQ(FORM4_UPDATE(c()), UtilitySave::Saved);
    const auto after = readSettings(yearFile("2024"));
    EXPECT_EQ(fieldText(after->monthComment[12]), "ひなまつりひなまつりひなまつりひなまつり");
    // Everything else is as it was, byte for byte.
    std::string expected = before;
    std::memcpy(expected.data() + offsetof(YearSettings, monthComment) + 12 * 40, after->monthComment[12].data(), 40);
    EXPECT_EQ(readBytes(yearFile("2024")), expected);
}

TEST_F(YearUtilityRecord, NumbersThatAreNoNumbersAreSavedAsZero) {
    open();
    type("EDIT29", "abc");
    type("EDIT104", "1231");
    h.forms.answerMessages({MessageAnswer::Yes});
    ASSERT_EQ(FORM4_UPDATE(c()), UtilitySave::Saved);
    const auto y = readSettings(yearFile("2024"));
    EXPECT_EQ(y->daysInMonth[1].get(), 0);
    EXPECT_EQ(y->holidayDate[1].get(), 1231);
}

TEST_F(YearUtilityRecord, NoToTheQuestionWritesNothing) {
    open();
    type(form4::kClassName, "ぱんだ組");
    const auto files = masterFiles();
    h.forms.answerMessages({MessageAnswer::No});
    EXPECT_EQ(FORM4_UPDATE(c()), UtilitySave::Declined);
    EXPECT_EQ(masterFiles(), files);
    EXPECT_EQ(h.forms.messages.at(0).message, "カレンダー設定データを更新しますか。");
    EXPECT_EQ(h.forms.messages.at(0).title, "問い合せ");
}

TEST_F(YearUtilityRecord, AFileChangedElsewhereSinceItWasReadIsWrittenOverOnlyAfterYes) {
    open();
    type(form4::kClassName, "ぱんだ組");
    const std::string theirs(sizeof(YearSettings), 'x');
    writeBytes(yearFile("2024"), theirs);
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::No});
    EXPECT_EQ(FORM4_UPDATE(c()), UtilitySave::Failed);
    EXPECT_EQ(h.forms.messages.at(1).message, yearFile("2024") + " は開いた後に他で変更されています。上書きしますか。");
    EXPECT_TRUE(readBytes(yearFile("2024")) == theirs);
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
    EXPECT_EQ(FORM4_UPDATE(c()), UtilitySave::Saved);
    EXPECT_EQ(fieldText(readSettings(yearFile("2024"))->className), "ぱんだ組");
}

TEST_F(YearUtilityRecord, DefaultModeSavesTheDefaultWithTheYearFieldsNumber) {
    open();
    h.forms.setCheckState(kYearUtility, form4::kYearMode, 0);
    h.forms.setCheckState(kYearUtility, form4::kDefaultMode, 1);
    RADIO2_ON(c());
    EXPECT_EQ(text(form4::kClassName), "デフォルト組");
    EXPECT_FALSE(h.forms.control(kYearUtility, form4::kYearField).enabled);
    EXPECT_FALSE(h.forms.control(kYearUtility, form4::kCopyButton).enabled);
    type(form4::kClassName, "ことり組");
    const std::string yearBytes = readBytes(yearFile("2024"));
    h.forms.answerMessages({MessageAnswer::Yes});
    ASSERT_EQ(FORM4_UPDATE(c()), UtilitySave::Saved);
    const auto def = readSettings(defaultSettingsPath(h.dir.path()));
    EXPECT_EQ(fieldName(def->className), "ことり組");
    EXPECT_EQ(def->reservedHead.get(), 2024);
    EXPECT_EQ(readBytes(yearFile("2024")), yearBytes);
    EXPECT_EQ(fieldName(h.state->yearSettings.className), "ひよこ組");  // the display is untouched
}

TEST_F(YearUtilityRecord, YearTextsThatCannotNameAFileAreRefusedEverywhere) {
    open();
    for (const char* bad : {"abcd", "20/4", "..", "20 24", "202", "20245", "", "２０２４"}) {
        SCOPED_TRACE(bad);
        type(form4::kYearField, bad);
        const auto files = masterFiles();
        h.forms.messages.clear();
        h.forms.answerMessages({MessageAnswer::Yes});
        EXPECT_EQ(FORM4_UPDATE(c()), UtilitySave::Failed);
        stepSchoolYear(c(), 1);
        DEFCOPYBTN_ON(c());
        RADIO1_ON(c());
        EXPECT_EQ(masterFiles(), files);
        EXPECT_EQ(text(form4::kYearField), bad);
        std::size_t refusals = 0;
        for (const ShownMessage& m : h.forms.messages)
            refusals += m.message == "年度のデータは半角数字４文字で入力してください.";
        EXPECT_EQ(refusals, 4u);
    }
}

TEST_F(YearUtilityRecord, AYearStepPastFourDigitsIsRefused) {
    open();
    type(form4::kYearField, "9999");
    stepSchoolYear(c(), 1);
    EXPECT_EQ(text(form4::kYearField), "9999");
    EXPECT_EQ(h.forms.messageTexts().back(), "年度のデータは半角数字４文字で入力してください.");
}

TEST_F(YearUtilityRecord, AFailedWriteNamesTheFileKeepsTheOldOneAndTheUtilityOpen) {
    open();
    // A folder where the new file would be renamed to: the write cannot finish.
    std::filesystem::create_directory(u8path(yearFile("2031")));
    type(form4::kYearField, "2031");
    type(form4::kClassName, "ぱんだ組");
    h.forms.answerMessages({MessageAnswer::Yes, MessageAnswer::Yes});
    ASSERT_EQ(closeYearUtility(c()), 1);
    const ShownMessage& error = h.forms.messages.back();
    EXPECT_EQ(error.title, "エラー");
    EXPECT_NE(error.message.find(yearFile("2031")), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(u8path(yearFile("2031"))));
    EXPECT_EQ(text(form4::kClassName), "ぱんだ組");
    EXPECT_TRUE(h.forms.formExists(kYearUtility));
}

TEST_F(YearUtilityRecord, AnAprilWeekdayTheListLacksIsNotCarriedOverFromTheYearBefore) {
    auto y = std::make_unique<YearSettings>();
    storeField(y->firstWeekday[1], "月");
    y->reservedHead.set(2025);
    writeSettings(yearFile("2025"), *y);
    open();
    h.forms.selectComboEntry(kYearUtility, form4::kAprilWeekday, 2);  // 水, from the year shown first
    stepSchoolYear(c(), 1);
    EXPECT_EQ(text(form4::kAprilWeekday), "月");
    storeField(y->firstWeekday[1], "");
    writeSettings(yearFile("2026"), *y);
    stepSchoolYear(c(), 1);
    EXPECT_EQ(text(form4::kAprilWeekday), "");
}

TEST_F(YearUtilityRecord, CharactersTheFileCannotHoldAreNamedAndNothingIsWritten) {
    open();
    const std::string before = readBytes(yearFile("2024"));
    type(form4::kClassName, "ひよこ組🐤");
    h.forms.answerMessages({MessageAnswer::Yes});
    EXPECT_EQ(FORM4_UPDATE(c()), UtilitySave::Failed);
    ASSERT_EQ(h.forms.messages.size(), 1u);  // told before the question
    EXPECT_NE(h.forms.messages[0].message.find("「🐤」(U+1F424)"), std::string::npos);
    EXPECT_EQ(readBytes(yearFile("2024")), before);
    EXPECT_EQ(text(form4::kClassName), "ひよこ組🐤");
}

TEST_F(YearUtilityRecord, TypingMarksAFieldLongerThanItsWidth) {
    open();
    type(form4::kClassName, std::string(31, 'a'));  // the class name holds 30 bytes
    h.forms.postEvent({kYearUtility, form4::kClassName, EventKind::Change});
    h.app.run();
    EXPECT_EQ(h.forms.control(kYearUtility, form4::kClassName).warning, "30バイトを超えた分は保存されません");
}
}  // namespace
}  // namespace cal::test
