#pragma once

namespace cal {

struct Context;

// BUTTON72 "１年分印刷": stores the shown day, saves the displayed month and
// prints the displayed school year through the print dialog, April to March.
void BUTTON72_ON(Context& context);

}  // namespace cal
