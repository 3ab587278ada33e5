#include "windows/mainform/ics_export_button.h"

#include "data/data_folder.h"
#include "print/ics_export.h"
#include "state/context.h"
#include "ui/names.h"
#include "view/grid_model.h"

#include <string>

namespace cal {

void BUTTON76_ON(Context& c) {
    const AppState& s = c.state;
    if (!DAT_UPDATE(c)) return;
    const std::string suggested =
        childPath(s.dataDir, "予定" + s.currentYear + "年" + std::to_string(s.currentMonth) + "月.ics");
    const std::optional<std::string> path =
        c.dialogs.fileSaveDialog(kMainForm, "予定の書き出し（iCalendar）", "*.ics", "iCalendar(*.ics)", suggested);
    if (!path) return;
    const IcsExport written = exportIcs(c, *path, std::nullopt);
    if (!written.error.empty()) {
        c.dialogs.messageBox(kMainForm, "エラー", written.error, MessageButtons::Ok, MessageIcon::Stop);
        return;
    }
    c.dialogs.messageBox(kMainForm, "お知らせ",
                         std::to_string(written.events) + "件の予定を書き出しました。\r\n" + *path,
                         MessageButtons::Ok, MessageIcon::Information);
}

}  // namespace cal
