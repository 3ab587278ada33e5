#include "qt/print/file_printer.h"

#include <QMarginsF>

namespace cal::qtui {

PrintError FilePrinter::setPaperMode(int paper, int orientation) {
    applyPaperMode(paper, orientation, m_pageSize, m_orientation);
    return PrintError::None;
}

PrintError FilePrinter::printDialog(PrintChoice& choice) {
    choice.accepted = true;
    setAccepted(true);
    return PrintError::None;
}

QPageLayout FilePrinter::pageLayout() const {
    return QPageLayout(m_pageSize, m_orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

}  // namespace cal::qtui
