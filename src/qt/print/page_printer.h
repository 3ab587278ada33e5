#pragma once
// The page being printed and the document and page steps every printer on
// Qt shares. A page is drawn in tenths of a millimetre from the paper's
// top-left corner once map mode 2 is set.

#include "ui/printer.h"
#include "qt/pictures/picture_cache.h"
#include "qt/print/printed_document.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

class QPaintDevice;

namespace cal::qtui {

inline constexpr double kUnitsPerInch = 254;  // tenths of a millimetre

class PagePrinter;
class QtBitmap;

// The drawing surface of the page being printed.
class PrintedPage final : public Surface {
public:
    explicit PrintedPage(PagePrinter& printer) : m_printer(printer) {}
    // A printed page is fresh paper: there is nothing to clear.
    void clear() override {}
    void text(double x, double y, std::string_view text, double magX, double magY,
              int color) override;
    void rectangle(double x1, double y1, double x2, double y2, int color) override;
    void stretch(const Bitmap& bitmap, double x, double y, double width, double height) override;
    void clip(double x1, double y1, double x2, double y2) override;
    void noClip() override;

private:
    PagePrinter& m_printer;
};

// The document and page steps shared by both printers. A document started
// when the dialog was not accepted (cancelled, or set-up failed) is empty:
// nothing begins, its steps answer PrintError::None and abortDocument simply forgets it.
class PagePrinter : public Printer {
public:
    ~PagePrinter() override;
    PagePrinter(const PagePrinter&) = delete;
    PagePrinter& operator=(const PagePrinter&) = delete;

    PrintError startDocument(std::string_view name) override;
    PrintError startPage() override;
    PrintError setMapMode(int mode) override;
    void setFont(std::string_view name, double points) override;
    Surface& page() override { return m_page; }
    PrintError error() const override { return m_error; }
    PrintError endPage() override;
    PrintError endDocument() override;
    PrintError abortDocument() override;
    PrintError close() override;
    std::vector<std::string> undrawnPictures() const override { return m_undrawn; }

    bool printing() const { return m_painter.isActive(); }
    // Distinct picture files decoded for the open document.
    std::size_t documentPictures() const { return m_document.keptPictures(); }

protected:
    // Files that cannot be drawn are also learned from `pictures`, when given.
    explicit PagePrinter(PictureCache* pictures) : m_cache(pictures) {}

    // Set by the print dialog: documents begin only when it was accepted.
    void setAccepted(bool accepted) { m_accepted = accepted; }
    bool accepted() const { return m_accepted; }
    static void applyPaperMode(int paper, int orientation, QPageSize& size,
                               QPageLayout::Orientation& layout);
    // The paper of `layout` in 0.1 mm, printable inside `minimum` margins.
    static PaperArea paperOf(const QPageLayout& layout, const QMarginsF& minimum);

    // The device the document is painted on, ready to begin; nullptr when it
    // cannot be had.
    virtual QPaintDevice* openDevice(const QString& name) = 0;
    virtual bool newPage() = 0;
    // After the painter ended: what failed, if anything. Releases the device.
    virtual PrintError finishDevice(bool painted) = 0;
    // Ends the active painter leaving no output, and releases the device.
    virtual void abortDevice(QPainter& painter) = 0;

private:
    friend class PrintedPage;
    // Every drawing needs an open document; answers whether there is one.
    bool drawable();
    // Keeps the step with the map mode, a text's font and a picture's pixels.
    void record(DrawingStep step);
    // Paints every page; false when the device gave no new page.
    bool paintDocument();
    void paintStep(const PrintStep& step);
    void forgetDocument();

    QPainter m_painter;
    PrintedPage m_page{*this};
    QString m_fontFamily;
    double m_fontPoints = 12;
    double m_unitsPerDot = 1;  // world units per device dot: 1 in mode 1
    PrintedDocument m_document;  // the open one
    PictureCache* m_cache;
    std::uint64_t m_failureMark = 0;
    std::set<QString> m_failed;  // files the open document could not draw
    std::vector<std::string> m_undrawn;  // of the last finished document
    bool m_accepted = false;
    bool m_emptyDocument = false;  // started without an accepted dialog
    int m_pages = 0;  // pages started in the open document
    PrintError m_error = PrintError::None;
};

}  // namespace cal::qtui
