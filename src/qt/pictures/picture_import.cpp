#include "qt/pictures/picture_import.h"

#include "data/file_io.h"
#include "data/library_names.h"
#include "layout/page_border.h"
#include "qt/pictures/decoding.h"
#include "qt/pictures/jpeg_check.h"
#include "qt/pictures/reduction.h"
#include "qt/qt_strings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace cal::qtui {

namespace {

constexpr int kMaxNumber = 9999;  // free names tried: usagi-2.bmp … usagi-9999.bmp

ConvertedPicture refused(const QString& why, const QString& path) {
    return {QImage(), why + QStringLiteral(": ") + path};
}

}  // namespace

QSize librarySize(const QSize& size) {
    const int side = std::max(size.width(), size.height());
    if (side <= kLibraryPictureSide) return size;
    const double scale = static_cast<double>(kLibraryPictureSide) / side;
    return {std::max(1, static_cast<int>(std::lround(size.width() * scale))),
            std::max(1, static_cast<int>(std::lround(size.height() * scale)))};
}

QSize jpegDecodeSize(const QSize& size) {
    int factor = 1;
    while (factor < 8 && std::max(size.width(), size.height()) / (factor * 2) >= 2 * kLibraryPictureSide)
        factor *= 2;
    return factor == 1 ? QSize() : QSize(size.width() / factor, size.height() / factor);
}

namespace {

QImage onWhite(const QImage& image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage white(image.size(), QImage::Format_RGB32);
    if (white.isNull()) return white;
    white.fill(Qt::white);
    QPainter painter(&white);
    painter.drawImage(0, 0, image);
    return white;
}

QByteArray bmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // A picture without alpha is written with 24 bits a pixel.
    if (!image.save(&buffer, "BMP")) return {};
    return bytes;
}

bool samePixels(const QString& path, const QImage& image) {
    const QImage kept = decodePicture(path);
    return !kept.isNull() && kept.convertToFormat(QImage::Format_RGB32) == image;
}

}  // namespace

void limitPictureMemory() { QImageReader::setAllocationLimit(kPictureAllocationMiB); }

ConvertedPicture libraryPicture(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return refused(QStringLiteral("フォルダは取り込めません"), path);
    if (!info.exists()) return refused(QStringLiteral("ファイルが見つかりません"), path);
    // A device or a pipe could be read without end.
    if (!info.isFile()) return refused(QStringLiteral("絵のファイルではありません"), path);
    if (info.size() > kMaxPictureFileBytes)
        return refused(QStringLiteral("ファイルが大きすぎて取り込めません"), path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refused(QStringLiteral("ファイルを読めません"), path);
    QByteArray bytes = file.read(kMaxPictureFileBytes);
    file.close();

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QString notPicture = QStringLiteral("絵のファイルではないか、読めない形式です");
    if (bytes.isEmpty() || !reader.canRead()) return refused(notPicture, path);
    QSize size = reader.size();
    size.setHeight(std::abs(size.height()));
    // What the header claims is refused before anything is allocated.
    if (size.isValid() && qint64{size.width()} * size.height() * 4 > qint64{kPictureAllocationMiB} * 1024 * 1024)
        return refused(QStringLiteral("絵が大きすぎて取り込めません（%1 × %2 画素）")
                           .arg(size.width())
                           .arg(size.height()),
                       path);
    if (isJpeg(bytes)) {
        if (!jpegComplete(bytes)) return refused(QStringLiteral("ファイルが途中で切れています"), path);
        if (size.isValid()) {
            if (const QSize decoded = jpegDecodeSize(size); decoded.isValid()) reader.setScaledSize(decoded);
        }
    }
    const QImage decoded = reader.read();
    if (decoded.isNull()) return refused(QStringLiteral("絵を読み取れませんでした"), path);
    // Reduced first (premultiplied pixels average rightly), then laid on
    // white: the blend touches only the small picture.
    const QSize target = librarySize(decoded.size());
    const QImage white = onWhite(target == decoded.size() ? decoded : smoothlyScaled(decoded, target));
    if (white.isNull()) return refused(QStringLiteral("絵を読み取れませんでした"), path);
    return {white, QString()};
}

PictureImport importPicture(const std::string& dataDir, const std::string& path) {
    PictureImport result;
    const std::string folder = dataPath(dataDir, "Calendar_pic", "");
    if (!folderExists(folder)) {
        result.error = "絵のフォルダがありません: " + folder;
        return result;
    }
    const ConvertedPicture picture = libraryPicture(toQString(path));
    if (picture.image.isNull()) {
        result.error = toStdString(picture.error);
        return result;
    }
    const QStringList present = QDir(toQString(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    const std::string original = toStdString(QFileInfo(toQString(path)).fileName());
    for (int number = 1; number <= kMaxNumber; ++number) {
        const std::string name = libraryName(original, number);
        const auto taken = std::find_if(present.begin(), present.end(), [&](const QString& entry) {
            return sameLibraryName(toStdString(entry), name);
        });
        if (taken != present.end()) {
            if (!samePixels(toQString(folder) + *taken, picture.image)) continue;
            result.name = toStdString(*taken);
            result.reused = true;
            return result;
        }
        const QByteArray bytes = bmpBytes(picture.image);
        std::string error;
        if (bytes.isEmpty() || !writeFileReplacing(dataPath(dataDir, "Calendar_pic", name),
                                                   std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                                   error)) {
            result.error = "絵のフォルダに書き込めません: " + dataPath(dataDir, "Calendar_pic", name) + " (" + error + ")";
            return result;
        }
        result.name = name;
        return result;
    }
    result.error = "絵のフォルダに空いている名前がありません: " + path;
    return result;
}

}  // namespace cal::qtui
