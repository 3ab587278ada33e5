#include "qt/print/window_printer.h"

#include <QCheckBox>
#include <QFile>
#include <QVBoxLayout>
#include <QMarginsF>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

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

PrintError WindowPrinter::printDialog(PrintChoice& choice) {
    choice.accepted = false;
    setAccepted(false);
    if (!m_printer->isValid()) return PrintError::NoPrinter;
    QPrintDialog dialog(m_printer.get(), m_owner.data());
    dialog.setWindowTitle(QString::fromUtf8("印刷"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    auto* edition = new QWidget;
    edition->setWindowTitle(QString::fromUtf8("職員用"));
    auto* staff = new QCheckBox(QString::fromUtf8("職員用（非表示の予定も印刷）"), edition);
    staff->setObjectName(QStringLiteral("STAFF"));
    staff->setChecked(choice.staff);
    (new QVBoxLayout(edition))->addWidget(staff);
    dialog.setOptionTabs({edition});
    // Qt's own dialog keeps its options folded away: they open with the
    // staff edition's tab in front, where the teacher sees the box.
    QTimer::singleShot(0, &dialog, [&dialog, edition] {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text().endsWith(QStringLiteral(">>"))) button->click();
        for (QTabWidget* tabs : dialog.findChildren<QTabWidget*>())
            if (tabs->indexOf(edition) >= 0) tabs->setCurrentWidget(edition);
    });
    choice.accepted = dialog.exec() == QDialog::Accepted;
    choice.staff = staff->isChecked();
    // The page is drawn from the paper's corner, whatever the dialog set, and
    // on the paper laid landscape as the page is.
    m_printer->setFullPage(true);
    m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    m_printer->setPageOrientation(QPageLayout::Landscape);
    setAccepted(choice.accepted);
    return PrintError::None;
}

PaperArea WindowPrinter::paperArea() const {
    QPageLayout layout = m_printer->pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    return paperOf(layout, layout.minimumMargins());
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
