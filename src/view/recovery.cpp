#include "view/recovery.h"

#include "data/file_fingerprint.h"
#include "data/file_io.h"
#include "data/month_file.h"
#include "data/recovery_file.h"
#include "state/context.h"
#include "ui/names.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <memory>

namespace cal {

namespace {

const std::string& cellsYear(const AppState& s) { return s.monthCellsYear.empty() ? s.currentYear : s.monthCellsYear; }

std::string recoveryPath(const AppState& s) {
    return recoveryFilePath(s.recoveryRoot, s.dataDir, cellsYear(s), s.currentMonth);
}

// "2026/12/09 14:05", local time.
std::string whenWritten(const std::string& path) {
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(pathOf(path), ec);
    if (ec) return {};
    const std::time_t t =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M", &local);
    return text;
}

// Keeps a recovery file that cannot be read under another name, for whoever
// can still make use of it.
void setAside(Context& c, const std::string& path, const std::string& why) {
    std::string aside = path + ".unreadable";
    for (int n = 2; std::filesystem::exists(pathOf(aside)); ++n) aside = path + ".unreadable" + std::to_string(n);
    std::error_code ec;
    std::filesystem::rename(pathOf(path), pathOf(aside), ec);
    c.dialogs.messageBox(kMainForm, "エラー",
                         "前回保存されなかった変更の復元用ファイル(" + path + ")が読み込めません。(" + why +
                             ")\r\n" + (ec ? std::string("ファイルはそのまま残しました。")
                                           : "別の名前で残しました: " + aside),
                         MessageButtons::Ok, MessageIcon::Stop);
}

}  // namespace

bool holdRecoveryFiles(Context& c) {
    AppState& s = c.state;
    if (s.recoveryRoot.empty() || s.unattended) return true;
    const std::string folder = recoveryFolder(s.recoveryRoot, s.dataDir);
    std::error_code ec;
    std::filesystem::create_directories(pathOf(s.recoveryRoot), ec);
    std::string holder;
    s.recoveryLock = FolderLock::take(folder, holder);
    if (s.recoveryLock || holder.empty()) return true;
    c.dialogs.messageBox(kMainForm, "エラー",
                         "このデータフォルダ(" + s.dataDir + ")は、先に起動したカレンダー作成（プロセス番号 " +
                             holder + "）が使っています。\r\nそちらの画面をお使いください。こちらは終了します。",
                         MessageButtons::Ok, MessageIcon::Stop);
    return false;
}

void keepRecovery(Context& c) {
    AppState& s = c.state;
    if (s.recoveryRoot.empty() || s.unattended) return;
    const std::string path = recoveryPath(s);
    std::error_code ec;
    std::filesystem::create_directories(pathOf(path).parent_path(), ec);
    std::string error;
    if (writeMonthFile(path, s.monthCells, error, *s.fileWriter) || s.recoveryFailureTold) return;
    s.recoveryFailureTold = true;
    c.dialogs.messageBox(kMainForm, "エラー",
                         "保存前の変更を守る復元用ファイル(" + path + ")に書き込めません。(" + error +
                             ")\r\n月を変えるか終了するときに保存してください。",
                         MessageButtons::Ok, MessageIcon::Stop);
}

void dropRecovery(Context& c) {
    const AppState& s = c.state;
    if (s.recoveryRoot.empty() || s.unattended) return;
    std::error_code ec;
    std::filesystem::remove(pathOf(recoveryPath(s)), ec);
}

void offerRecovery(Context& c) {
    AppState& s = c.state;
    if (s.recoveryRoot.empty() || s.unattended) return;
    const std::string path = recoveryPath(s);
    const std::optional<std::int64_t> kept = fileModifiedTime(path);
    if (!kept) return;
    const std::string monthPath = monthFilePath(s.dataDir, cellsYear(s), s.currentMonth);
    const std::optional<std::int64_t> saved = fileModifiedTime(monthPath);
    // File times are coarse: one written in the same tick still counts.
    if (saved && *kept < *saved) return;

    auto cells = std::make_unique<MonthCells>();
    std::string error;
    const RecordRead read = readMonthFile(path, *cells, error);
    if (read != RecordRead::Whole) {
        setAside(c, path,
                 read == RecordRead::Short   ? "途中までしかありません"
                 : read == RecordRead::Empty ? "空です"
                 : read == RecordRead::Long  ? "本来の大きさより長いファイルです"
                                             : error);
        return;
    }
    std::error_code ec;
    // The same cells as the month file: nothing was left unsaved.
    if (fileFingerprint(path) == fileFingerprint(monthPath)) {
        std::filesystem::remove(pathOf(path), ec);
        return;
    }
    const std::string question = "前回保存されなかった変更があります（" + cellsYear(s) + "年" +
                                 std::to_string(s.currentMonth) + "月、" + whenWritten(path) +
                                 "）。復元しますか。";
    if (c.dialogs.messageBox(kMainForm, "問い合せ", question, MessageButtons::YesNo, MessageIcon::Question) ==
        MessageAnswer::Yes) {
        s.monthCells = *cells;
        return;
    }
    std::filesystem::remove(pathOf(path), ec);
}

}  // namespace cal
