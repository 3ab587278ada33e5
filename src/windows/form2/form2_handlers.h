#pragma once

namespace cal {

class HandlerTable;
struct Context;

// The month window FORM2.
void addMonthWindowHandlers(HandlerTable& table);
// The month window at the zoom the user left it at (per-user settings).
void restoreMonthZoom(Context& context);
// Keeps the month window's zoom for the next start, when it changed.
void rememberMonthZoom(Context& context);

}  // namespace cal
