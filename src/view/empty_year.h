#pragma once

namespace cal {

struct Context;

// Asks for a school year and creates its missing month files, empty; files
// already present stay as they are.
void KARA_DATE_MAKE(Context& context);

}  // namespace cal
