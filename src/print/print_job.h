#pragma once
// Printing the displayed month on one page: BUTTON7 "印刷".

#include "ui/printer.h"

namespace cal {

struct Context;

void BUTTON7_ON(Context& context);
// Prepares the printer: paper mode 2 asks for the paper of PrintState (A3
// unless the user chose another) in landscape, 1 for portrait A4.
void PRN_SETTEI_ON(Context& context, int paperMode);
void PRN_ZIKKOU1P_ON(Context& context);
void PRN_CLOSE_ON(Context& context);

struct PrintState;
// True when the set-up passed the dialog and a document is open.
bool printerReady(const PrintState& print);
// Ends the page and starts the next one in 0.1 mm; warns on a failure and
// answers it.
PrintError startNextPage(Context& context);

}  // namespace cal
