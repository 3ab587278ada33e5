#include "windows/mainform/common_copy.h"

#include "state/context.h"
#include "windows/mainform/data_dir.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "view/month_files.h"
#include "tools/numbers.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "ui/names.h"
#include "view/recovery.h"

namespace cal {

void BUTTON8_ON(Context& c) {
    AppState& s = c.state;
    const std::string target = monthFilePath(s.dataDir, s.currentYear, s.currentMonth);
    std::string commonDir;
    SPROUTWORKS_REG_GET(c, commonDir);
    const std::string source = monthFilePath(commonDir, s.currentYear, s.currentMonth);
    if (!fileExists(source)) {
        c.dialogs.messageBox(kMainForm, "警告", "コピー元のカレンダーが存在しないのでコピー実行できません",
                           MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    if (c.dialogs.messageBox(kMainForm, "問い合せ", "カレンダーのコピー作業を実行しますか", MessageButtons::YesNo,
                           MessageIcon::Information) != MessageAnswer::Yes)
        return;
    if (trimBlanks(s.dataDir) == trimBlanks(commonDir)) {
        c.dialogs.messageBox(kMainForm, "警告", "コピー元とコピー先が同じなのでコピーできません", MessageButtons::Ok,
                           MessageIcon::Information);
        return;
    }
    if (c.dialogs.messageBox(kMainForm, "警告",
                           "既に" + std::to_string(s.currentMonth) +
                               "月のクラス用カレンダーが存在します.\r\n共通カレンダーからコピー（上書き）してもよろしいですか",
                           MessageButtons::YesNo, MessageIcon::Information) != MessageAnswer::Yes)
        return;
    std::string error;
    if (!copyFileReplacing(source, target, error)) {
        c.dialogs.messageBox(kMainForm, "エラー",
                           "カレンダーデータ(" + target + ")ファイルにコピーできません。(" + error + ")",
                           MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    // Show the copy, so that the next save does not write the old cells over it.
    CALENDAR_LOAD(c, s.currentMonth);
    repaintCells(c);
    s.dayChanged = 0;
    keepRecovery(c);
    DAT_SET(c);
}

}  // namespace cal
