#include "qt/print/pdf_printer.h"

#include "pdf/pdf_predictors.h"

#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryFile>

#include <cstdio>

namespace cal::qtui {

PdfPrinter::PdfPrinter(QString path, PictureCache* pictures) : FilePrinter(std::move(path), pictures) {}

PdfPrinter::~PdfPrinter() { abortDocument(); }

QPaintDevice* PdfPrinter::openDevice(const QString& name) {
    m_file = std::make_unique<QTemporaryFile>(QFileInfo(m_path).absoluteFilePath() +
                                              QStringLiteral(".XXXXXX"));
    if (!m_file->open()) {
        m_file.reset();
        return nullptr;
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setResolution(static_cast<int>(kUnitsPerInch));
    m_writer->setPageLayout(pageLayout());
    m_writer->setTitle(name);
    m_writer->setCreator(QStringLiteral("calendar"));
    return m_writer.get();
}

bool PdfPrinter::newPage() { return m_writer->newPage(); }

// Codes the pictures of the finished temporary file the way PNG files do.
bool PdfPrinter::shrinkPictures() {
    if (!m_file->flush() || !m_file->seek(0)) return false;
    const QByteArray written = m_file->readAll();
    const std::string smaller = pdf::withPngPredictors(std::string_view(written.constData(), written.size()));
    if (smaller.size() >= static_cast<std::size_t>(written.size())) return true;
    return m_file->seek(0) && m_file->write(smaller.data(), static_cast<qint64>(smaller.size())) ==
                                  static_cast<qint64>(smaller.size()) &&
           m_file->resize(static_cast<qint64>(smaller.size()));
}

PrintError PdfPrinter::finishDevice(bool painted) {
    m_writer.reset();
    if (!painted || !m_file->isOpen() || !shrinkPictures() || !m_file->flush() ||
        m_file->error() != QFileDevice::NoError) {
        m_file.reset();  // removes the temporary file
        return PrintError::Finish;
    }
    m_file->close();
    const QFileDevice::Permissions permissions =
        QFile::exists(m_path) ? QFile::permissions(m_path)
                              : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther;
    m_file->setPermissions(permissions);
    const QByteArray from = QFile::encodeName(m_file->fileName());
    const QByteArray to = QFile::encodeName(m_path);
    if (std::rename(from.constData(), to.constData()) != 0) {
        m_file.reset();
        return PrintError::ReplaceFile;
    }
    m_file->setAutoRemove(false);
    m_file.reset();
    return PrintError::None;
}

void PdfPrinter::abortDevice(QPainter& painter) {
    painter.end();
    m_writer.reset();
    m_file.reset();
}

}  // namespace cal::qtui
