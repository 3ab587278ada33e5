#pragma once
// Printing the displayed month on one page: BUTTON7 "印刷".

namespace cal {

struct Context;

void BUTTON7_ON(Context& context);
// Prepares the printer: paper mode 2 asks for landscape A3, 1 for portrait A4.
void PRN_SETTEI_ON(Context& context, int paperMode);
void PRN_ZIKKOU1P_ON(Context& context);
void PRN_CLOSE_ON(Context& context);

}  // namespace cal
