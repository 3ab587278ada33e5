#pragma once
// The 16-colour palette drawing codes index.

#include <QColor>

namespace cal::qtui {

// The colour of a palette code; codes outside 0..15 draw black.
QColor paletteColor(int code);

}  // namespace cal::qtui
