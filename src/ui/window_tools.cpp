#include "ui/window_tools.h"

#include "ui/forms.h"

namespace cal {

void GAME_Z_MOVE(Forms& forms, std::string_view callingForm, int corner,
                 std::string_view first, std::string_view second, std::string_view third,
                 int bottomMargin) {
    const Geometry g1 = forms.geometry(first, {});
    const Geometry g2 = forms.geometry(second, {});
    const Geometry g3 = forms.geometry(third, {});
    const double w1 = g1.width, h1 = g1.height, w2 = g2.width, h2 = g2.height, h3 = g3.height;
    const double sw = forms.deviceCaps(callingForm, caps::kWidthMm) * 10.0;
    const double sh = forms.deviceCaps(callingForm, caps::kHeightMm) * 10.0;
    const double m = bottomMargin;
    struct Point {
        double x, y;
    };
    Point p1, p2, p3;
    switch (corner) {
    case 1: p1 = {0, 0}; p2 = {w1, 0}; p3 = {w1, h2}; break;
    case 2: p1 = {sw - w1 - w2, 0}; p2 = {sw - w2, 0}; p3 = {sw - w1 - w2, h1}; break;
    case 3:
        p1 = {0, sh - h2 - h3 - m}; p2 = {w1, sh - h2 - h3 - m}; p3 = {w1, sh - h3 - m};
        break;
    case 4:
        p1 = {sw - w1 - w2, sh - h1 - h3 - m};
        p2 = {sw - w2, sh - h1 - h3 - m};
        p3 = {sw - w1 - w2, sh - h3 - m};
        break;
    default: return;
    }
    forms.move(first, {}, p1.x, p1.y);
    forms.move(second, {}, p2.x, p2.y);
    forms.move(third, {}, p3.x, p3.y);
}

}  // namespace cal
