#pragma once

#include <string_view>

namespace cal {

struct Context;

// Asks whether to end the program; on Yes saves the displayed month (after a
// second question when questions are switched on) and ends the program.
// Answers the cancel flag: 1 keeps the program running.
int closingSequence(Context& context, std::string_view owner);

}  // namespace cal
