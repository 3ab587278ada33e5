#pragma once

#include "qt/print/file_printer.h"

#include <memory>

class QPdfWriter;
class QTemporaryFile;

namespace cal::qtui {

// A PDF file, one device unit per 0.1 mm. The file appears only when the
// document ends well: it is written beside the target under a temporary name
// and renamed over it.
class PdfPrinter final : public FilePrinter {
public:
    explicit PdfPrinter(QString path, PictureCache* pictures = nullptr);
    ~PdfPrinter() override;

protected:
    QPaintDevice* openDevice(const QString& name) override;
    bool newPage() override;
    PrintError finishDevice(bool painted) override;
    void abortDevice(QPainter& painter) override;

private:
    bool shrinkPictures();

    std::unique_ptr<QTemporaryFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
};

}  // namespace cal::qtui
