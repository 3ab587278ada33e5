#include "qt/print/image_printer.h"

#include "data/file_io.h"
#include "qt/qt_strings.h"

#include <QBuffer>
#include <QByteArray>

namespace cal::qtui {

ImagePrinter::ImagePrinter(QString path, PictureCache* pictures) : FilePrinter(std::move(path), pictures) {}

ImagePrinter::~ImagePrinter() { abortDocument(); }

QPaintDevice* ImagePrinter::openDevice(const QString&) {
    constexpr int kDotsPerInch = 150;
    m_image = std::make_unique<QImage>(pageLayout().fullRectPixels(kDotsPerInch).size(), QImage::Format_RGB32);
    if (m_image->isNull()) return nullptr;
    m_image->setDotsPerMeterX(qRound(kDotsPerInch / 0.0254));
    m_image->setDotsPerMeterY(qRound(kDotsPerInch / 0.0254));
    m_image->fill(Qt::white);
    return m_image.get();
}

PrintError ImagePrinter::finishDevice(bool painted) {
    QByteArray png;
    QBuffer buffer(&png);
    const bool encoded = painted && buffer.open(QIODevice::WriteOnly) && m_image->save(&buffer, "PNG");
    m_image.reset();
    if (!encoded) return PrintError::Finish;
    std::string error;
    return writeFileReplacing(toStdString(m_path), png.toStdString(), error) ? PrintError::None
                                                                             : PrintError::ReplaceFile;
}

void ImagePrinter::abortDevice(QPainter& painter) {
    painter.end();
    m_image.reset();
}

}  // namespace cal::qtui
