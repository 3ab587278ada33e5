#pragma once

namespace cal {

class HandlerTable;

// The day editor FORM3: window layouts and closing.
void addDayEditorHandlers(HandlerTable& table);

}  // namespace cal
