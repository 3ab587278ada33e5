#include "layout/page_border.h"

namespace cal {

std::vector<FramePlace> borderPlaces(int left, int top, const std::array<bool, 7>& available) {
    std::vector<FramePlace> places;
    int f = 1;
    auto place = [&](int x, int y) {
        if (f > 6 || !available[static_cast<std::size_t>(f)]) f = 1;
        places.push_back({x, y, available[static_cast<std::size_t>(f)] ? f : 0});
        ++f;
    };
    for (int i = 0; i <= 23; ++i) place(left - 160 + 160 * i, top - 80);
    for (int i = 0; i <= 21; ++i) place(left - 160, top - 80 + 128 * i);
    ++f;
    for (int i = 0; i <= 23; ++i) place(left - 160 + 160 * i, top - 80 + 128 * 21);
    for (int i = 0; i <= 21; ++i) place(left - 160 + 160 * 23, top - 80 + 128 * i);
    return places;
}

}  // namespace cal
