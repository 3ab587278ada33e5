#pragma once

namespace cal {

struct Context;
class HandlerTable;

// Shows the registered common calendar folder in the settings dialog's row,
// or "未設定".
void showCommonDir(Context& context);

// F6KICK "参照…": chooses and registers the common calendar folder.
void addCommonFolderHandlers(HandlerTable& table);

}  // namespace cal
