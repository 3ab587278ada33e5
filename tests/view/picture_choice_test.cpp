// Pictures chosen, dropped and drawn: a record only ever names a file the
// library holds, and pictures keep their proportions unless the user asks
// for stretching.
#include "data/file_io.h"
#include "data/sjis.h"
#include "tools/string_tools.h"
#include "support/month_setup.h"
#include "ui/picture_library.h"
#include "view/bitmap_toolkit.h"
#include "windows/form2/form2_controls.h"
#include "windows/form3/form3_controls.h"
#include "windows/form3/form3_handlers.h"
#include "windows/form6/form6_controls.h"
#include "windows/mainform/data_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <tuple>

namespace cal::test {
namespace {

TEST(FittedPicture, KeepsProportionsInsideThePlaceTouchingTwoSides) {
    const Rect place{140, 20, 86, 72};
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{100, 50}, {50, 100}, {30, 30}, {1, 1000}, {86, 72}}) {
        const Rect r = pictureRect(w, h, place, false);
        EXPECT_NEAR(r.width / r.height, static_cast<double>(w) / h, 1e-9) << w << "x" << h;
        EXPECT_GE(r.x, place.x);
        EXPECT_GE(r.y, place.y);
        EXPECT_LE(r.x + r.width, place.x + place.width + 1e-9);
        EXPECT_LE(r.y + r.height, place.y + place.height + 1e-9);
        const bool spansWidth = std::abs(r.width - place.width) < 1e-9;
        const bool spansHeight = std::abs(r.height - place.height) < 1e-9;
        EXPECT_TRUE(spansWidth || spansHeight) << w << "x" << h;
        // Centred: the white left over is the same on both sides.
        EXPECT_NEAR(r.x - place.x, place.x + place.width - r.x - r.width, 1e-9);
        EXPECT_NEAR(r.y - place.y, place.y + place.height - r.y - r.height, 1e-9);
        const Rect s = pictureRect(w, h, place, true);
        EXPECT_EQ(std::tie(s.x, s.y, s.width, s.height), std::tie(place.x, place.y, place.width, place.height));
    }
}

// Brings a file in as "<stem>.bmp" by copying its bytes, or refuses it.
class FakeLibrary final : public PictureLibrary {
public:
    PictureImport importFile(const std::string& dataDir, const std::string& path) override {
        imported.push_back(path);
        if (path.ends_with(".txt")) return {{}, "絵ではありません: " + path};
        const std::string stem = TOOL_YEN_CUT(path).substr(0, TOOL_YEN_CUT(path).rfind('.'));
        const std::string name = stem + ".bmp";
        std::string error;
        writeFileReplacing(dataPath(dataDir, "Calendar_pic", name), bmpBytes(20, 10), error);
        return {name, {}};
    }
    std::optional<std::string> choose(std::string_view, const std::string&, const std::string& current) override {
        shownWith = current;
        return answer;
    }
    std::vector<std::string> imported;
    std::optional<std::string> answer;
    std::string shownWith;
};

class ChosenPictures : public ::testing::Test {
protected:
    void SetUp() override {
        h.createForms();
        h.context().pictures = &library;
        showMonth(h, 2003, 1, "水", 31);  // the 1st in cell 4
        h.clock.date = {2003, 1, 9};
        FORM3_START(h.context());
        outside = h.dir.path() + "/Downloads";
        std::filesystem::create_directories(outside);
        h.dir.write("Downloads", "usagi.png", "png bytes");
        h.dir.write("Downloads", "kuma.jpg", "jpeg bytes");
        h.dir.write("Downloads", "letter.txt", "text");
    }
    void send(Event e) {
        h.forms.postEvent(std::move(e));
        h.app.run();
    }
    std::string stored(int cell, int slot) const {
        return fieldName(h.state->monthCells[static_cast<std::size_t>(cell)].pictureFile[static_cast<std::size_t>(slot)]);
    }
    Harness h;
    FakeLibrary library;
    std::string outside;
};

TEST_F(ChosenPictures, APictureFromAnotherFolderIsBroughtInBeforeItsNameIsKept) {
    // Without a library window or importer, only a library BMP can be chosen.
    h.context().pictures = nullptr;
    h.forms.answerFiles({outside + "/usagi.png"});
    send({kDayEditor, form3::slotPicture(3), EventKind::Click});
    EXPECT_EQ(fieldName(h.state->dayPictureFile[3]), "");
    EXPECT_EQ(h.forms.messages.size(), 1u);

    h.context().pictures = &library;
    library.answer = "kuma.bmp";
    addPicture(h, "kuma.bmp");
    storeField(h.state->dayPictureFile[1], "old.bmp");
    send({kDayEditor, form3::slotPicture(1), EventKind::Click});
    EXPECT_EQ(library.shownWith, "old.bmp");
    EXPECT_TRUE(library.imported.empty());  // a library BMP is taken by its name
    EXPECT_EQ(fieldName(h.state->dayPictureFile[1]), "kuma.bmp");
}

TEST_F(ChosenPictures, FilesDroppedOnADayFillItsFreeSlotsAndAreStored) {
    storeField(h.state->monthCells[20].pictureFile[1], "taken.bmp");
    Event drop{kMonthForm, form2::cell(20), EventKind::Drop};
    drop.files = {outside + "/usagi.png", outside + "/letter.txt", outside + "/kuma.jpg"};
    send(drop);
    EXPECT_EQ(h.state->selectedCell, 20);
    EXPECT_EQ(stored(20, 1), "taken.bmp");
    EXPECT_EQ(stored(20, 3), "usagi.bmp");
    EXPECT_EQ(stored(20, 4), "kuma.bmp");
    for (const char* name : {"usagi.bmp", "kuma.bmp"}) EXPECT_TRUE(h.dir.exists("Calendar_pic", name)) << name;
    ASSERT_EQ(h.forms.messages.size(), 1u);  // the text file, named
    EXPECT_NE(h.forms.messages[0].message.find("letter.txt"), std::string::npos);

    // A cell before the 1st holds no day: nothing is brought in or stored.
    library.imported.clear();
    Event blank{kMonthForm, form2::cell(2), EventKind::Drop};
    blank.files = {outside + "/usagi.png"};
    send(blank);
    EXPECT_TRUE(library.imported.empty());
    EXPECT_EQ(h.state->selectedCell, 20);
}

TEST_F(ChosenPictures, StretchingIsAPerUserSettingKeptAtOnce) {
    h.forms.createForm(kSettingsDialog);
    h.forms.setCheckState(kSettingsDialog, form6::kStretch, 1);
    send({kSettingsDialog, form6::kStretch, EventKind::On});
    EXPECT_TRUE(h.state->stretchPictures);
    EXPECT_EQ(h.registry.value(kRegistryKey, kStretchPicturesValue), "1");
    addPicture(h, "wide.bmp", 20, 10);
    putDayPicture(h.context(), 1, "wide.bmp");
    const DrawCall drawn = h.forms.drawsOn(kDayEditor, form3::slotPicture(1)).back();
    const Geometry slot = h.forms.geometry(kDayEditor, form3::slotPicture(1));
    EXPECT_EQ(std::make_tuple(drawn.x, drawn.y, drawn.x2, drawn.y2), std::make_tuple(0.0, 0.0, slot.width, slot.height));
}

}  // namespace
}  // namespace cal::test
