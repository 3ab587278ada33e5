#pragma once
// Printing the displayed month on one page: BUTTON7 "印刷".

#include <memory>

namespace cal {

class Printer;
struct Context;

// Printing state kept for the whole run.
struct PrintState {
    std::shared_ptr<Printer> printer;  // created on first use, reused afterwards
    int ready = 0;                     // 1 once the set-up passed the print dialog
    int dialogAnswer = 0;              // 0 when the user cancelled the dialog
    bool documentStarted = false;
    bool failed = false;               // a printer failure was reported in this job
};

void BUTTON7_ON(Context& context);
// Prepares the printer: paper mode 2 asks for landscape A3, 1 for portrait A4.
void PRN_SETTEI_ON(Context& context, int paperMode);
void PRN_ZIKKOU1P_ON(Context& context);
void PRN_CLOSE_ON(Context& context);

}  // namespace cal
