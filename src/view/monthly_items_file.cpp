#include "view/monthly_items_file.h"

#include "data/file_fingerprint.h"
#include "data/file_io.h"
#include "state/context.h"
#include "view/file_guard.h"

#include <algorithm>
#include <filesystem>

namespace cal {

namespace {

// Twenty lines of at most a hundred bytes; a far larger file is no items file.
constexpr std::size_t kMaxItemsFileBytes = 64 * 1024;

std::string named(const std::string& path) { return "毎月の行事のファイル(" + path + ")"; }

}  // namespace

std::vector<MonthlyItem> readMonthlyItemsFile(Context& c, const std::string& path, std::string_view owner) {
    // Read at its own size, so that the import of a month stays quick.
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(pathOf(path), ec);
    if (ec && !fileExists(path) && !folderExists(path)) return {};
    const ReadResult read =
        readFile(path, ec ? kMaxItemsFileBytes + 1 : std::min<std::uintmax_t>(size, kMaxItemsFileBytes) + 1);
    if (!read.ok || read.bytes.size() > kMaxItemsFileBytes) {
        c.dialogs.messageBox(owner, "エラー",
                             named(path) + "が読み込めません。(" +
                                 (read.ok ? std::string("大きすぎます") : read.error) + ")",
                             MessageButtons::Ok, MessageIcon::Stop);
        return {};
    }
    MonthlyItemsRead items = parseMonthlyItems(read.bytes);
    // What was read is what a later write must find unchanged.
    const std::uint64_t content = fingerprint(read.bytes);
    c.state.overlongFiles.erase(path);
    c.state.knownFiles[path] = content;
    auto told = c.state.toldItemFiles.find(path);
    if (!items.problems.empty() && (told == c.state.toldItemFiles.end() || told->second != content)) {
        c.state.toldItemFiles[path] = content;
        std::string lines;
        for (const std::string& p : items.problems) lines += "\r\n" + p;
        c.dialogs.messageBox(owner, "警告", named(path) + "に使えない行があります。ほかの行事は使います。" + lines,
                             MessageButtons::Ok, MessageIcon::Exclamation);
    }
    return std::move(items.items);
}

bool writeMonthlyItemsFile(Context& c, const std::string& path, const std::vector<MonthlyItem>& items,
                           std::string_view owner) {
    if (!mayOverwrite(c, path, owner)) return false;
    std::string error;
    if (!writeFileReplacing(path, monthlyItemsBytes(items), error, *c.state.fileWriter)) {
        c.dialogs.messageBox(owner, "エラー", named(path) + "に書き込めません。(" + error + ")", MessageButtons::Ok,
                             MessageIcon::Stop);
        return false;
    }
    rememberFile(c.state, path);
    return true;
}

}  // namespace cal
