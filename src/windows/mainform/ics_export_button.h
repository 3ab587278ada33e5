#pragma once

namespace cal {

struct Context;

// BUTTON76 "予定の書き出し（iCalendar）": the displayed month, as the page
// prints it, into an iCalendar file the user chooses.
void BUTTON76_ON(Context& context);

}  // namespace cal
