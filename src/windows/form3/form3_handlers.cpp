#include "windows/form3/form3_handlers.h"

#include "windows/closing.h"
#include "windows/form3/form3_controls.h"
#include "state/handler_table.h"
#include "data/file_io.h"
#include "data/sjis.h"
#include "tools/string_tools.h"
#include "ui/window_tools.h"
#include "view/bitmap_toolkit.h"
#include "view/picture_choice.h"
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

void choosePictureFor(Context& c, int slot) {
    c.state.dayChanged = 1;
    const auto s = static_cast<std::size_t>(slot);
    const PictureChoice choice = chooseLibraryPicture(c, kDayEditor, fieldName(c.state.dayPictureFile[s]));
    if (choice.name) putDayPicture(c, slot, *choice.name);
}

// Dropped files come into the library; the first goes into the slot.
void dropPicturesOn(Context& c, int slot, const Event& e) {
    const std::vector<std::string> names = libraryNamesOf(c, kDayEditor, e.files);
    if (names.empty()) return;
    c.state.dayChanged = 1;
    putDayPicture(c, slot, names.front());
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

void putDayPicture(Context& c, int slot, const std::string& name) {
    BITMAP_OBJ_PIC_BYOUGA_M_PIC(c.forms, c.drawing, kDayEditor, form3::slotPicture(slot),
                                picturePath(c.state.dataDir, name), c.state.stretchPictures);
    storeField(c.state.dayPictureFile[static_cast<std::size_t>(slot)], name);
}

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
        table.add(slotPicture(slot), EventKind::Drop,
                  action([slot](Context& c, const Event& e) { dropPicturesOn(c, slot, e); }));
        table.add(slotDelete(slot), EventKind::On,
                  action([slot](Context& c, const Event&) { deletePicture(c, slot); }));
    }
    table.add(kUpdate, EventKind::On, action([](Context& c, const Event&) { DAT_UPDATE(c); }));
    table.add(kAskOnUpdate, EventKind::On, action([](Context& c, const Event&) {
                  c.state.askOnUpdate = c.forms.checkState(kDayEditor, kAskOnUpdate) == 1 ? 1 : 0;
              }));
}

}  // namespace cal
