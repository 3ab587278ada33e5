#pragma once
// The picture drawn in place of a missing or undrawable one
// (Calendar_pic/不明２５６.bmp), made by the program itself for a new data folder.

#include <string>

namespace cal {

inline constexpr const char* kUnknownPictureName = "不明２５６.bmp";
inline constexpr int kUnknownPictureSize = 256;

// The whole file: a 256 × 256 24-bit Windows bitmap of a grey question mark
// on a pale ground inside a thin frame.
std::string unknownPictureBmp();

}  // namespace cal
