#include "view/file_guard.h"

#include "data/file_fingerprint.h"
#include "state/context.h"

namespace cal {

void rememberFile(AppState& s, const std::string& path) {
    s.overlongFiles.erase(path);
    const std::optional<std::uint64_t> now = fileFingerprint(path);
    if (now) s.knownFiles[path] = *now;
    else s.knownFiles.erase(path);
}

void rememberOverlong(AppState& s, const std::string& path) { s.overlongFiles.insert(path); }

bool mayOverwrite(Context& c, const std::string& path, std::string_view owner) {
    if (c.state.overlongFiles.count(path) != 0 &&
        c.dialogs.messageBox(owner, "問い合せ",
                             path + " は本来の大きさより長く、読み込んでいない部分があります。\r\n"
                                    "上書きするとその部分はなくなります。上書きしますか。",
                             MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
        return false;
    const auto known = c.state.knownFiles.find(path);
    if (known == c.state.knownFiles.end() || fileFingerprint(path) == known->second) return true;
    return c.dialogs.messageBox(owner, "問い合せ", path + " は開いた後に他で変更されています。上書きしますか。",
                                MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
}

}  // namespace cal
