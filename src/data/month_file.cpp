#include "data/month_file.h"

#include "state/context.h"
#include "view/empty_year.h"
#include "data/file_io.h"
#include "ui/names.h"

#include <cstring>

namespace cal {

std::string monthFilePath(const std::string& dataDir, const std::string& year, int month) {
    const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
    return dataPath(dataDir, "Calendar_dat", "Calendar" + year + mm + ".dat");
}

void CALENDAR_LOAD(Context& c, int month) {
    AppState& s = c.state;
    const std::string path = monthFilePath(s.dataDir, s.currentYear, month);
    if (!fileExists(path)) {
        c.forms.messageBox(kMainForm, "お知らせ", "カレンダーデータ(" + path + ")ファイルが見つかりません",
                           mb::kOk, mb::kIconInformation);
        if (c.forms.messageBox(kMainForm, "お知らせ", "空データの作成を行いますか", mb::kYesNo,
                               mb::kIconInformation) == mb::kAnswerYes)
            KARA_DATE_MAKE(c);
        return;
    }
    const ReadResult file = readFile(path, kMonthFileSize);
    s.monthCells = {};
    s.monthCellsYear = s.currentYear;
    if (!file.ok) {
        // The cells of another month must not pass for this one, and the file
        // must not be replaced by an empty month unasked.
        s.unreadableMonthFile = path;
        c.forms.messageBox(kMainForm, "エラー",
                           "カレンダーデータ(" + path + ")ファイルが読み込めません。(" + file.error + ")",
                           mb::kOk, mb::kIconStop);
        return;
    }
    s.unreadableMonthFile.clear();
    std::memcpy(s.monthCells.data(), file.bytes.data(), file.bytes.size());
    if (file.bytes.size() < kMonthFileSize)
        c.forms.messageBox(kMainForm, "お知らせ",
                           "カレンダーデータ(" + path +
                               ")ファイルが途中までしかないため、足りない部分を空のデータとして読み込みました。",
                           mb::kOk, mb::kIconInformation);
}

SaveResult CALENDAR_SAVE(Context& c, int month) {
    AppState& s = c.state;
    const std::string& year = s.monthCellsYear.empty() ? s.currentYear : s.monthCellsYear;
    const std::string path = monthFilePath(s.dataDir, year, month);
    if (path == s.unreadableMonthFile) {
        if (c.forms.messageBox(kMainForm, "警告",
                               "カレンダーデータ(" + path +
                                   ")ファイルは読み込めなかったファイルです。\r\n今の表示内容で上書きしてもよろしいですか",
                               mb::kYesNo, mb::kIconExclamation) != mb::kAnswerYes)
            return SaveResult::Skipped;
    }
    std::string bytes(kMonthFileSize, '\0');
    std::memcpy(bytes.data(), s.monthCells.data(), kMonthFileSize);
    std::string error;
    if (!writeFileReplacing(path, bytes, error)) {
        c.forms.messageBox(kMainForm, "エラー",
                           "カレンダーデータ(" + path + ")ファイルに書き込めません。(" + error + ")",
                           mb::kOk, mb::kIconStop);
        return SaveResult::Failed;
    }
    if (path == s.unreadableMonthFile) s.unreadableMonthFile.clear();
    return SaveResult::Saved;
}

}  // namespace cal
