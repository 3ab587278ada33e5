#pragma once
// Pictures made smaller: halving by averaging, and the reduced copies the
// cache keeps and draws from.

#include "qt/pictures/picture_file.h"

#include <QImage>
#include <QSize>

namespace cal::qtui {

// A master copy fits this many pixels each way.
inline constexpr int kMasterSide = 256;

// The picture with 32-bit pixels, the format painting and scaling are
// fastest with.
QImage drawableImage(const QImage& image);
// Scaled to `size`, aspect not kept, every source pixel counted: large
// reductions first halve by averaging, which is much cheaper than Qt's
// smooth scaling of the whole picture.
QImage smoothlyScaled(const QImage& image, const QSize& size);
// The picture reduced by `factor` (a power of two) each way, as halving that
// often would give; bitmaps the one-pass reader knows never exist at full
// size. Null when the file cannot be decoded.
QImage reducedPicture(const PictureFile& file, int factor);
// The reduced master copy of a file: halved until it fits kMasterSide
// pixels each way.
QImage masterPicture(const PictureFile& file);

bool fitsWithin(const QSize& size, const QSize& bound);
// Halvings, as a factor, that bring `size` within `bound` each way, stopping
// before a side would drop below one pixel.
int factorToFit(QSize size, const QSize& bound);
// Halvings that keep `size` at least twice `target` before each halving, as
// smoothlyScaled does.
int factorAbove(QSize size, const QSize& target);

}  // namespace cal::qtui
