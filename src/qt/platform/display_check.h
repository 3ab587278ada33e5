#pragma once
// Whether the windowed program has a screen to open its windows on.

namespace cal::qtui {

// False only where Qt, finding no display, would abort with a message meant
// for developers.
bool displayAvailable();

}  // namespace cal::qtui
