#include "windows/form6/form6_handlers.h"

#include "state/display_settings.h"
#include "state/handler_table.h"
#include "windows/form6/common_folder_row.h"
#include "windows/form6/form6_controls.h"
#include "windows/form6/paper_row.h"
#include "data/file_io.h"
#include "data/sjis.h"
#include "ui/names.h"
#include "view/file_guard.h"

namespace cal {

namespace {

void refuse(Context& c, const char* owner, const std::string& message) {
    c.dialogs.messageBox(owner, "警告", message, MessageButtons::Ok, MessageIcon::Exclamation);
}

// Refuses a dialog field outside its range, naming the field and the range.
bool dialogFieldsInRange(Context& c) {
    for (const auto& [dialogField, mainField] : form6::kFields) {
        const SettingRange& range = *settingRange(mainField);
        const std::string text = c.forms.text(kSettingsDialog, dialogField);
        if (const auto bad = unstorableCharacters(text); !bad.empty()) {
            refuse(c, kSettingsDialog,
                   "「" + std::string(range.label) + "」の次の文字は設定ファイルに保存できません。\r\n" +
                       describeCharacters(bad) + "\r\n" + settingRangeMessage(range));
            return false;
        }
        if (!checkedSetting(range, text)) {
            refuse(c, kSettingsDialog, settingRangeMessage(range));
            return false;
        }
    }
    return true;
}

// The main window's fields: every number in range, the grid at most 42
// cells, and only characters the settings file can hold.
bool mainFieldsStorable(Context& c) {
    if (const auto problems = settingProblems(c.forms); !problems.empty()) {
        refuse(c, kMainForm, settingRangeMessage(*problems.front().range));
        return false;
    }
    std::string all;
    for (std::string_view field : mainform::kSettingFields) all += c.forms.text(kMainForm, field);
    if (const auto bad = unstorableCharacters(all); !bad.empty()) {
        refuse(c, kMainForm, "次の文字は設定ファイルに保存できません。\r\n" + describeCharacters(bad));
        return false;
    }
    return true;
}

bool askUpdate(Context& c, const char* owner) {
    return c.dialogs.messageBox(owner, "問い合せ", "印刷の設定を更新しますか", MessageButtons::YesNo,
                              MessageIcon::Information) == MessageAnswer::Yes;
}

// Writes the 21 setting fields to master/CalendarH.dat; reports a failure.
bool writeSettings(Context& c, const char* owner) {
    const std::string path = dataPath(c.state.dataDir, "master", "CalendarH.dat");
    if (!mayOverwrite(c, path, owner)) return false;
    std::string error;
    if (saveSettingsFile(c.forms, path, error, *c.state.fileWriter)) {
        rememberFile(c.state, path);
        return true;
    }
    c.dialogs.messageBox(owner, "エラー",
                       "表示・印刷関連設定ファイル(" + path + ")に書き込めません。(" + error + ")",
                       MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

}  // namespace

void addSettingsHandlers(HandlerTable& table) {
    table.add(mainform::kSettingsUpdate, EventKind::On, action([](Context& c, const Event&) {
                  if (mainFieldsStorable(c) && askUpdate(c, kMainForm)) writeSettings(c, kMainForm);
              }));
    table.add(mainform::kSettings, EventKind::On, action([](Context& c, const Event&) {
                  c.forms.modalDialog(kMainForm, kSettingsDialog);
              }));
    table.add(kSettingsDialog, EventKind::Start, action([](Context& c, const Event&) {
                  for (const auto& [dialogField, mainField] : form6::kFields)
                      c.forms.setText(kSettingsDialog, dialogField, c.forms.text(kMainForm, mainField));
                  showCommonDir(c);
                  showPaper(c);
              }));
    table.add(form6::kUpdate, EventKind::On, action([](Context& c, const Event&) {
                  // Every field is checked before anything is stored; the
                  // dialog keeps what was typed.
                  if (!dialogFieldsInRange(c) || !askUpdate(c, kSettingsDialog)) return;
                  for (const auto& [dialogField, mainField] : form6::kFields)
                      c.forms.setText(kMainForm, mainField, c.forms.text(kSettingsDialog, dialogField));
                  if (!writeSettings(c, kSettingsDialog)) return;
                  c.dialogs.messageBox(kSettingsDialog, "お知らせ",
                                     "設定を有効にするには終了して再度起動する必要があります.", MessageButtons::Ok,
                                     MessageIcon::Information);
                  c.forms.endDialog(kSettingsDialog, -1);
              }));
}

}  // namespace cal
