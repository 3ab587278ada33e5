// A PNG encoder for the program's icon: 8-bit RGBA, the image data kept in
// stored (uncompressed) deflate blocks, so no compression library is needed.
#pragma once

#include "bmp_writer.h"

#include <cstdint>
#include <vector>

namespace sample {

// The whole file. Pixels of the colour `transparent` become fully
// transparent; every other pixel is opaque.
std::vector<std::uint8_t> encodePng(const Canvas& canvas, Rgb transparent);

} // namespace sample
