#include "windows/mainform/ics_import.h"

#include "data/day_lines.h"
#include "data/file_io.h"
#include "data/sjis.h"
#include "layout/month_layout.h"
#include "state/context.h"
#include "tools/numbers.h"
#include "ui/ics_reader.h"
#include "ui/names.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "view/month_undo.h"
#include "view/recovery.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace cal {

namespace {

// A calendar of a hundred thousand events is some 30 MB.
constexpr std::size_t kMaxIcsBytes = 64 * 1024 * 1024;

std::string listed(const std::string& heading, const std::vector<std::string>& lines) {
    if (lines.empty()) return {};
    std::string text = "\r\n\r\n" + heading;
    for (const std::string& line : lines) text += "\r\n" + line;
    return text;
}

}  // namespace

IcsImport importIcsFile(Context& c, const std::string& path) {
    AppState& s = c.state;
    IcsImport result;
    if (c.icsReader == nullptr) {
        result.error = "この版のプログラムは iCalendar のファイルを読めません。";
        return result;
    }
    // Read at its own size: a buffer of the largest size allowed would be
    // cleared in full for every file.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(pathOf(path), ec);
    const ReadResult read = readFile(path, ec ? kMaxIcsBytes + 1 : std::min<std::uintmax_t>(size, kMaxIcsBytes) + 1);
    if (!read.ok || read.bytes.size() > kMaxIcsBytes) {
        result.error = read.ok ? "ファイルが大きすぎます（64 MB まで）。" : read.error;
        return result;
    }
    const IcsMonth month = c.icsReader->monthEvents(read.bytes, leadingInt(s.currentYear), s.currentMonth);
    result.problems = month.problems;
    if (!month.readable) {
        result.error = "iCalendar のファイルとして読めません。" + listed("", month.problems);
        return result;
    }
    std::map<int, int> cellOfDay;
    for (const DayPlace& p : dayPlaces(monthLayout(s.yearSettings, s.currentMonth), s.display.columns, s.display.rows))
        cellOfDay[p.day] = p.cell;
    const auto before = monthBefore(c);
    for (const IcsDayEvent& e : month.events) {
        const std::string when = std::to_string(s.currentMonth) + "月" + std::to_string(e.day) + "日 " + e.text;
        if (const auto bad = unstorableCharacters(e.text); !bad.empty()) {
            result.problems.push_back(when + "（保存できない文字 " + describeCharacters(bad) + "）");
            continue;
        }
        const auto cell = cellOfDay.find(e.day);
        const Placed placed = cell == cellOfDay.end()
                                  ? Placed::NoRoom
                                  : addScheduleLine(s.monthCells[static_cast<std::size_t>(cell->second)], e.text);
        if (placed == Placed::Added) ++result.added;
        if (placed == Placed::NoRoom) result.notFitted.push_back(when);
    }
    monthChanged(c, *before);
    return result;
}

void tellIcsImport(Context& c, const std::string& path, const IcsImport& import) {
    if (!import.error.empty()) {
        c.dialogs.messageBox(kMainForm, "エラー", "予定のファイル(" + path + ")を取り込めません。" + import.error,
                             MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    c.dialogs.messageBox(kMainForm, "お知らせ",
                         std::to_string(c.state.currentMonth) + "月の予定を " + std::to_string(import.added) +
                             " 件取り込みました。" + listed("空いている行がなく入らなかった予定:", import.notFitted) +
                             listed("読めなかったもの:", import.problems),
                         MessageButtons::Ok, MessageIcon::Information);
}

void BUTTON73_ON(Context& c) {
    AppState& s = c.state;
    if (!DAT_UPDATE(c)) return;
    const auto path = c.dialogs.fileOpenDialog(kMainForm, "予定のファイル（iCalendar）を開く", "*.ics",
                                               "iCalendar(*.ics)", s.dataDir);
    if (!path) return;
    const IcsImport import = importIcsFile(c, *path);
    if (import.error.empty() && import.added > 0) {
        repaintCells(c);
        DAT_SET(c);
        s.dayChanged = 0;
        keepRecovery(c);
    }
    tellIcsImport(c, *path, import);
}

}  // namespace cal
