// The pictures of the sample installation, each drawn from simple shapes.
#pragma once

#include "bmp_writer.h"

#include <array>
#include <span>
#include <string_view>

namespace sample {

// File names in the picture folder (UTF-8 on disk, Shift-JIS in the records).
namespace picture {
inline constexpr std::string_view kMissing = "不明２５６.bmp";
inline constexpr std::string_view kSakura = "sakura.bmp";
inline constexpr std::string_view kTulip = "tulip.bmp";
inline constexpr std::string_view kKoinobori = "koinobori.bmp";
inline constexpr std::string_view kSun = "sun.bmp";
inline constexpr std::string_view kLeaf = "leaf.bmp";
inline constexpr std::string_view kSnow = "snow.bmp";
inline constexpr std::string_view kSchool = "school.bmp";
inline constexpr std::string_view kChick = "chick.bmp";
inline constexpr std::string_view kCake = "cake.bmp";
inline constexpr std::string_view kBall = "ball.bmp";
inline constexpr std::string_view kFlag = "flag.bmp";
inline constexpr std::string_view kBell = "bell.bmp";
inline constexpr std::string_view kHinomaru = "hinomaru.bmp";
inline constexpr std::string_view kFuji = "ふじさん.bmp";
inline constexpr std::string_view kOnigiri = "おにぎり.bmp";
inline constexpr std::string_view kStar = "star.bmp";
inline constexpr std::string_view kHeart = "heart.bmp";
inline constexpr std::array<std::string_view, 6> kFrames = {
    "frame1.bmp", "frame2.bmp", "frame3.bmp", "frame4.bmp", "frame5.bmp", "frame6.bmp"};
} // namespace picture

struct SamplePicture {
    std::string_view name;
    Canvas (*draw)();
};

// Every picture above, each once.
std::span<const SamplePicture> samplePictures();

} // namespace sample
