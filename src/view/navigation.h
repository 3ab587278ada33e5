#pragma once
// Stepping through the months with BUTTON5 "前　月" and BUTTON6 "後　月".

#include "state/app_state.h"

#include <string>
#include <string_view>

namespace cal {

struct Context;

// Checks a year text: four bytes long, clamped to 1900 … 2200. Answers
// whether it can be used; `year` may be replaced by the clamped value.
bool NEN_TYOUSA(Context& context, std::string_view owner, std::string& year);

// The month step; `owner` is empty when the main loop runs it.
void monthStep(Context& context, std::string_view owner, MonthStep step);

// BUTTON2 "データ読込": draws empty texts into the cell pictures.
void BUTTON2_ON(Context& context);

}  // namespace cal
