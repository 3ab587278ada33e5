#include "view/month_files.h"

#include "data/month_file.h"
#include "data/year_file.h"
#include "layout/grid.h"
#include "state/context.h"
#include "ui/names.h"
#include "view/empty_year.h"
#include "view/file_guard.h"
#include "view/month_undo.h"
#include "view/recovery.h"

namespace cal {

namespace {

// Tells what a record file read as short, empty or longer than its record
// holds; `named` names the file ("カレンダーデータ(…)ファイル").
void tellRecordLength(Context& c, std::string_view owner, const std::string& path, const std::string& named,
                      RecordRead read) {
    if (read == RecordRead::Short)
        c.dialogs.messageBox(owner, "お知らせ",
                             named + "が途中までしかないため、足りない部分を空のデータとして読み込みました。",
                             MessageButtons::Ok, MessageIcon::Information);
    if (read == RecordRead::Empty)
        c.dialogs.messageBox(owner, "エラー", named + "が空です（0バイト）。", MessageButtons::Ok, MessageIcon::Stop);
    if (read == RecordRead::Long) {
        rememberOverlong(c.state, path);
        c.dialogs.messageBox(owner, "警告", named + "が本来の大きさより長いため、余分な部分を除いて読み込みました。",
                             MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

}  // namespace

void CALENDAR_LOAD(Context& c, int month) {
    AppState& s = c.state;
    const std::string path = monthFilePath(s.dataDir, s.currentYear, month);
    std::string error;
    const RecordRead read = readMonthFile(path, s.monthCells, error);
    monthOnDisk(c);
    if (read == RecordRead::Missing) {
        c.dialogs.messageBox(kMainForm, "お知らせ", "カレンダーデータ(" + path + ")ファイルが見つかりません",
                             MessageButtons::Ok, MessageIcon::Information);
        if (c.dialogs.messageBox(kMainForm, "お知らせ", "空データの作成を行いますか", MessageButtons::YesNo,
                                 MessageIcon::Information) == MessageAnswer::Yes)
            KARA_DATE_MAKE(c);
        return;
    }
    s.monthCellsYear = s.currentYear;
    if (read == RecordRead::Unreadable) {
        // The cells of another month must not pass for this one, and the file
        // must not be replaced by an empty month unasked.
        s.unreadableMonthFile = path;
        c.dialogs.messageBox(kMainForm, "エラー",
                             "カレンダーデータ(" + path + ")ファイルが読み込めません。(" + error + ")",
                             MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    s.unreadableMonthFile.clear();
    rememberFile(s, path);
    tellRecordLength(c, kMainForm, path, "カレンダーデータ(" + path + ")ファイル", read);
    offerRecovery(c);
}

SaveResult CALENDAR_SAVE(Context& c, int month) {
    AppState& s = c.state;
    const std::string& year = s.monthCellsYear.empty() ? s.currentYear : s.monthCellsYear;
    const std::string path = monthFilePath(s.dataDir, year, month);
    if (path == s.unreadableMonthFile) {
        if (c.dialogs.messageBox(kMainForm, "警告",
                                 "カレンダーデータ(" + path +
                                     ")ファイルは読み込めなかったファイルです。\r\n今の表示内容で上書きしてもよろしいですか",
                                 MessageButtons::YesNo, MessageIcon::Exclamation) != MessageAnswer::Yes)
            return SaveResult::Skipped;
    }
    // Declining to write over someone else's changes keeps the edits, as a
    // failed write does.
    if (!mayOverwrite(c, path, kMainForm)) return SaveResult::Failed;
    std::string error;
    if (!writeMonthFile(path, s.monthCells, error, *s.fileWriter)) {
        c.dialogs.messageBox(kMainForm, "エラー",
                             "カレンダーデータ(" + path + ")ファイルに書き込めません。(" + error + ")",
                             MessageButtons::Ok, MessageIcon::Stop);
        return SaveResult::Failed;
    }
    if (path == s.unreadableMonthFile) s.unreadableMonthFile.clear();
    rememberFile(s, path);
    monthOnDisk(c);
    if (month == s.currentMonth) dropRecovery(c);
    return SaveResult::Saved;
}

void CALENDAR_UT_YOMU(Context& c, const std::string& path) {
    if (!readYearSettings(c, path, c.state.yearSettings, kMainForm)) return;
    // The display says once what it cannot draw as stored.
    if (const std::string problems = monthLayoutProblems(c.state.yearSettings); !problems.empty())
        c.dialogs.messageBox(kMainForm, "警告",
                             "カレンダー設定ファイル(" + path + ")に使えない値があります。\r\n" + problems,
                             MessageButtons::Ok, MessageIcon::Exclamation);
}

bool readYearSettings(Context& c, const std::string& path, YearSettings& into, std::string_view owner) {
    std::string error;
    const RecordRead read = readYearSettings(path, into, error);
    const bool readable = recordWasRead(read);
    if (readable) rememberFile(c.state, path);
    if (read == RecordRead::Unreadable)
        c.dialogs.messageBox(owner, "エラー",
                             "カレンダー設定ファイル(" + path + ")が読み込めません。(" + error + ")",
                             MessageButtons::Ok, MessageIcon::Stop);
    tellRecordLength(c, owner, path, "カレンダー設定ファイル(" + path + ")", read);
    return readable;
}

}  // namespace cal
