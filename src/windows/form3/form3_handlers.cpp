#include "windows/form3/form3_handlers.h"

#include "windows/closing.h"
#include "windows/form3/form3_controls.h"
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
    BITMAP_OBJ_PIC_BYOUGA_M_PIC(c.forms, c.drawing, kDayEditor, form3::slotPicture(slot), path);
    storeField(c.state.dayPictureFile[static_cast<std::size_t>(slot)], name);
}

void deletePicture(Context& c, int slot) {
    if (c.dialogs.messageBox(kDayEditor, "問い合せ", "画像を削除しますよろしいですか", MessageButtons::YesNo,
                           MessageIcon::Information) != MessageAnswer::Yes)
        return;
    c.state.dayChanged = 1;
    c.drawing.surface(kDayEditor, form3::slotPicture(slot)).clear();
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
    using namespace form3;
    for (int corner = 1; corner <= kCorners; ++corner) table.add(layoutButton(corner), EventKind::On, layout(corner));
    table.add(kDayEditor, EventKind::QueryClose,
              [](Context& c, const Event&) { return closingSequence(c, kDayEditor); });
    for (int line = 1; line <= kLines; ++line) {
        table.add(lineEdit(line), EventKind::SetFocus, touch());
        table.add(lineEdit(line), EventKind::Change, markFit());
        table.add(lineCheck(line), EventKind::On, touch());
    }
    for (int line = 1; line <= kExtraLines; ++line) {
        table.add(extraEdit(line), EventKind::SetFocus, touch());
        table.add(extraEdit(line), EventKind::Change, markFit());
    }
    for (const int slot : kPictureSlots) {
        table.add(slotPicture(slot), EventKind::Click,
                  action([slot](Context& c, const Event&) { choosePictureFor(c, slot); }));
        table.add(slotDelete(slot), EventKind::On,
                  action([slot](Context& c, const Event&) { deletePicture(c, slot); }));
    }
    table.add(kUpdate, EventKind::On, action([](Context& c, const Event&) { DAT_UPDATE(c); }));
    table.add(kAskOnUpdate, EventKind::On, action([](Context& c, const Event&) {
                  c.state.askOnUpdate = c.forms.checkState(kDayEditor, kAskOnUpdate) == 1 ? 1 : 0;
              }));
}

}  // namespace cal
