#include "windows/form3/form3_handlers.h"

#include "windows/closing.h"
#include "state/handler_table.h"
#include "data/file_io.h"
#include "data/sjis.h"
#include "tools/string_tools.h"
#include "ui/window_tools.h"
#include "view/bitmap_toolkit.h"
#include "layout/grid.h"
#include "view/grid_model.h"
#include "ui/names.h"


namespace cal {

namespace {

// The four layout buttons stand in a 2 × 2 block matching their corners; the
// day editor always takes the screen edge.
Handler layout(int corner) {
    return action([corner](Context& c, const Event&) {
        const bool editorFirst = corner == 1 || corner == 3;
        GAME_Z_MOVE(c.forms, kDayEditor, corner, editorFirst ? kDayEditor : kMonthForm,
                    editorFirst ? kMonthForm : kDayEditor, kMainForm, 100);
    });
}

Handler touch() {
    return action([](Context& c, const Event&) { c.state.dayChanged = 1; });
}

// Shows while typing whether a line will be stored and printed as it reads.
Handler markFit() {
    return action([](Context& c, const Event& e) { markLineFit(c, e.control); });
}

// Opens the file-open dialog in the picture library; answers the chosen
// path, nothing when cancelled.
std::optional<std::string> choosePicture(Context& c) {
    return c.dialogs.fileOpenDialog(kDayEditor, "画像ファイルのオープン", "*.BMP", "画像(*.BMP)",
                                    dataPath(c.state.dataDir, "Calendar_pic", ""));
}

void choosePictureFor(Context& c, int slot) {
    c.state.dayChanged = 1;
    const std::optional<std::string> chosen = choosePicture(c);
    if (!chosen) return;
    const std::string& path = *chosen;
    const std::string name = TOOL_YEN_CUT(path);
    // A name the record cannot hold would come back as another name.
    if (const auto bad = unstorableCharacters(name); !bad.empty()) {
        c.dialogs.messageBox(kDayEditor, "お知らせ",
                             "画像ファイル名に保存できない文字があります。\r\n" + describeCharacters(bad) +
                                 "\r\nファイル名を変えてから選んでください。\r\n" + name,
                             MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    // A name longer than the record's field would be cut and never found again.
    if (utf8ToSjis(name).size() > sizeof(PictureName)) {
        c.dialogs.messageBox(kDayEditor, "お知らせ",
                           "画像ファイル名が長すぎます（半角30文字・全角15文字まで）。\r\n" + name, MessageButtons::Ok,
                           MessageIcon::Information);
        return;
    }
    BITMAP_OBJ_PIC_BYOUGA_M_PIC(c.forms, c.drawing, kDayEditor, pictureControlOfSlot(slot), path);
    storeField(c.state.dayPictureFile[static_cast<std::size_t>(slot)], name);
}

void deletePicture(Context& c, int slot) {
    if (c.dialogs.messageBox(kDayEditor, "問い合せ", "画像を削除しますよろしいですか", MessageButtons::YesNo,
                           MessageIcon::Information) != MessageAnswer::Yes)
        return;
    c.state.dayChanged = 1;
    c.drawing.surface(kDayEditor, pictureControlOfSlot(slot)).clear();
    c.state.dayPictureFile[static_cast<std::size_t>(slot)] = {};
}

}  // namespace

void FORM3_START(Context& c) {
    AppState& s = c.state;
    s.selectedCell = c.clock.today().day + monthLayout(s.yearSettings, s.currentMonth).firstColumn;
    DAT_SET(c);
    c.forms.focus(kDayEditor);
    s.dayChanged = 0;
}

void addDayEditorHandlers(HandlerTable& table) {
    table.add("BUTTON62_ON", layout(1));
    table.add("BUTTON63_ON", layout(2));
    table.add("BUTTON64_ON", layout(3));
    table.add("BUTTON65_ON", layout(4));
    table.add("FORM3_QUERYCLOSE",
              [](Context& c, const Event&) { return closingSequence(c, kDayEditor); });
    for (int i = 21; i <= 28; ++i) table.add("EDIT" + std::to_string(i) + "_SETFOCUS", touch());
    for (int i = 148; i <= 153; ++i) table.add("EDIT" + std::to_string(i) + "_SETFOCUS", touch());
    for (int i = 21; i <= 28; ++i) table.add("EDIT" + std::to_string(i) + "_CHANGE", markFit());
    for (int i = 148; i <= 153; ++i) table.add("EDIT" + std::to_string(i) + "_CHANGE", markFit());
    for (int i = 1; i <= 8; ++i) table.add("CHECK" + std::to_string(i) + "_ON", touch());
    // PICTURE61 … PICTURE67 and BUTTON55 … BUTTON61 serve slots 1, 3 … 8.
    for (int i = 0; i < 7; ++i) {
        const int slot = i == 0 ? 1 : i + 2;
        table.add("PICTURE" + std::to_string(61 + i) + "_CLICK",
                  action([slot](Context& c, const Event&) { choosePictureFor(c, slot); }));
        table.add("BUTTON" + std::to_string(55 + i) + "_ON",
                  action([slot](Context& c, const Event&) { deletePicture(c, slot); }));
    }
    table.add("BUTTON9_ON", action([](Context& c, const Event&) { DAT_UPDATE(c); }));
    table.add("CHECK9_ON", action([](Context& c, const Event&) {
                  c.state.askOnUpdate = c.forms.checkState(kDayEditor, "CHECK9") == 1 ? 1 : 0;
              }));
}

}  // namespace cal
