// Stored picture names only ever name a file inside the picture library.
#include "data/sjis.h"
#include "support/month_setup.h"
#include "ui/names.h"
#include "view/bitmap_toolkit.h"
#include "view/grid_model.h"
#include "windows/form3/form3_controls.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cal::test {
namespace {

class PictureNames : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        // Real pictures beside and below the library: every name below would
        // reach one of them if it were opened.
        h.dir.write("", "outside.bmp", bmpBytes(8, 6));
        std::filesystem::create_directory(u8path(h.dir.file("Calendar_pic", "sub")));
        h.dir.write("Calendar_pic", "sub/usagi.bmp", bmpBytes(8, 6));
        addPicture(h, "usagi.bmp");
        addPicture(h, kFallbackPicture);
    }
    std::vector<std::string> leadingOut() const {
        return {"../outside.bmp", "../Calendar_pic/usagi.bmp", "sub/usagi.bmp", "sub\\usagi.bmp",
                h.dir.file("", "outside.bmp"), "C:usagi.bmp", "C:\\outside.bmp", "usagi.bmp:stream",
                "..", ".", "NUL.bmp", "com1.bmp", "CON", std::string("usagi.bmp\0.txt", 14)};
    }
    Harness h;
};

TEST_F(PictureNames, OnlyBareNamesBuildALibraryPath) {
    for (const std::string& name : leadingOut()) {
        EXPECT_FALSE(isBarePictureName(name)) << name;
        EXPECT_EQ(picturePath(h.dir.path(), name), "") << name;
    }
    for (const std::string name : {"usagi.bmp", "..usagi.bmp", "うさぎ 1.BMP", "console.bmp", "com10.bmp",
                                   kFallbackPicture}) {
        EXPECT_TRUE(isBarePictureName(name)) << name;
        EXPECT_EQ(picturePath(h.dir.path(), name), h.dir.file("Calendar_pic", name));
    }
}

TEST_F(PictureNames, NamesLeadingOutAreNotDrawableAndNeverOpened) {
    PictureRun run(h.forms, h.forms, kMonthForm, h.dir.path(), false);
    Surface& surface = h.forms.surface(kMonthForm, "PICTURE1");
    for (const std::string& name : leadingOut()) {
        EXPECT_FALSE(run.drawable(name)) << name;
        EXPECT_FALSE(run.draw(surface, name, 0, 0, 10, 10)) << name;
    }
    EXPECT_TRUE(h.forms.loadedBitmapFiles.empty());
    EXPECT_TRUE(h.forms.draws.empty());

    // A title band picture with such a name gives way to the fallback.
    run.drawOrFallback(surface, "../outside.bmp", 0, 0, 10, 10);
    ASSERT_EQ(h.forms.draws.size(), 1u);
    EXPECT_EQ(h.forms.draws[0].text, h.dir.file("Calendar_pic", kFallbackPicture));
    EXPECT_TRUE(run.drawable("usagi.bmp"));
}

TEST_F(PictureNames, TheDayEditorOpensNothingForANameLeadingOut) {
    showMonth(h, 2003, 1, "水", 31);
    storeField(h.state->monthCells[12].pictureFile[1], "../outside.bmp");
    storeField(h.state->monthCells[12].pictureFile[3], "sub/usagi.bmp");
    h.state->selectedCell = 12;
    DAT_SET(h.context());
    EXPECT_TRUE(h.forms.loadedBitmapFiles.empty());
    for (const int slot : {1, 3}) {
        const std::string control = form3::slotPicture(slot);
        const std::vector<DrawCall> calls = h.forms.drawsOn(kDayEditor, control);
        ASSERT_FALSE(calls.empty()) << control;
        EXPECT_EQ(calls[0].op, "clear");
        for (const DrawCall& d : calls) EXPECT_NE(d.op, "stretch") << control;
    }
}

}  // namespace
}  // namespace cal::test
