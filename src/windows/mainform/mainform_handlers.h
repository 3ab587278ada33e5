#pragma once

namespace cal {

class HandlerTable;

// The main window's handlers: closing, its fixed size, the month steps, the
// empty school year, the holiday import and the copy from the common calendar.
void addMainWindowHandlers(HandlerTable& table);

}  // namespace cal
