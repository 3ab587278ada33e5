// The two records byte for byte, and the fixed-width text fields.
#include "data/day_cell.h"
#include "data/sjis.h"
#include "data/year_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace cal {
namespace {

template <typename Record>
std::string bytesOf(const Record& r) {
    std::string bytes(sizeof(Record), '\0');
    std::memcpy(bytes.data(), &r, sizeof(Record));
    return bytes;
}

// Stores a one-character marker in an element of a text field and checks
// that it lands at the expected byte offset of the record.
template <typename Record, typename Field>
void expectTextAt(Record& record, Field& field, std::size_t offset) {
    record = {};
    storeField(field, "Z");
    const std::string bytes = bytesOf(record);
    EXPECT_EQ(bytes.find('Z'), offset);
}

template <typename Record>
void expectNumberAt(Record& record, LeInt32& field, std::size_t offset) {
    record = {};
    field.set(0x01020304);
    const std::string bytes = bytesOf(record);
    ASSERT_EQ(bytes.substr(offset, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.find('\x04'), offset);
}

TEST(DayCellRecord, FieldsLieAtTheirOffsets) {
    DayCell cell{};
    expectTextAt(cell, cell.pictureFile[1], 136 + 30);
    expectTextAt(cell, cell.pictureFile[8], 136 + 8 * 30);
    expectTextAt(cell, cell.lineText[1], 680 + 40);
    expectTextAt(cell, cell.lineText[8], 680 + 8 * 40);
    expectTextAt(cell, cell.extraText[1], 1388 + 40);
    expectTextAt(cell, cell.extraText[6], 1388 + 6 * 40);
    expectNumberAt(cell, cell.lineCheck[1], 1324 + 4);
    expectNumberAt(cell, cell.lineCheck[8], 1324 + 8 * 4);
    EXPECT_EQ(sizeof(MonthCells), 117648u);
}

TEST(YearSettingsRecord, FieldsLieAtTheirOffsets) {
    auto owned = std::make_unique<YearSettings>();
    YearSettings& y = *owned;
    expectNumberAt(y, y.reservedHead, 0);
    expectTextAt(y, y.schoolName, 4);
    expectTextAt(y, y.schoolPicture, 34);
    expectNumberAt(y, y.daysInMonth[1], 64 + 4);
    expectNumberAt(y, y.daysInMonth[12], 64 + 48);
    expectTextAt(y, y.firstWeekday[1], 116 + 4);
    expectTextAt(y, y.firstWeekday[12], 116 + 48);
    expectTextAt(y, y.titlePicture[1], 168 + 30);
    expectTextAt(y, y.monthComment[12], 558 + 12 * 40);
    expectNumberAt(y, y.holidayDate[1], 14390 + 4);
    expectNumberAt(y, y.holidayDate[20], 14390 + 80);
    expectTextAt(y, y.holidayPicture[20], 14474 + 20 * 30);
    expectTextAt(y, y.holidayComment[1], 15104 + 40);
    expectTextAt(y, y.framePicture[6], 37448 + 6 * 30);
    expectTextAt(y, y.className, 37658);
    expectTextAt(y, y.classPicture, 37688);
}

TEST(LeInt32, StoresLittleEndianAndReadsNegativeNumbers) {
    LeInt32 n;
    n.set(-2);
    EXPECT_EQ(n.bytes[0], 0xFE);
    EXPECT_EQ(n.bytes[3], 0xFF);
    EXPECT_EQ(n.get(), -2);
    n.set(1231);
    EXPECT_EQ(n.get(), 1231);
}

TEST(TextField, FortyBytesFitAndTheFortyFirstIsCut) {
    LineField field{};
    const std::string forty(40, 'a');
    storeField(field, forty);
    EXPECT_EQ(fieldText(field), forty);
    storeField(field, forty + "b");
    EXPECT_EQ(fieldText(field), forty);
}

TEST(TextField, TwoByteCharacterIsNeverSplitAtTheEdge) {
    LineField field{};
    storeField(field, std::string(39, 'a') + "あ");
    EXPECT_EQ(fieldText(field), std::string(39, 'a'));
    EXPECT_EQ(field[39], '\0');
    storeField(field, std::string(38, 'a') + "あ");
    EXPECT_EQ(fieldText(field), std::string(38, 'a') + "あ");
}

TEST(TextField, ShorterValueIsPaddedWithZeroBytes) {
    PictureName field;
    field.fill('x');
    storeField(field, "usagi.bmp");
    EXPECT_EQ(std::string(field.data() + 9, 21), std::string(21, '\0'));
}

TEST(TextField, BlanksWithoutZeroByteNameNoPicture) {
    PictureName field;
    field.fill(' ');
    EXPECT_EQ(fieldName(field), "");
    std::memcpy(field.data(), "  sakura.bmp", 12);
    EXPECT_EQ(fieldName(field), "sakura.bmp");
}

TEST(TextField, TrailingBlankBeforeZeroBytesIsKept) {
    PictureName field{};
    std::memcpy(field.data(), "abc ", 4);
    EXPECT_EQ(fieldName(field), "abc ");
}

TEST(ShiftJis, ConvertsBothWaysWithTheMicrosoftMapping) {
    EXPECT_EQ(utf8ToSjis("あ"), "\x82\xA0");
    EXPECT_EQ(sjisToUtf8("\x5C"), "\\");
    EXPECT_EQ(utf8ToSjis("〜"), "\x81\x60");  // wave dash as typed on Linux
    EXPECT_EQ(utf8ToSjis("～"), "\x81\x60");
    EXPECT_EQ(sjisToUtf8("\x87\x40"), "①");
    EXPECT_EQ(sjisToUtf8("\x95\x5C"), "表");  // trail byte 0x5C stays inside the character
}

TEST(ShiftJis, BadBytesNeverStopTheConversion) {
    EXPECT_EQ(sjisToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(sjisToUtf8("\x85\x40" "c"), "\xEF\xBF\xBD" "c");  // an unassigned pair is one character
    EXPECT_EQ(sjisToUtf8("ab\x82"), "ab");  // a cut character at the end
    EXPECT_EQ(utf8ToSjis("a\xF0\x9F\x98\x80" "b"), "a?b");  // no emoji in code page 932
}

}  // namespace
}  // namespace cal
