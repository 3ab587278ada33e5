// A picture file in the library: its header read and the picture decoded,
// as drawing does before it scales anything.
#include "picture_file.h"
#include "qt/pictures/decoding.h"
#include "qt/pictures/picture_cache.h"
#include "qt/pictures/reduction.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = writePictureFile(data, size);

    cal::qtui::PictureCache cache;
    const auto probed = cache.probe(path);
    const QImage image = cal::qtui::decodePicture(path);
    if (!image.isNull()) cal::qtui::drawableImage(image);
    if (probed && (probed->size.width() < 0 || probed->size.height() < 0)) std::abort();
    return 0;
}
