#include "windows/mainform/data_dir.h"

#include "state/context.h"
#include "data/data_folder.h"
#include "data/sjis.h"
#include "windows/form_descriptions.h"
#include "ui/names.h"

namespace cal {

std::string chooseDataDir(Context& c, const std::string& commandLine,
                          const std::optional<std::string>& currentDirectory) {
    std::string current;
    if (currentDirectory) {
        current = currentDirectory->substr(0, currentDirectory->find('\0'));
    } else {
        c.dialogs.messageBox(kMainForm, formDescription(kMainForm)->caption,
                           "カレントディレクトリが読み取れません", MessageButtons::Ok, MessageIcon::Stop);
    }
    return commandLine.empty() ? current : commandLine;
}

void SPROUTWORKS_REG_GET(Context& c, std::string& commonDir) {
    const bool opened = c.registry.keyExists(kRegistryKey);
    if (!opened)
        c.dialogs.messageBox({}, "エラー", "スプラウトワークスのレジストリがオープンできません", MessageButtons::Ok,
                           MessageIcon::Stop);
    // The value is read into a buffer of 256 bytes: a longer one cannot be read.
    const std::optional<std::string> value =
        opened ? c.registry.value(kRegistryKey, kRegistryValue) : std::nullopt;
    if (!value || utf8ToSjis(*value).size() > kRegistryValueBytes) {
        c.dialogs.messageBox({}, "エラー", "スプラウトワークスのレジストリが読み取れません", MessageButtons::Ok,
                           MessageIcon::Stop);
        return;
    }
    commonDir = value->substr(0, value->find('\0'));
}

std::string registeredCommonDir(const Context& c) {
    const std::optional<std::string> value = c.registry.value(kRegistryKey, kRegistryValue);
    return value ? value->substr(0, value->find('\0')) : std::string();
}

bool chooseCommonDir(Context& c, std::string_view owner, std::string& commonDir) {
    const std::string start = registeredCommonDir(c);
    const std::optional<std::string> answer =
        c.dialogs.folderDialog(owner, "共通カレンダーのフォルダを選んでください", start.empty() ? c.state.dataDir : start);
    if (!answer) return false;
    const std::string& folder = *answer;
    if (!hasMonthFolder(folder)) {
        c.dialogs.messageBox(owner, "警告",
                             "選んだフォルダ(" + folder +
                                 ")には Calendar_dat フォルダがないので、共通カレンダーのフォルダにできません.",
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    if (utf8ToSjis(folder).size() > kRegistryValueBytes) {
        c.dialogs.messageBox(owner, "警告",
                             "フォルダ名が長すぎるので、共通カレンダーのフォルダにできません"
                             "（255バイトまで）.\r\n短い名前の場所にあるフォルダを選んでください.",
                             MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    std::string error;
    if (!c.registry.setValue(kRegistryKey, kRegistryValue, folder, error)) {
        c.dialogs.messageBox(owner, "エラー", "共通カレンダーのフォルダを記録できません。(" + error + ")",
                             MessageButtons::Ok, MessageIcon::Stop);
        return false;
    }
    commonDir = folder;
    return true;
}

}  // namespace cal
