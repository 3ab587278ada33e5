#include "view/empty_year.h"

#include "state/context.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "tools/numbers.h"
#include "ui/names.h"

#include <memory>

namespace cal {

namespace {

void createEmptyMonths(Context& c, int schoolYear) {
    const std::string empty(kMonthFileSize, '\0');
    const std::unique_ptr<Progress> progress = c.dialogs.progress(kMainForm, "空カレンダーデータを作成しています", 12);
    for (int i = 0; i < 12; ++i) {
        progress->step(i);
        const int month = (i + 3) % 12 + 1;  // April … March
        const std::string year = std::to_string(month >= 4 ? schoolYear : schoolYear + 1);
        const std::string path = monthFilePath(c.state.dataDir, year, month);
        if (fileExists(path)) {
            c.dialogs.messageBox(kMainForm, "お知らせ",
                               year + "年" + std::to_string(month) + "月の空カレンダーデータは作成済です。",
                               MessageButtons::Ok, MessageIcon::Information);
            continue;
        }
        std::string error;
        if (!writeFileReplacing(path, empty, error, *c.state.fileWriter))
            c.dialogs.messageBox(kMainForm, "エラー",
                               "カレンダーデータ(" + path + ")ファイルを作成できません。(" + error + ")",
                               MessageButtons::Ok, MessageIcon::Stop);
    }
}

}  // namespace

void KARA_DATE_MAKE(Context& c) {
    for (;;) {
        const std::optional<std::string> answer =
            c.dialogs.inputBox("新規作成", "年度を入力：2002/4 ～2003/3の時は2002と入力");
        if (!answer) {
            if (c.dialogs.messageBox(kMainForm, "お知らせ", "空データ作成はキャンセルされました.再実行しますか",
                                   MessageButtons::YesNo, MessageIcon::Information) == MessageAnswer::Yes)
                continue;
            return;
        }
        const int year = leadingInt(trimBlanks(*answer));
        if (year == 0 || year < 1999 || year > 2099) {
            c.dialogs.messageBox(kMainForm, "お知らせ", "適切な年度が入力されていません。", MessageButtons::Ok,
                               MessageIcon::Information);
            continue;
        }
        createEmptyMonths(c, year);
        return;
    }
}

}  // namespace cal
