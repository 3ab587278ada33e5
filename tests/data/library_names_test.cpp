// The names pictures get in the library: always storable, always .bmp, and
// never more than a record's field holds.
#include "data/library_names.h"
#include "data/sjis.h"

#include <gtest/gtest.h>

namespace cal {
namespace {

TEST(LibraryNames, EveryNameFitsTheFieldAndEndsInBmp) {
    struct Case {
        const char* file;
        int number;
        const char* name;
    };
    const Case cases[] = {
        {"usagi.png", 1, "usagi.bmp"},
        {"usagi.png", 2, "usagi-2.bmp"},
        {"USAGI.JPG", 1, "USAGI.bmp"},
        {"photo.2024.jpeg", 1, "photo.2024.bmp"},
        {"ねこ😀.png", 1, "ねこ_.bmp"},        // no Shift-JIS for the emoji
        {"a:b?c.gif", 1, "a_b_c.bmp"},          // characters Windows refuses
        {"CON.png", 1, "_CON.bmp"},             // a device name
        {".png", 1, "画像.bmp"},                 // nothing left of the stem
        {"noextension", 1, "noextension.bmp"},
        {"あいうえおかきくけこさしすせそたちつてと.png", 1, "あいうえおかきくけこさしす.bmp"},
        {"あいうえおかきくけこさしすせそたちつてと.png", 12, "あいうえおかきくけこさ-12.bmp"},
        {"abcdefghijklmnopqrstuvwxyz0123456789.png", 3, "abcdefghijklmnopqrstuvwx-3.bmp"},
    };
    for (const Case& c : cases) {
        const std::string name = libraryName(c.file, c.number);
        EXPECT_EQ(name, c.name) << c.file;
        EXPECT_LE(utf8ToSjis(name).size(), kPictureNameBytes) << c.file;
        EXPECT_TRUE(unstorableCharacters(name).empty()) << c.file;
        EXPECT_TRUE(name.ends_with(".bmp")) << c.file;
    }
    EXPECT_TRUE(sameLibraryName("Usagi.BMP", "usagi.bmp"));  // one file on Windows
}

}  // namespace
}  // namespace cal
