#pragma once

#include <string>

namespace cal {

class HandlerTable;
struct Context;

// The day editor FORM3: line and picture editing, storing, window layouts
// and closing.
void addDayEditorHandlers(HandlerTable& table);

// Selects today's cell and loads it; runs once the month is loaded.
void FORM3_START(Context& context);

// Shows the library picture `name` in the slot and keeps it for the day.
void putDayPicture(Context& context, int slot, const std::string& name);

}  // namespace cal
