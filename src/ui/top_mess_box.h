#pragma once
// A message box through the operating system's own call, which can be system
// modal (on top of every window of the program).

#include <cstdint>
#include <string_view>

#include "ui/dialogs.h"

namespace cal {


// The style word: modality 0 application, 1 system, 2 task; default button
// 0 … 2; icon 0 stop, 1 question, 2 exclamation, 3 information; buttons 0 … 5.
// A code outside its list adds nothing.
std::uint32_t topMessBoxStyle(int modality, int defaultButton, int icon, int buttons);

enum class Modality { Application = 0, System = 1, Task = 2 };

// Shows the box and answers 0 OK, 1 Cancel, 2 Abort, 3 Retry, 4 Ignore,
// 5 Yes, 6 No. Message and title show at most their first 128 bytes.
int TopMessBox(Dialogs& dialogs, Modality modality, int defaultButton, MessageIcon icon,
               MessageButtons buttons, std::string_view message, std::string_view title);

}  // namespace cal
