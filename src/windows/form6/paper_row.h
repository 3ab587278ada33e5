#pragma once
// The paper the print dialog opens with: a per-user value beside the common
// calendar's folder, chosen in the settings dialog's row "用紙" or by
// printing on another paper.

namespace cal {

struct Context;
class HandlerTable;

// Takes the user's paper from the registry; A3 when none is kept.
void restorePaper(Context& context);
// Keeps the paper last printed on for the next start.
void rememberPaper(Context& context);
// Fills the settings dialog's row with the papers and selects the user's.
void showPaper(Context& context);
// FORM6_END: the paper chosen in the row is the user's from now on.
void addPaperRowHandlers(HandlerTable& table);

}  // namespace cal
