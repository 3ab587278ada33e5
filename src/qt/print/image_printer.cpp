#include "qt/print/image_printer.h"

#include <QSaveFile>

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
    QSaveFile file(m_path);
    const bool saved = painted && file.open(QIODevice::WriteOnly) && m_image->save(&file, "PNG") && file.commit();
    m_image.reset();
    return saved ? PrintError::None : PrintError::Finish;
}

void ImagePrinter::abortDevice(QPainter& painter) {
    painter.end();
    m_image.reset();
}

}  // namespace cal::qtui
