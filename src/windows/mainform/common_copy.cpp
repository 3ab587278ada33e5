#include "windows/mainform/common_copy.h"

#include "state/context.h"
#include "windows/mainform/data_dir.h"
#include "data/data_folder.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "view/month_files.h"
#include "tools/numbers.h"
#include "view/grid_model.h"
#include "view/month_drawing.h"
#include "ui/names.h"
#include "view/month_undo.h"
#include "view/recovery.h"

namespace cal {

namespace {

void tellSourceMissing(Context& c) {
    c.dialogs.messageBox(kMainForm, "警告", "コピー元のカレンダーが存在しないのでコピー実行できません",
                         MessageButtons::Ok, MessageIcon::Information);
}

bool offerCommonDir(Context& c, std::string& commonDir) {
    return c.dialogs.messageBox(kMainForm, "問い合せ",
                                "共通カレンダーのフォルダが設定されていないか、見つかりません.\r\n"
                                "共通カレンダーのフォルダを今選びますか",
                                MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes &&
           chooseCommonDir(c, kMainForm, commonDir);
}

}  // namespace

void BUTTON8_ON(Context& c) {
    AppState& s = c.state;
    const std::string target = monthFilePath(s.dataDir, s.currentYear, s.currentMonth);
    std::string commonDir;
    // No folder ever set: the offer to choose one comes first and alone.
    if (!c.registry.value(kRegistryKey, kRegistryValue)) {
        if (!offerCommonDir(c, commonDir)) return;
    } else {
        SPROUTWORKS_REG_GET(c, commonDir);
    }
    std::string source = monthFilePath(commonDir, s.currentYear, s.currentMonth);
    if (!fileExists(source)) {
        tellSourceMissing(c);
        // No folder set, or it is gone: offer to choose it and go on with it.
        if (folderExists(commonDir) || !offerCommonDir(c, commonDir)) return;
        source = monthFilePath(commonDir, s.currentYear, s.currentMonth);
        if (!fileExists(source)) return tellSourceMissing(c);
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
    if (!copyFileReplacing(source, target, error, *s.fileWriter)) {
        c.dialogs.messageBox(kMainForm, "エラー",
                           "カレンダーデータ(" + target + ")ファイルにコピーできません。(" + error + ")",
                           MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    // Show the copy, so that the next save does not write the old cells over
    // it; undoing brings the class's month back as unsaved edits.
    const auto before = monthBefore(c);
    CALENDAR_LOAD(c, s.currentMonth);
    monthChanged(c, *before);
    repaintCells(c);
    s.dayChanged = 0;
    keepRecovery(c);
    DAT_SET(c);
}

}  // namespace cal
