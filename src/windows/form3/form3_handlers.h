#pragma once

namespace cal {

class HandlerTable;
struct Context;

// The day editor FORM3: line and picture editing, storing, window layouts
// and closing.
void addDayEditorHandlers(HandlerTable& table);

// Selects today's cell and loads it; runs once the month is loaded.
void FORM3_START(Context& context);

}  // namespace cal
