#pragma once

#include "qt/print/file_printer.h"

#include <QImage>

#include <memory>

namespace cal::qtui {

// One page as a PNG picture at 150 dpi: encoded in memory, then it replaces
// the file (writeFileReplacing).
class ImagePrinter final : public FilePrinter {
public:
    explicit ImagePrinter(QString path, PictureCache* pictures = nullptr);
    ~ImagePrinter() override;

protected:
    QPaintDevice* openDevice(const QString& name) override;
    // A picture holds one page.
    bool newPage() override { return false; }
    PrintError finishDevice(bool painted) override;
    void abortDevice(QPainter& painter) override;

private:
    std::unique_ptr<QImage> m_image;
};

}  // namespace cal::qtui
