#pragma once
// The pictures the benchmarks draw: 640 × 480 clip-art and 4000 × 3000
// photos, a different one for every index.

#include "bmp_writer.h"

#include <string>

namespace calbench {

inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 480;

inline constexpr int kPhotoWidth = 4000;
inline constexpr int kPhotoHeight = 3000;

sample::Canvas drawTestPicture(int index);
// The bytes of a 24-bit BMP photo: smooth light and shade with fine grain,
// so that no two rows or photos are alike.
std::string photoBmp(int index);

}  // namespace calbench
