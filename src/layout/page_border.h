#pragma once
// Where things lie on the printed page, in 0.1 mm from the page's top-left.

#include <array>
#include <vector>

namespace cal {

// One place of the border of frame pictures, and the frame drawn there
// (1 … 6, or 0 for an empty place).
struct FramePlace {
    int x, y;
    int frame;
};

inline constexpr int kFrameWidth = 95;
inline constexpr int kFrameHeight = 80;

// The border's places in drawing order: top edge, left edge, bottom edge,
// right edge, with one counter cycling through the frames that are
// available (`available[f]` for f = 1 … 6).
std::vector<FramePlace> borderPlaces(int left, int top, const std::array<bool, 7>& available);

}  // namespace cal
