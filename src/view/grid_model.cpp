#include "view/grid_model.h"

#include "state/context.h"
#include "data/sjis.h"
#include "layout/line_fit.h"
#include "view/bitmap_toolkit.h"
#include "layout/grid.h"
#include "view/month_drawing.h"
#include "view/recovery.h"
#include "ui/names.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

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

void markLineFit(Context& c, std::string_view control) {
    const std::string text = c.forms.text(kDayEditor, control);
    std::string warning = fieldFitWarning(text, sizeof(LineField));
    const auto line = std::find_if(kLineEdits.begin(), kLineEdits.end(),
                                   [control](const char* edit) { return control == edit; });
    const DisplaySettings& d = c.state.display;
    if (warning.empty() && line != kLineEdits.end() &&
        !lineFits(paperDayBox(d.paperBoxWidth, d.paperBoxHeight), static_cast<int>(line - kLineEdits.begin()) + 1,
                  text))
        warning = "印刷すると枠に入りきりません";
    c.forms.setTextWarning(kDayEditor, control, warning);
}

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
    // A loaded line is stored back as it was read.
    for (const char* edit : kLineEdits) markLineFit(c, edit);
    for (const char* edit : kExtraEdits) markLineFit(c, edit);
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

// A text the user left as it was loaded keeps its bytes: only a changed text
// is encoded again.
void storeText(std::span<char> field, const std::string& text) {
    if (text != fieldText(field)) storeField(field, text);
}

// The characters Shift-JIS cannot hold in the lines the user changed from
// `rec`; a line kept as loaded keeps its bytes whatever they are.
std::vector<std::string> unstorableInEditor(const Context& c, const DayCell& rec) {
    std::string changed;
    for (std::size_t i = 0; i < kLineEdits.size(); ++i)
        if (const std::string t = c.forms.text(kDayEditor, kLineEdits[i]); t != fieldText(rec.lineText[i + 1]))
            changed += t;
    for (std::size_t i = 0; i < kExtraEdits.size(); ++i)
        if (const std::string t = c.forms.text(kDayEditor, kExtraEdits[i]); t != fieldText(rec.extraText[i + 1]))
            changed += t;
    return unstorableCharacters(changed);
}

bool store(Context& c, bool ask) {
    AppState& s = c.state;
    if (s.dayChanged == 0) return true;
    // Nothing is stored while a line holds a character the file cannot keep;
    // the day stays touched and the editor keeps what was typed.
    const bool target = holdsDay(c, s.selectedCell) && s.selectedCell == s.editorCell;
    const DayCell& shown = s.monthCells[static_cast<std::size_t>(target ? s.selectedCell : 0)];
    if (const auto bad = unstorableInEditor(c, shown); target && !bad.empty()) {
        c.dialogs.messageBox(kDayEditor, "警告",
                             "次の文字はカレンダーデータに保存できません。\r\n" + describeCharacters(bad) +
                                 "\r\n別の文字に直してから更新してください。",
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    s.dayChanged = 0;
    const bool yes = !ask || s.askOnUpdate != 1 ||
                     c.dialogs.messageBox(kDayEditor, "問い合せ", "データを更新しますか.", MessageButtons::YesNo,
                                        MessageIcon::Information) == MessageAnswer::Yes;
    // Only a cell that holds a day of the displayed month takes the editor's day.
    if (!yes || !target) return true;
    DayCell& rec = s.monthCells[static_cast<std::size_t>(s.selectedCell)];
    for (std::size_t i = 0; i < kLineEdits.size(); ++i)
        storeText(rec.lineText[i + 1], c.forms.text(kDayEditor, kLineEdits[i]));
    s.dayPictureFile[2] = {};
    for (std::size_t slot = 1; slot <= 8; ++slot) rec.pictureFile[slot] = s.dayPictureFile[slot];
    for (std::size_t i = 0; i < kExtraEdits.size(); ++i)
        storeText(rec.extraText[i + 1], c.forms.text(kDayEditor, kExtraEdits[i]));
    // A stored mark other than 1 stays as it was while its box is left ticked.
    for (std::size_t i = 0; i < kLineChecks.size(); ++i) {
        const bool ticked = c.forms.checkState(kDayEditor, kLineChecks[i]) != 0;
        if (ticked != (rec.lineCheck[i + 1].get() != 0)) rec.lineCheck[i + 1].set(ticked ? 1 : 0);
    }
    repaintCells(c);
    keepRecovery(c);
    return true;
}

}  // namespace

bool DAT_UPDATE(Context& c) { return store(c, true); }

bool storeShownDay(Context& c) { return store(c, false); }

}  // namespace cal
