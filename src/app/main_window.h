#pragma once

namespace cal {

class HandlerTable;

// The main window's own handlers: closing, its fixed size, the empty school
// year and the copy from the common calendar.
void addMainWindowHandlers(HandlerTable& table);

}  // namespace cal
