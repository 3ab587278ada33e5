// A picture file in the library: its header read and the picture decoded,
// as drawing does before it scales anything.
#include "qt/picture_cache.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// One file in a private temporary folder, rewritten for every input and
// removed when the run ends.
QString pictureFile() {
    static const QString path = [] {
        static QTemporaryDir folder;
        if (!folder.isValid()) std::abort();
        return folder.filePath(QStringLiteral("picture.bmp"));
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = pictureFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    cal::qtui::PictureCache cache;
    const auto probed = cache.probe(path);
    const QImage image = cal::qtui::decodePicture(path);
    if (!image.isNull()) cal::qtui::drawableImage(image);
    if (probed && (probed->size.width() < 0 || probed->size.height() < 0)) std::abort();
    return 0;
}
