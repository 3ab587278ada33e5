#include "windows/mainform/data_dir.h"

#include "state/context.h"
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
    if (!value || utf8ToSjis(*value).size() > 255) {
        c.dialogs.messageBox({}, "エラー", "スプラウトワークスのレジストリが読み取れません", MessageButtons::Ok,
                           MessageIcon::Stop);
        return;
    }
    commonDir = value->substr(0, value->find('\0'));
}

}  // namespace cal
