#include "view/grid_model.h"

#include "state/context.h"
#include "data/sjis.h"
#include "view/bitmap_toolkit.h"
#include "layout/grid.h"
#include "view/month_drawing.h"
#include "view/recovery.h"
#include "ui/names.h"

#include <array>
#include <string>

namespace cal {

namespace {

constexpr std::array<const char*, 8> kLineEdits{"EDIT21", "EDIT22", "EDIT23", "EDIT24",
                                                "EDIT25", "EDIT26", "EDIT27", "EDIT28"};
constexpr std::array<const char*, 6> kExtraEdits{"EDIT148", "EDIT149", "EDIT150",
                                                 "EDIT151", "EDIT152", "EDIT153"};
constexpr std::array<const char*, 8> kLineChecks{"CHECK1", "CHECK2", "CHECK3", "CHECK4",
                                                 "CHECK5", "CHECK6", "CHECK7", "CHECK8"};
constexpr std::array<int, 7> kPictureSlots{1, 3, 4, 5, 6, 7, 8};

bool holdsDay(const Context& c, int cell) {
    return cell >= 1 && cell < kMonthRecords &&
           monthLayout(c.state.yearSettings, c.state.currentMonth).dayOfCell(cell) != 0;
}

// Empties the day editor when it shows no day.
void clearEditor(Context& c) {
    c.forms.setText(kDayEditor, "TEXT55", "");
    for (const char* edit : kLineEdits) c.forms.setText(kDayEditor, edit, "");
    for (const char* edit : kExtraEdits) c.forms.setText(kDayEditor, edit, "");
    for (const char* check : kLineChecks) c.forms.setCheckState(kDayEditor, check, 0);
    for (int slot : kPictureSlots) {
        c.state.dayPictureFile[static_cast<std::size_t>(slot)] = {};
        c.drawing.surface(kDayEditor, pictureControlOfSlot(slot)).clear();
    }
    c.state.dayPictureFile[2] = {};
}

}  // namespace

const char* pictureControlOfSlot(int slot) {
    static constexpr std::array<const char*, 9> kControls{nullptr,     "PICTURE61", nullptr,
                                                          "PICTURE62", "PICTURE63", "PICTURE64",
                                                          "PICTURE65", "PICTURE66", "PICTURE67"};
    return slot >= 0 && slot <= 8 ? kControls[static_cast<std::size_t>(slot)] : nullptr;
}

void DAT_SET(Context& c, SelectBy by) {
    AppState& s = c.state;
    const MonthLayout layout = monthLayout(s.yearSettings, s.currentMonth);
    const int cell = s.selectedCell;
    if (cell <= layout.firstColumn || cell > layout.firstColumn + layout.days || cell >= kMonthRecords) {
        if (by == SelectBy::Program) {
            // Without a day to show (no day counts in the year settings), the
            // editor is emptied rather than stepping months on its own.
            s.monthStepRequest = MonthStep::None;
            s.editorCell = 0;
            clearEditor(c);
            return;
        }
        s.monthStepRequest = cell <= layout.firstColumn ? MonthStep::Previous : MonthStep::Next;
        // The editor still shows the day it was loaded from: stores go there
        // if the step does not happen.
        s.selectedCell = s.editorCell;
        return;
    }
    s.monthStepRequest = MonthStep::None;
    s.editorCell = cell;
    const DayCell& rec = s.monthCells[static_cast<std::size_t>(cell)];
    c.forms.setText(kDayEditor, "TEXT55", std::to_string(layout.dayOfCell(cell)));
    for (std::size_t i = 0; i < kLineEdits.size(); ++i)
        c.forms.setText(kDayEditor, kLineEdits[i], fieldText(rec.lineText[i + 1]));
    for (std::size_t i = 0; i < kExtraEdits.size(); ++i)
        c.forms.setText(kDayEditor, kExtraEdits[i], fieldText(rec.extraText[i + 1]));
    for (std::size_t i = 0; i < kLineChecks.size(); ++i)
        c.forms.setCheckState(kDayEditor, kLineChecks[i], rec.lineCheck[i + 1].get());
    for (int slot : kPictureSlots) {
        const auto s_ = static_cast<std::size_t>(slot);
        s.dayPictureFile[s_] = rec.pictureFile[s_];
        const std::string name = fieldName(rec.pictureFile[s_]);
        const char* control = pictureControlOfSlot(slot);
        const std::string path = picturePath(s.dataDir, name);
        // A picture that cannot be drawn leaves an empty control, never the
        // previous day's picture.
        if (!name.empty() && GAZO_TYOUSA(c.forms, c.drawing, kDayEditor, path).drawable)
            BITMAP_OBJ_PIC_BYOUGA_M_PIC(c.forms, c.drawing, kDayEditor, control, path);
        else
            c.drawing.surface(kDayEditor, control).clear();
    }
}

namespace {

void store(Context& c, bool ask) {
    AppState& s = c.state;
    if (s.dayChanged == 0) return;
    s.dayChanged = 0;
    const bool yes = !ask || s.askOnUpdate != 1 ||
                     c.dialogs.messageBox(kDayEditor, "問い合せ", "データを更新しますか.", MessageButtons::YesNo,
                                        MessageIcon::Information) == MessageAnswer::Yes;
    // Only a cell that holds a day of the displayed month takes the editor's day.
    if (!yes || !holdsDay(c, s.selectedCell) || s.selectedCell != s.editorCell) return;
    DayCell& rec = s.monthCells[static_cast<std::size_t>(s.selectedCell)];
    for (std::size_t i = 0; i < kLineEdits.size(); ++i)
        storeField(rec.lineText[i + 1], c.forms.text(kDayEditor, kLineEdits[i]));
    s.dayPictureFile[2] = {};
    for (std::size_t slot = 1; slot <= 8; ++slot) rec.pictureFile[slot] = s.dayPictureFile[slot];
    for (std::size_t i = 0; i < kExtraEdits.size(); ++i)
        storeField(rec.extraText[i + 1], c.forms.text(kDayEditor, kExtraEdits[i]));
    for (std::size_t i = 0; i < kLineChecks.size(); ++i)
        rec.lineCheck[i + 1].set(c.forms.checkState(kDayEditor, kLineChecks[i]) == 1 ? 1 : 0);
    repaintCells(c);
    keepRecovery(c);
}

}  // namespace

void DAT_UPDATE(Context& c) { store(c, true); }

void storeShownDay(Context& c) { store(c, false); }

}  // namespace cal
