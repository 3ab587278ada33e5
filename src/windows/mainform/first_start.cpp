#include "windows/mainform/first_start.h"

#include "state/context.h"
#include "state/display_settings.h"
#include "data/data_folder.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "data/unknown_picture.h"
#include "data/year_file.h"
#include "tools/string_tools.h"
#include "windows/mainform/data_dir.h"
#include "windows/mainform/mainform_controls.h"
#include "ui/names.h"

#include <memory>

namespace cal {

namespace {

// The folder a new data folder is made in: the chosen one when it is empty,
// else a new folder inside it.
constexpr const char* kNewFolderName = "カレンダーデータ";

bool writeIfMissing(Context& c, const std::string& path, const std::string& bytes, std::string& error) {
    return fileExists(path) || writeFileReplacing(path, bytes, error, *c.state.fileWriter);
}

void remember(Context& c, const std::string& folder) {
    std::string error;
    if (!c.registry.setValue(kRegistryKey, kDataFolderValue, folder, error))
        c.dialogs.messageBox(kMainForm, "エラー",
                             "使うデータフォルダを記録できません。次の起動でもう一度たずねます。(" + error + ")",
                             MessageButtons::Ok, MessageIcon::Stop);
}

std::string pickExisting(Context& c, const std::string& current) {
    const std::optional<std::string> answer =
        c.dialogs.folderDialog(kMainForm, "使うデータフォルダを選んでください", current);
    if (!answer) return {};
    const std::string& folder = *answer;
    if (isDataFolder(folder)) return folder;
    c.dialogs.messageBox(kMainForm, "警告",
                         "選んだフォルダ(" + folder +
                             ")はカレンダーのデータフォルダではありません.\r\n"
                             "master フォルダか Calendar_dat フォルダのあるフォルダを選んでください.",
                         MessageButtons::Ok, MessageIcon::Exclamation);
    return {};
}

std::string makeNew(Context& c, const std::string& current) {
    const std::optional<std::string> answer =
        c.dialogs.folderDialog(kMainForm, "新しいデータフォルダを作る場所を選んでください", current);
    if (!answer) return {};
    const std::string& chosen = *answer;
    if (isDataFolder(chosen)) return chosen;
    const std::string folder =
        folderIsEmpty(chosen) ? chosen : childPath(chosen, kNewFolderName);
    const Date today = c.clock.today();
    std::string error;
    if (!createDataFolder(c, folder, schoolYearOf(today.year, today.month), error)) {
        c.dialogs.messageBox(kMainForm, "エラー", "データフォルダを作成できません。(" + error + ")", MessageButtons::Ok,
                             MessageIcon::Stop);
        return {};
    }
    c.dialogs.messageBox(kMainForm, "お知らせ", "データフォルダを作成しました.\r\n" + folder, MessageButtons::Ok,
                         MessageIcon::Information);
    return folder;
}

}  // namespace

std::string firstStartDataDir(Context& c, const std::string& current) {
    const std::optional<std::string> remembered = c.registry.value(kRegistryKey, kDataFolderValue);
    if (remembered && isDataFolder(*remembered)) return *remembered;
    for (;;) {
        const MessageAnswer answer = c.dialogs.messageBoxWithTexts(
            kMainForm, "問い合せ",
            "カレンダーのデータフォルダが見つかりません.\r\n使うデータフォルダを選んでください.\r\n\r\n"
            "はい：作成済みのデータフォルダを選ぶ\r\n"
            "いいえ：新しいデータフォルダを作る\r\n"
            "キャンセル：このフォルダ(" + current + ")のまま続ける",
            MessageButtons::YesNoCancel, MessageIcon::Question, {"既存のフォルダを選ぶ", "新しく作る", "このまま続ける"});
        if (answer != MessageAnswer::Yes && answer != MessageAnswer::No) return current;
        const std::string folder = answer == MessageAnswer::Yes ? pickExisting(c, current) : makeNew(c, current);
        if (folder.empty()) continue;
        remember(c, folder);
        return folder;
    }
}

bool createDataFolder(Context& c, const std::string& folder, int schoolYear, std::string& error) {
    for (const char* sub : {"master", "Calendar_dat", "Calendar_pic"})
        if (!makeFolder(childPath(folder, sub), error)) return false;
    const std::unique_ptr<Progress> progress = c.dialogs.progress(kMainForm, "データフォルダを作成しています", 14);
    const YearSettings settings = newSchoolYearSettings(schoolYear);
    for (const std::string& path : {yearSettingsPath(folder, std::to_string(schoolYear)), defaultSettingsPath(folder)})
        if (!fileExists(path) && !writeYearSettings(path, settings, error, *c.state.fileWriter)) return false;
    const std::string settingsPath = dataPath(folder, "master", "CalendarH.dat");
    if (!fileExists(settingsPath)) {
        // Six rows of seven 50 mm boxes from a 20 mm margin: every month, its
        // Saturdays and the border fit landscape A3 as they are.
        c.forms.setText(kMainForm, mainform::kRows, "6");
        c.forms.setText(kMainForm, mainform::kBoxWidth, "50");
        c.forms.setText(kMainForm, mainform::kPaperLeft, "20");
        if (!saveSettingsFile(c.forms, settingsPath, error, *c.state.fileWriter)) return false;
    }
    progress->step(1);
    if (!writeIfMissing(c, dataPath(folder, "Calendar_pic", kUnknownPictureName), unknownPictureBmp(), error))
        return false;
    progress->step(2);
    const std::string empty(kMonthFileSize, '\0');
    for (int i = 0; i < 12; ++i) {
        const int month = (i + 3) % 12 + 1;  // April … March
        const int year = month >= 4 ? schoolYear : schoolYear + 1;
        if (!writeIfMissing(c, monthFilePath(folder, std::to_string(year), month), empty, error)) return false;
        progress->step(3 + i);
    }
    return true;
}

}  // namespace cal
