#pragma once

namespace cal {

struct Context;

// Copies the displayed month's file of the common calendar over this
// installation's one, after the questions, and shows the copy.
void BUTTON8_ON(Context& context);

}  // namespace cal
