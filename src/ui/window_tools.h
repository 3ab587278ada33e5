#pragma once
// Arranges the three working windows as one block in a screen corner.

#include <string_view>

namespace cal {

class Forms;

// Corner 1 top-left, 2 top-right, 3 bottom-left, 4 bottom-right; any other
// value moves nothing. `bottomMargin` keeps the block clear of the task bar.
void GAME_Z_MOVE(Forms& forms, std::string_view callingForm, int corner,
                 std::string_view first, std::string_view second, std::string_view third,
                 int bottomMargin);

}  // namespace cal
