#pragma once
// The page being printed and the document and page steps every printer on
// Qt shares. A page is drawn in tenths of a millimetre from the paper's
// top-left corner once map mode 2 is set.

#include "ui/printer.h"
#include "qt/pictures/picture_cache.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <map>
#include <optional>
#include <set>
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
    std::size_t documentPictures() const { return m_pictures.size(); }

protected:
    // Files that cannot be drawn are also learned from `pictures`, when given.
    explicit PagePrinter(PictureCache* pictures) : m_cache(pictures) {}

    // Set by the print dialog: documents begin only when it was accepted.
    void setAccepted(bool accepted) { m_accepted = accepted; }
    bool accepted() const { return m_accepted; }
    static void applyPaperMode(int paper, int orientation, QPageSize& size,
                               QPageLayout::Orientation& layout);

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
    // One drawing call, kept until the document is complete: only then is
    // the largest size of each picture known, and each is embedded once, at
    // that size, however many pages draw it.
    struct Step {
        enum class Kind { Text, Rectangle, Picture, Clip, NoClip } kind;
        QTransform transform;
        QRectF area;  // a text's position and magnification; a rectangle; a picture's place
        int color = 0;
        QString text;
        QString fontFamily;
        double fontPoints = 0;
        PictureFile file;
        QSize pixels;  // what a picture needs at its place
    };

    void drawText(double x, double y, std::string_view text, double magX, double magY, int color);
    void drawRectangle(double x1, double y1, double x2, double y2, int color);
    void drawPicture(const Bitmap& bitmap, double x, double y, double width, double height);
    void setClip(const std::optional<QRectF>& area);
    // Every drawing needs an open document; answers whether there is one.
    bool drawable();
    // Paints every page; false when the device gave no new page.
    bool paintDocument();
    // The document's picture for `path`: an equal one kept before (`seen`,
    // by the hash of its pixels) when there is one.
    void keepPicture(const QString& path, const QImage& picture, std::multimap<std::size_t, const QImage*>& seen);
    void paintStep(const Step& step);
    void forgetDocument();

    QPainter m_painter;
    PrintedPage m_page{*this};
    QString m_fontFamily;
    double m_fontPoints = 12;
    double m_unitsPerDot = 1;  // world units per device dot: 1 in mode 1
    std::map<QString, QImage> m_pictures;  // path → picture, per document
    std::vector<std::vector<Step>> m_pageSteps{1};  // each page of the open document
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
