#include "windows/form6/common_folder_row.h"

#include "state/handler_table.h"
#include "windows/form6/form6_controls.h"
#include "windows/mainform/data_dir.h"
#include "ui/names.h"

namespace cal {

void showCommonDir(Context& c) {
    const std::string folder = registeredCommonDir(c);
    c.forms.setText(kSettingsDialog, form6::kCommonFolder, folder.empty() ? "未設定" : folder);
}

void addCommonFolderHandlers(HandlerTable& table) {
    table.add(form6::kBrowse, EventKind::On, action([](Context& c, const Event&) {
                  std::string folder;
                  if (chooseCommonDir(c, kSettingsDialog, folder)) showCommonDir(c);
              }));
}

}  // namespace cal
