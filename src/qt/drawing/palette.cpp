#include "qt/drawing/palette.h"

#include <array>

namespace cal::qtui {

namespace {

// The classic 16 VGA colours, ordered so that the codes the calendar uses
// fall where it expects them: 2 black (weekdays), 5 red (Sundays and
// holidays), 11 blue (Saturdays).
//   0 white    #FFFFFF    8 purple   #800080
//   1 gray     #808080    9 teal     #008080
//   2 black    #000000   10 silver   #C0C0C0
//   3 maroon   #800000   11 blue     #0000FF
//   4 green    #008000   12 lime     #00FF00
//   5 red      #FF0000   13 yellow   #FFFF00
//   6 olive    #808000   14 magenta  #FF00FF
//   7 navy     #000080   15 cyan     #00FFFF
constexpr std::array<QRgb, 16> kPalette{
    0xFFFFFF, 0x808080, 0x000000, 0x800000, 0x008000, 0xFF0000, 0x808000, 0x000080,
    0x800080, 0x008080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0xFFFF00, 0xFF00FF, 0x00FFFF,
};

}  // namespace

QColor paletteColor(int code) {
    if (code < 0 || code >= static_cast<int>(kPalette.size())) return QColor(Qt::black);
    return QColor::fromRgb(kPalette[static_cast<std::size_t>(code)]);
}

}  // namespace cal::qtui
