// Decoding and re-encoding pictures with the Qt service's own code for the
// reference measurements.

#include "bench_support.h"

#include "qt/picture_cache.h"
#include "qt/qt_strings.h"

#include <QDir>
#include <QImage>

#include <filesystem>
#include <system_error>

namespace calbench {

bool decodePicture(const std::string& path) {
    cal::qtui::PictureCache cache;
    const std::optional<cal::qtui::PictureFile> file = cache.probe(cal::qtui::toQString(path));
    return file && !cal::qtui::masterPicture(*file).isNull();
}

std::uintmax_t embeddedImagesAsPng(const std::string& pdfPath, const std::string& folder) {
    std::filesystem::create_directories(folder);
    const std::string command = "pdfimages -png '" + pdfPath + "' '" + folder + "/image' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return 0;
    std::uintmax_t total = 0;
    const QDir dir(cal::qtui::toQString(folder));
    for (const QString& name : dir.entryList({QStringLiteral("image-*.png")}, QDir::Files)) {
        const QString pngPath = dir.filePath(name);
        const QString again = pngPath + QStringLiteral(".qt.png");
        // The same writer as every other PNG here.
        if (!QImage(pngPath).save(again, "PNG")) return 0;
        std::error_code ec;
        total += std::filesystem::file_size(again.toStdString(), ec);
        if (ec) return 0;
    }
    return total;
}

}  // namespace calbench
