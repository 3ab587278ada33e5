// Code page 932 gives the same bytes and the same text on every system: the
// characters both systems' input methods type, the NEC and IBM extensions.
// Every other code is held against iconv on Linux and against Windows' own
// conversion on Windows.
#include "data/sjis.h"

#include <gtest/gtest.h>

#include <string>

namespace cal {
namespace {

struct Cp932Case {
    const char* text;      // as typed
    const char* bytes;     // as stored
    const char* readBack;  // as read from the bytes (what Windows reads)
};

const Cp932Case kCases[] = {
    {"あ", "\x82\xA0", "あ"},
    {"\\", "\x5C", "\\"},
    {"~", "\x7E", "~"},
    {"ｱ", "\xB1", "ｱ"},
    // The JIS and the Microsoft forms of one character share one code.
    {"〜", "\x81\x60", "～"},
    {"～", "\x81\x60", "～"},
    {"‖", "\x81\x61", "∥"},
    {"∥", "\x81\x61", "∥"},
    {"−", "\x81\x7C", "－"},
    {"－", "\x81\x7C", "－"},
    {"¢", "\x81\x91", "￠"},
    {"￠", "\x81\x91", "￠"},
    {"£", "\x81\x92", "￡"},
    {"￡", "\x81\x92", "￡"},
    {"¬", "\x81\xCA", "￢"},
    {"￢", "\x81\xCA", "￢"},
    {"—", "\x81\x5C", "―"},
    {"―", "\x81\x5C", "―"},
    {"¥", "\x5C", "\\"},
    {"‾", "\x7E", "~"},
    // NEC special characters, IBM extensions, a character of both.
    {"①", "\x87\x40", "①"},
    {"㈱", "\x87\x8A", "㈱"},
    {"Ⅰ", "\x87\x54", "Ⅰ"},
    {"ⅰ", "\xFA\x40", "ⅰ"},
    {"纊", "\xFA\x5C", "纊"},
    {"∵", "\x81\xE6", "∵"},
    // User-defined characters, first and last.
    {"\xEE\x80\x80", "\xF0\x40", "\xEE\x80\x80"},
    {"\xEE\x9D\x97", "\xF9\xFC", "\xEE\x9D\x97"},
    {"表", "\x95\x5C", "表"},  // trail byte 0x5C
};

TEST(Cp932, StoresAndReadsTheSameOnEverySystem) {
    for (const Cp932Case& c : kCases) {
        EXPECT_EQ(utf8ToSjis(c.text), c.bytes) << c.text;
        EXPECT_EQ(sjisToUtf8(c.bytes), c.readBack) << c.text;
        // Only a character read back as another one (¥ as \) is warned of.
        const bool sameCharacter = std::string(c.text) == c.readBack || std::string(c.bytes).size() == 2;
        EXPECT_EQ(fieldFitWarning(c.text, 40).empty(), sameCharacter) << c.text;
    }
    // Second codes of one character read as that character.
    EXPECT_EQ(sjisToUtf8("\xED\x40"), "纊");
    EXPECT_EQ(sjisToUtf8("\x87\x9A\xFA\x5B"), "∵∵");
    EXPECT_EQ(sjisToUtf8("\xEE\xF9\xFA\x54"), "￢￢");
}

TEST(Cp932, BrokenUtf8IsNoCharacterAndNeverAZeroByte) {
    // Overlong forms (a zero byte, "/"), a surrogate, a code past U+10FFFF and
    // a sequence cut short by the end each store as "?", one per byte.
    for (const std::string broken : {"\xC0\x80", "\xC0\xAF", "\xE0\x80\x80", "\xED\xA0\x80",
                                     "\xF4\x90\x80\x80", "\xE3\x81"})
        EXPECT_EQ(utf8ToSjis("a" + broken + "b"), "a" + std::string(broken.size(), '?') + "b");
}

}  // namespace
}  // namespace cal
