#pragma once

#include "qt/print/file_printer.h"

#include <memory>

class QBuffer;
class QPdfWriter;

namespace cal::qtui {

// A PDF file, one device unit per 0.1 mm. The document is written in memory;
// only when it ends well does it replace the file (writeFileReplacing).
class PdfPrinter final : public FilePrinter {
public:
    explicit PdfPrinter(QString path, PictureCache* pictures = nullptr);
    ~PdfPrinter() override;

protected:
    // Fails when the file could not be replaced, before anything is drawn.
    QPaintDevice* openDevice(const QString& name) override;
    bool newPage() override;
    PrintError finishDevice(bool painted) override;
    void abortDevice(QPainter& painter) override;

private:
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
};

}  // namespace cal::qtui
