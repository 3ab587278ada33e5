#include "windows/form6/common_folder_row.h"

#include "state/handler_table.h"
#include "windows/form6/form6_controls.h"
#include "windows/mainform/data_dir.h"
#include "ui/names.h"
#include "view/month_drawing.h"

namespace cal {

void showCommonDir(Context& c) {
    const std::string folder = registeredCommonDir(c);
    c.forms.setText(kSettingsDialog, form6::kCommonFolder, folder.empty() ? "未設定" : folder);
    c.forms.setCheckState(kSettingsDialog, form6::kStretch, c.state.stretchPictures ? 1 : 0);
}

void addCommonFolderHandlers(HandlerTable& table) {
    table.add(form6::kBrowse, EventKind::On, action([](Context& c, const Event&) {
                  std::string folder;
                  if (chooseCommonDir(c, kSettingsDialog, folder)) showCommonDir(c);
              }));
    table.add(form6::kStretch, EventKind::On, action([](Context& c, const Event&) {
                  const bool stretch = c.forms.checkState(kSettingsDialog, form6::kStretch) == 1;
                  std::string error;
                  if (!c.registry.setValue(kRegistryKey, kStretchPicturesValue, stretch ? "1" : "0", error))
                      c.dialogs.messageBox(kSettingsDialog, "エラー", "設定を保存できません。(" + error + ")",
                                           MessageButtons::Ok, MessageIcon::Stop);
                  c.state.stretchPictures = stretch;
                  repaintMonth(c);
              }));
}

}  // namespace cal
