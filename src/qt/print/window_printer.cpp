#include "qt/print/window_printer.h"

#include <QFile>
#include <QMarginsF>
#include <QPrintDialog>
#include <QPrinter>

namespace cal::qtui {

WindowPrinter::WindowPrinter(QWidget* owner, PictureCache* pictures)
    : PagePrinter(pictures),
      m_owner(owner), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    m_printer->setFullPage(true);
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

WindowPrinter::~WindowPrinter() { abortDocument(); }

PrintError WindowPrinter::setPaperMode(int paper, int orientation) {
    if (!m_printer->isValid()) return PrintError::NoPrinter;
    QPageSize size = m_printer->pageLayout().pageSize();
    QPageLayout::Orientation layout = m_printer->pageLayout().orientation();
    applyPaperMode(paper, orientation, size, layout);
    m_printer->setPageSize(size);
    m_printer->setPageOrientation(layout);
    return PrintError::None;
}

PrintError WindowPrinter::printDialog(bool& accepted) {
    accepted = false;
    setAccepted(false);
    if (!m_printer->isValid()) return PrintError::NoPrinter;
    QPrintDialog dialog(m_printer.get(), m_owner.data());
    dialog.setWindowTitle(QString::fromUtf8("印刷"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    accepted = dialog.exec() == QDialog::Accepted;
    // The page is drawn from the paper's corner, whatever the dialog set.
    m_printer->setFullPage(true);
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    setAccepted(accepted);
    return PrintError::None;
}

QPaintDevice* WindowPrinter::openDevice(const QString& name) {
    m_printer->setDocName(name);
    return m_printer.get();
}

bool WindowPrinter::newPage() { return m_printer->newPage(); }

PrintError WindowPrinter::finishDevice(bool painted) {
    return painted && m_printer->printerState() != QPrinter::Error ? PrintError::None : PrintError::Finish;
}

void WindowPrinter::abortDevice(QPainter& painter) {
    const bool aborted = m_printer->abort();
    painter.end();
    // Printing to a file cannot be aborted by the engine: remove what it wrote.
    if (!aborted && m_printer->outputFormat() == QPrinter::PdfFormat &&
        !m_printer->outputFileName().isEmpty())
        QFile::remove(m_printer->outputFileName());
}

}  // namespace cal::qtui
