// Decoding and re-encoding pictures with Qt for the reference measurements.

#include "bench_support.h"

#include "qt/qt_bitmap.h"
#include "qt/qt_strings.h"

#include <filesystem>
#include <system_error>

namespace calbench {

bool decodePicture(const std::string& path) {
    QImage image;
    return image.load(cal::qtui::toQString(path)) && !image.isNull();
}

std::uintmax_t savePictureAsPng(const std::string& path, const std::string& pngPath) {
    QImage image;
    if (!image.load(cal::qtui::toQString(path))) return 0;
    if (!image.save(cal::qtui::toQString(pngPath), "PNG")) return 0;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(pngPath, ec);
    return ec ? 0 : size;
}

}  // namespace calbench
