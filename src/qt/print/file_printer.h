#pragma once

#include "qt/print/page_printer.h"

namespace cal::qtui {

// A printer that writes a file without any window: A3 landscape unless the
// paper mode says otherwise; its dialog accepts at once.
class FilePrinter : public PagePrinter {
public:
    PrintError setPaperMode(int paper, int orientation) override;
    PrintError printDialog(PrintChoice& choice) override;
    // A file has no margins the printer cannot reach.
    PaperArea paperArea() const override { return paperOf(pageLayout(), {}); }

protected:
    FilePrinter(QString path, PictureCache* pictures) : PagePrinter(pictures), m_path(std::move(path)) {}
    QPageLayout pageLayout() const;

    QString m_path;

private:
    QPageSize m_pageSize{QPageSize::A3};
    QPageLayout::Orientation m_orientation = QPageLayout::Landscape;
};

}  // namespace cal::qtui
