#include "view/grid_model.h"

#include "state/context.h"
#include "data/sjis.h"
#include "layout/line_fit.h"
#include "view/bitmap_toolkit.h"
#include "layout/grid.h"
#include "view/month_drawing.h"
#include "view/month_undo.h"
#include "view/recovery.h"
#include "ui/names.h"
#include "windows/form3/form3_controls.h"

#include <span>
#include <string>
#include <vector>

namespace cal {

namespace {

using namespace form3;

bool holdsDay(const Context& c, int cell) {
    return cell >= 1 && cell < kMonthRecords &&
           monthLayout(c.state.yearSettings, c.state.currentMonth).dayOfCell(cell) != 0;
}

// Empties the day editor when it shows no day.
void clearEditor(Context& c) {
    c.forms.setText(kDayEditor, kDayNumber, "");
    for (int line = 1; line <= kLines; ++line) c.forms.setText(kDayEditor, lineEdit(line), "");
    for (int line = 1; line <= kExtraLines; ++line) c.forms.setText(kDayEditor, extraEdit(line), "");
    for (int line = 1; line <= kLines; ++line) c.forms.setCheckState(kDayEditor, lineCheck(line), 0);
    for (int slot : kPictureSlots) {
        c.state.dayPictureFile[static_cast<std::size_t>(slot)] = {};
        c.drawing.surface(kDayEditor, slotPicture(slot)).clear();
    }
    c.state.dayPictureFile[2] = {};
}

}  // namespace

void markLineFit(Context& c, std::string_view control) {
    const std::string text = c.forms.text(kDayEditor, control);
    std::string warning = fieldFitWarning(text, sizeof(LineField));
    int line = kLines;
    while (line > 0 && lineEdit(line) != control) --line;
    const DisplaySettings& d = c.state.display;
    if (warning.empty() && line > 0 && !lineFits(paperDayBox(d.paperBoxWidth, d.paperBoxHeight), line, text))
        warning = "印刷すると枠に入りきりません";
    c.forms.setTextWarning(kDayEditor, control, warning);
}

void DAT_SET(Context& c, SelectBy by) {
    AppState& s = c.state;
    const MonthLayout layout = monthLayout(s.yearSettings, s.currentMonth);
    const int cell = s.selectedCell;
    const int shownBefore = s.editorCell;
    if (cell <= layout.firstColumn || cell > layout.firstColumn + layout.days || cell >= kMonthRecords) {
        if (by == SelectBy::Program) {
            // Without a day to show (no day counts in the year settings), the
            // editor is emptied rather than stepping months on its own.
            s.monthStepRequest = MonthStep::None;
            s.editorCell = 0;
            clearEditor(c);
            if (shownBefore != 0) markShownDay(c, shownBefore);
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
    if (shownBefore != cell) markShownDay(c, shownBefore);
    const DayCell& rec = s.monthCells[static_cast<std::size_t>(cell)];
    c.forms.setText(kDayEditor, kDayNumber, std::to_string(layout.dayOfCell(cell)));
    for (int line = 1; line <= kLines; ++line)
        c.forms.setText(kDayEditor, lineEdit(line), fieldText(rec.lineText[static_cast<std::size_t>(line)]));
    for (int line = 1; line <= kExtraLines; ++line)
        c.forms.setText(kDayEditor, extraEdit(line), fieldText(rec.extraText[static_cast<std::size_t>(line)]));
    // A loaded line is stored back as it was read.
    for (int line = 1; line <= kLines; ++line) markLineFit(c, lineEdit(line));
    for (int line = 1; line <= kExtraLines; ++line) markLineFit(c, extraEdit(line));
    for (int line = 1; line <= kLines; ++line)
        c.forms.setCheckState(kDayEditor, lineCheck(line), rec.lineCheck[static_cast<std::size_t>(line)].get());
    for (int slot : kPictureSlots) {
        const auto s_ = static_cast<std::size_t>(slot);
        s.dayPictureFile[s_] = rec.pictureFile[s_];
        const std::string name = fieldName(rec.pictureFile[s_]);
        const std::string control = slotPicture(slot);
        const std::string path = picturePath(s.dataDir, name);
        // A picture that cannot be drawn is marked with its name, never
        // left showing the previous day's picture.
        if (name.empty())
            c.drawing.surface(kDayEditor, control).clear();
        else if (GAZO_TYOUSA(c.forms, c.drawing, kDayEditor, path).drawable)
            BITMAP_OBJ_PIC_BYOUGA_M_PIC(c.forms, c.drawing, kDayEditor, control, path, s.stretchPictures);
        else
            markMissingPicture(c.forms, c.drawing, kDayEditor, control, name);
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
    for (int line = 1; line <= kLines; ++line)
        if (const std::string t = c.forms.text(kDayEditor, lineEdit(line));
            t != fieldText(rec.lineText[static_cast<std::size_t>(line)]))
            changed += t;
    for (int line = 1; line <= kExtraLines; ++line)
        if (const std::string t = c.forms.text(kDayEditor, extraEdit(line));
            t != fieldText(rec.extraText[static_cast<std::size_t>(line)]))
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
    const auto before = monthBefore(c);
    DayCell& rec = s.monthCells[static_cast<std::size_t>(s.selectedCell)];
    for (int line = 1; line <= kLines; ++line)
        storeText(rec.lineText[static_cast<std::size_t>(line)], c.forms.text(kDayEditor, lineEdit(line)));
    s.dayPictureFile[2] = {};
    for (std::size_t slot = 1; slot <= 8; ++slot) rec.pictureFile[slot] = s.dayPictureFile[slot];
    for (int line = 1; line <= kExtraLines; ++line)
        storeText(rec.extraText[static_cast<std::size_t>(line)], c.forms.text(kDayEditor, extraEdit(line)));
    // A stored mark other than 1 stays as it was while its box is left ticked.
    for (int line = 1; line <= kLines; ++line) {
        auto& mark = rec.lineCheck[static_cast<std::size_t>(line)];
        const bool ticked = c.forms.checkState(kDayEditor, lineCheck(line)) != 0;
        if (ticked != (mark.get() != 0)) mark.set(ticked ? 1 : 0);
    }
    monthChanged(c, *before);
    repaintCells(c);
    keepRecovery(c);
    return true;
}

}  // namespace

bool DAT_UPDATE(Context& c) { return store(c, true); }

bool storeShownDay(Context& c) { return store(c, false); }

}  // namespace cal
