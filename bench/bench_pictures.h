#pragma once
// The pictures the benchmarks draw: 640 × 480 clip-art, a different one for
// every index.

#include "bmp_writer.h"

namespace calbench {

inline constexpr int kPictureWidth = 640;
inline constexpr int kPictureHeight = 480;

sample::Canvas drawTestPicture(int index);

}  // namespace calbench
