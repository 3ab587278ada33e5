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

namespace cal {

// The largest place a picture takes on the printed page: a month's title
// picture, 19 × 16 mm.
inline constexpr int kTitlePictureWidth = 190;
inline constexpr int kTitlePictureHeight = 160;
// Pixels a library picture needs along its longer side for that place at
// 300 dots per inch: pictures brought in are reduced to it, never enlarged.
inline constexpr int kLibraryPictureSide = (kTitlePictureWidth * 300 + 253) / 254;
static_assert(kTitlePictureWidth >= kTitlePictureHeight);

}  // namespace cal
