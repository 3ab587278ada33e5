#include "windows/mainform/data_dir.h"

#include "state/context.h"
#include "data/sjis.h"
#include "ui/form_description.h"
#include "ui/names.h"

namespace cal {

std::string chooseDataDir(Context& c, const std::string& commandLine,
                          const std::optional<std::string>& currentDirectory) {
    std::string current;
    if (currentDirectory) {
        current = currentDirectory->substr(0, currentDirectory->find('\0'));
    } else {
        c.forms.messageBox(kMainForm, formDescription(kMainForm)->caption,
                           "カレントディレクトリが読み取れません", mb::kOk, mb::kIconStop);
    }
    return commandLine.empty() ? current : commandLine;
}

void SPROUTWORKS_REG_GET(Context& c, std::string& commonDir) {
    const bool opened = c.registry.keyExists(kRegistryKey);
    if (!opened)
        c.forms.messageBox({}, "エラー", "スプラウトワークスのレジストリがオープンできません", mb::kOk,
                           mb::kIconStop);
    // The value is read into a buffer of 256 bytes: a longer one cannot be read.
    const std::optional<std::string> value =
        opened ? c.registry.value(kRegistryKey, kRegistryValue) : std::nullopt;
    if (!value || utf8ToSjis(*value).size() > 255) {
        c.forms.messageBox({}, "エラー", "スプラウトワークスのレジストリが読み取れません", mb::kOk,
                           mb::kIconStop);
        return;
    }
    commonDir = value->substr(0, value->find('\0'));
}

}  // namespace cal
