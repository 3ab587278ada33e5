#pragma once

namespace cal {

struct Context;

// BUTTON70 "祭日・行事ﾃﾞｰﾀ取込": sets the registered holidays and events into
// the displayed month's days (first picture and first schedule line).
void BUTTON70_ON(Context& context);

}  // namespace cal
