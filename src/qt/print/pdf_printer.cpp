#include "qt/print/pdf_printer.h"

#include "data/file_io.h"
#include "pdf/pdf_predictors.h"
#include "qt/qt_strings.h"

#include <QBuffer>
#include <QPdfWriter>

namespace cal::qtui {

PdfPrinter::PdfPrinter(QString path, PictureCache* pictures) : FilePrinter(std::move(path), pictures) {}

PdfPrinter::~PdfPrinter() { abortDocument(); }

QPaintDevice* PdfPrinter::openDevice(const QString& name) {
    std::string error;
    if (!canReplaceFile(toStdString(m_path), error)) return nullptr;
    m_buffer = std::make_unique<QBuffer>();
    if (!m_buffer->open(QIODevice::WriteOnly)) return nullptr;
    m_writer = std::make_unique<QPdfWriter>(m_buffer.get());
    m_writer->setResolution(static_cast<int>(kUnitsPerInch));
    m_writer->setPageLayout(pageLayout());
    m_writer->setTitle(name);
    m_writer->setCreator(QStringLiteral("calendar"));
    return m_writer.get();
}

bool PdfPrinter::newPage() { return m_writer->newPage(); }

PrintError PdfPrinter::finishDevice(bool painted) {
    m_writer.reset();
    const std::unique_ptr<QBuffer> buffer = std::move(m_buffer);
    if (!painted) return PrintError::Finish;
    const QByteArray& pdf = buffer->data();
    const std::string written(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    // Pictures coded the way PNG files do, when that is smaller.
    const std::string smaller = pdf::withPngPredictors(written);
    const std::string& bytes = smaller.size() < written.size() ? smaller : written;
    std::string error;
    return writeFileReplacing(toStdString(m_path), bytes, error) ? PrintError::None : PrintError::ReplaceFile;
}

void PdfPrinter::abortDevice(QPainter& painter) {
    painter.end();
    m_writer.reset();
    m_buffer.reset();
}

}  // namespace cal::qtui
