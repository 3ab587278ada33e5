#include "windows/form_descriptions.h"

namespace cal::forms {

FormDescription settingsForm() {
    return {"FORM6",
            "表示・印刷関連設定",
            1128,
            650,
            {
                {ControlKind::Text, "TEXT155", "１日の枠幅㎜", 25, 47, 350, 44},
                {ControlKind::HEdit, "HEDIT155", "", 400, 28, 113, 75},
                {ControlKind::Text, "TEXT156", "１日の枠高さ㎜", 25, 122, 350, 44},
                {ControlKind::HEdit, "HEDIT156", "", 400, 103, 113, 75},
                {ControlKind::Text, "TEXT161", "←画面余白㎜", 25, 197, 350, 44},
                {ControlKind::HEdit, "HEDIT161", "", 400, 178, 113, 75},
                {ControlKind::Text, "TEXT162", "画面タイトル高㎜", 38, 262, 350, 44},
                {ControlKind::HEdit, "HEDIT162", "", 400, 253, 113, 75},
                {ControlKind::Text, "TEXT159", "行 間㎜", 38, 347, 350, 44},
                {ControlKind::HEdit, "HEDIT159", "", 400, 328, 113, 75},
                {ControlKind::Text, "TEXT157", "印刷↑上余白㎜", 550, 131, 350, 44},
                {ControlKind::HEdit, "HEDIT157", "", 900, 131, 113, 75},
                {ControlKind::Text, "TEXT158", "印刷←左余白㎜", 550, 197, 350, 44},
                {ControlKind::HEdit, "HEDIT158", "", 900, 197, 113, 75},
                {ControlKind::Text, "TEXT160", "印刷ﾌｫﾝﾄｻｲｽﾞ", 550, 272, 350, 44},
                {ControlKind::HEdit, "HEDIT160", "", 900, 262, 113, 75},
                {ControlKind::Button, "F6UPDATE", "設定更新（要再実行）", 538, 356, 475, 94},
                // The common calendar's folder, stored at once for the user.
                {ControlKind::Text, "TEXT163", "共通カレンダーのフォルダ", 25, 480, 370, 44},
                {ControlKind::Edit, "EDIT163", "", 400, 465, 540, 75, {}, 0, true, "共通カレンダーのフォルダ"},
                {ControlKind::Button, "F6KICK", "参照…", 950, 465, 150, 75, {}, 0, false,
                 "共通カレンダーのフォルダを参照"},
                // The paper the print dialog opens with, stored for the user.
                {ControlKind::Text, "TEXT164", "用紙", 550, 47, 350, 44},
                {ControlKind::Combo, "COMBO164", "", 900, 28, 200, 75, {}, 0, false, "用紙"},
                // Kept for the user at once, like the folder above.
                {ControlKind::Check, "CHECK165", "絵を枠いっぱいに引き伸ばす", 25, 560, 900, 60},
            },
            true};
}

}  // namespace cal::forms
