#include "qt/pictures/reduction.h"

#include "qt/pictures/decoding.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace cal::qtui {

namespace {

// The mean of two pixels above two others, each channel rounded.
quint32 meanOfFour(const uchar* top, const uchar* bottom) {
    quint64 above = 0, below = 0;
    std::memcpy(&above, top, sizeof above);
    std::memcpy(&below, bottom, sizeof below);
    // Every other channel of both pixels, in 16-bit lanes: the sums fit.
    constexpr quint64 kLanes = 0x00FF00FF00FF00FF;
    const quint64 even = (above & kLanes) + (below & kLanes);
    const quint64 odd = ((above >> 8) & kLanes) + ((below >> 8) & kLanes);
    const auto mean = [](quint64 lanes) {
        return static_cast<quint32>(((lanes + (lanes >> 32) + 0x00020002) >> 2) & 0x00FF00FF);
    };
    return mean(even) | (mean(odd) << 8);
}

// Half the size, each pixel the mean of four (32-bit pixels); an odd last
// row or column is dropped.
QImage halved(const QImage& image) {
    const int width = image.width() / 2;
    const int height = image.height() / 2;
    QImage half(width, height, image.format());
    if (half.isNull()) return half;
    for (int y = 0; y < height; ++y) {
        const uchar* top = image.constScanLine(2 * y);
        const uchar* bottom = image.constScanLine(2 * y + 1);
        auto* out = reinterpret_cast<quint32*>(half.scanLine(y));
        int x = 0;
#if defined(__SSE2__)
        // Two pixels at a time: the same sums in 16-bit lanes.
        const __m128i zero = _mm_setzero_si128();
        const __m128i round = _mm_set1_epi16(2);
        for (; x + 2 <= width; x += 2) {
            const __m128i above = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top + 8 * x));
            const __m128i below = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom + 8 * x));
            const __m128i left =
                _mm_add_epi16(_mm_unpacklo_epi8(above, zero), _mm_unpacklo_epi8(below, zero));
            const __m128i right =
                _mm_add_epi16(_mm_unpackhi_epi8(above, zero), _mm_unpackhi_epi8(below, zero));
            const __m128i sums = _mm_unpacklo_epi64(_mm_add_epi16(left, _mm_srli_si128(left, 8)),
                                                    _mm_add_epi16(right, _mm_srli_si128(right, 8)));
            const __m128i means = _mm_srli_epi16(_mm_add_epi16(sums, round), 2);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(means, means));
        }
#endif
        for (; x < width; ++x) out[x] = meanOfFour(top + 8 * x, bottom + 8 * x);
    }
    return half;
}

}  // namespace

bool fitsWithin(const QSize& size, const QSize& bound) {
    return size.width() <= bound.width() && size.height() <= bound.height();
}

int factorToFit(QSize size, const QSize& bound) {
    int factor = 1;
    while (!fitsWithin(size, bound) && size.width() >= 2 && size.height() >= 2 && factor < kMaxBmpFactor) {
        size /= 2;
        factor *= 2;
    }
    return factor;
}

int factorAbove(QSize size, const QSize& target) {
    int factor = 1;
    while (size.width() >= 2 * target.width() && size.height() >= 2 * target.height() && size.width() >= 2 &&
           size.height() >= 2 && factor < kMaxBmpFactor) {
        size /= 2;
        factor *= 2;
    }
    return factor;
}

QImage drawableImage(const QImage& image) {
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

QImage smoothlyScaled(const QImage& image, const QSize& size) {
    if (size.isEmpty() || image.isNull()) return {};
    QImage picture = drawableImage(image);
    while (picture.width() >= 2 * size.width() && picture.height() >= 2 * size.height() &&
           picture.width() >= 2 && picture.height() >= 2)
        picture = halved(picture);
    if (picture.size() == size) return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage reducedPicture(const PictureFile& file, int factor) {
    if (file.bmp) return readReducedBmp(file.path, *file.bmp, factor);
    QImage picture = drawableImage(decodePicture(file.path));
    for (; factor > 1 && picture.width() >= 2 && picture.height() >= 2; factor /= 2) picture = halved(picture);
    return picture;
}

QImage masterPicture(const PictureFile& file) {
    const QSize bound(kMasterSide, kMasterSide);
    const QImage reduced = reducedPicture(file, factorToFit(file.size, bound));
    if (reduced.isNull() || fitsWithin(reduced.size(), bound)) return reduced;
    // A thin strip, still too long.
    return smoothlyScaled(reduced, reduced.size().scaled(bound, Qt::KeepAspectRatio).expandedTo({1, 1}));
}

}  // namespace cal::qtui
