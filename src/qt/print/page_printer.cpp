#include "qt/print/page_printer.h"

#include "ui/form_description.h"
#include "qt/drawing/palette.h"
#include "qt/drawing/qt_bitmap.h"
#include "qt/qt_strings.h"

#include <QFontMetricsF>
#include <QPen>

#include <algorithm>
#include <array>
#include <utility>

namespace cal::qtui {

namespace {

constexpr double kLineWidth = 1;       // outlines: one unit of the map mode
// Pictures on paper: at most this many pixels per inch, and never more than
// the device has (a PDF page has 254: one pixel per 0.1 mm).
constexpr double kPictureDpi = 300;
// The papers of kPapers as Qt knows them.
constexpr std::array<std::pair<int, QPageSize::PageSizeId>, 4> kPaperIds{{
    {8, QPageSize::A3}, {12, QPageSize::JisB4}, {9, QPageSize::A4}, {1, QPageSize::Letter}}};

}  // namespace

// ---- the page --------------------------------------------------------------

void PrintedPage::text(double x, double y, std::string_view text, double magX, double magY,
                       int color) {
    if (!m_printer.drawable() || text.empty() || magX <= 0 || magY <= 0) return;
    m_printer.record({DrawingStep::Kind::Text, x, y, magX, magY, color, toQString(text), {}});
}

void PrintedPage::rectangle(double x1, double y1, double x2, double y2, int color) {
    if (!m_printer.drawable()) return;
    m_printer.record({DrawingStep::Kind::Rectangle, x1, y1, x2, y2, color, {}, {}});
}

void PrintedPage::stretch(const Bitmap& bitmap, double x, double y, double width, double height) {
    if (!m_printer.drawable()) return;
    const auto* qtBitmap = dynamic_cast<const QtBitmap*>(&bitmap);
    if (qtBitmap == nullptr || !qtBitmap->file() || width <= 0 || height <= 0) return;
    if (m_printer.m_cache == nullptr) m_printer.m_cache = &qtBitmap->cache();
    m_printer.record({DrawingStep::Kind::Picture, x, y, width, height, 0, {}, *qtBitmap->file()});
}

void PrintedPage::clip(double x1, double y1, double x2, double y2) {
    if (!m_printer.drawable()) return;
    // Half the outline's width beyond the edges keeps a frame drawn there whole.
    const double edge = std::max(kLineWidth, m_printer.m_unitsPerDot) / 2;
    m_printer.record({DrawingStep::Kind::Clip, std::min(x1, x2) - edge, std::min(y1, y2) - edge,
                      std::max(x1, x2) + edge, std::max(y1, y2) + edge, 0, {}, {}});
}

void PrintedPage::noClip() {
    if (m_printer.drawable()) m_printer.record({DrawingStep::Kind::NoClip, 0, 0, 0, 0, 0, {}, {}});
}

// ---- document and page steps -----------------------------------------------

PagePrinter::~PagePrinter() {
    // The printers abort their own documents; this only catches a painter
    // left behind.
    if (m_painter.isActive()) m_painter.end();
}

void PagePrinter::applyPaperMode(int paper, int orientation, QPageSize& size,
                                 QPageLayout::Orientation& layout) {
    for (const auto& [code, id] : kPaperIds)
        if (paper == code) size = QPageSize(id);
    if (orientation == 1) layout = QPageLayout::Portrait;
    if (orientation == 2) layout = QPageLayout::Landscape;
}

PaperArea PagePrinter::paperOf(const QPageLayout& layout, const QMarginsF& minimum) {
    PaperArea area;
    area.code = 0;
    for (const auto& [code, id] : kPaperIds)
        if (layout.pageSize().id() == id) area.code = code;
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = full.marginsRemoved(minimum);
    area.paper = {0, 0, full.width() * 10, full.height() * 10};
    area.printable = {printable.x() * 10, printable.y() * 10, printable.width() * 10, printable.height() * 10};
    return area;
}

PrintError PagePrinter::startDocument(std::string_view name) {
    // A document still open is dropped, never printed half.
    abortDocument();
    m_error = PrintError::None;
    m_unitsPerDot = 1;
    m_fontFamily = toQString(kGothic);
    m_fontPoints = 12;
    m_undrawn.clear();
    if (m_cache != nullptr) m_failureMark = m_cache->failureMark();
    if (!m_accepted) {
        m_emptyDocument = true;
        return PrintError::None;
    }
    QPaintDevice* device = openDevice(toQString(name));
    if (device == nullptr) return PrintError::Begin;
    if (!m_painter.begin(device)) {
        finishDevice(false);
        return PrintError::Begin;
    }
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    // Pictures kept whole (Flate in a PDF): clip-art stays sharp, and smaller.
    m_painter.setRenderHint(QPainter::LosslessImageRendering);
    return PrintError::None;
}

PrintError PagePrinter::startPage() {
    if (m_emptyDocument) return PrintError::None;
    if (!printing()) return PrintError::NotPrinting;
    // Beginning the painter opened the first page; the pages are painted
    // when the document ends.
    if (m_pages > 0) m_document.addPage();
    ++m_pages;
    return PrintError::None;
}

PrintError PagePrinter::setMapMode(int mode) {
    if (m_emptyDocument) return PrintError::None;
    if (!printing()) return PrintError::NotPrinting;
    if (mode != 1 && mode != 2) return PrintError::MapMode;
    m_painter.resetTransform();
    m_unitsPerDot = 1;
    if (mode == 2) {
        const QPaintDevice* device = m_painter.device();
        m_painter.scale(device->logicalDpiX() / kUnitsPerInch, device->logicalDpiY() / kUnitsPerInch);
        m_unitsPerDot = kUnitsPerInch / device->logicalDpiY();
    }
    return PrintError::None;
}

void PagePrinter::setFont(std::string_view name, double points) {
    m_fontFamily = toQString(name);
    m_fontPoints = points;
}

PrintError PagePrinter::endPage() {
    if (m_emptyDocument) return PrintError::None;
    if (!printing()) return PrintError::NotPrinting;
    return PrintError::None;
}

PrintError PagePrinter::endDocument() {
    if (m_emptyDocument) {
        forgetDocument();
        return PrintError::None;
    }
    if (!printing()) return PrintError::NotPrinting;
    const bool allPages = paintDocument();
    if (m_cache != nullptr)
        for (const QString& path : m_cache->failuresSince(m_failureMark)) m_failed.insert(path);
    for (const QString& path : m_failed) m_undrawn.push_back(toStdString(path));
    const bool painted = m_painter.end();
    const PrintError result = finishDevice(painted && allPages);
    forgetDocument();
    return result;
}

PrintError PagePrinter::abortDocument() {
    if (printing()) abortDevice(m_painter);
    forgetDocument();
    return PrintError::None;
}

PrintError PagePrinter::close() {
    abortDocument();
    m_accepted = false;
    return PrintError::None;
}

void PagePrinter::forgetDocument() {
    m_document.clear();
    m_failed.clear();
    m_emptyDocument = false;
    m_pages = 0;
}

// ---- drawing ---------------------------------------------------------------

bool PagePrinter::drawable() {
    if (printing()) return true;
    if (!m_emptyDocument && m_error == PrintError::None) m_error = PrintError::NotPrinting;
    return false;
}

void PagePrinter::record(DrawingStep step) {
    PrintStep printed{std::move(step), m_painter.transform(), {}, 0, {}};
    if (printed.drawn.kind == DrawingStep::Kind::Text) {
        printed.fontFamily = m_fontFamily;
        printed.fontPoints = m_fontPoints * m_unitsPerDot;
    }
    if (printed.drawn.kind == DrawingStep::Kind::Picture) {
        // The pixels the picture needs: the drawn size in device dots at no
        // more than kPictureDpi.
        const QRectF target(printed.drawn.x1, printed.drawn.y1, printed.drawn.x2, printed.drawn.y2);
        const QSizeF dots = printed.transform.mapRect(target).size();
        const QPaintDevice* device = m_painter.device();
        const double perDotX = std::min(1.0, kPictureDpi / device->logicalDpiX());
        const double perDotY = std::min(1.0, kPictureDpi / device->logicalDpiY());
        printed.pixels = QSize(std::max(1, qRound(dots.width() * perDotX)),
                               std::max(1, qRound(dots.height() * perDotY)));
    }
    m_document.record(std::move(printed));
}

bool PagePrinter::paintDocument() {
    const DocumentPictures wanted = m_document.pictures();
    const std::vector<std::vector<PrintStep>>& pages = m_document.pages();

    // The pages are painted while later pictures are still being read: a
    // step waits only for its own picture.
    std::size_t page = 0;
    std::size_t next = 0;  // the next step of the page to paint
    bool pageOpen = true;
    bool noPage = false;
    const auto paintWhileIn = [&](std::size_t picturesIn) {
        while (!noPage && page < pages.size()) {
            if (!pageOpen && !(pageOpen = newPage())) {
                noPage = true;
                return;
            }
            const std::vector<PrintStep>& steps = pages[page];
            for (; next < steps.size(); ++next) {
                const PrintStep& step = steps[next];
                const bool picture = step.drawn.kind == DrawingStep::Kind::Picture;
                if (picture && wanted.order.find(step.drawn.file.path)->second >= picturesIn) return;
                paintStep(step);
            }
            m_painter.setClipping(false);
            ++page;
            next = 0;
            pageOpen = false;
        }
    };
    const auto arrived = [&](std::size_t i, const QImage& copy) {
        m_document.keepPicture(wanted.files[i].first.path, copy);
        paintWhileIn(i + 1);
    };
    if (m_cache != nullptr)
        m_cache->scaledCopies(wanted.files, arrived);
    else
        for (std::size_t i = 0; i < wanted.files.size(); ++i) arrived(i, QImage());
    paintWhileIn(wanted.files.size());
    return !noPage;
}

void PagePrinter::paintStep(const PrintStep& printed) {
    const DrawingStep& step = printed.drawn;
    m_painter.setTransform(printed.transform);
    switch (step.kind) {
    case DrawingStep::Kind::Text: {
        // Points are converted with the device's resolution, and the map mode
        // scales once more: the size was taken back out when it was drawn.
        QFont font(printed.fontFamily);
        font.setPointSizeF(printed.fontPoints);
        m_painter.setFont(font);
        m_painter.setPen(paletteColor(step.color));
        m_painter.translate(step.x1, step.y1);
        m_painter.scale(step.x2, step.y2);
        const QFontMetricsF metrics(m_painter.font(), m_painter.device());
        m_painter.drawText(QPointF(0, metrics.ascent()), step.text);
        break;
    }
    case DrawingStep::Kind::Rectangle: {
        QPen pen(paletteColor(step.color));
        // At least one dot of the device: a picture of the page keeps its frames.
        pen.setWidthF(std::max(kLineWidth, m_unitsPerDot));
        pen.setJoinStyle(Qt::MiterJoin);
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(QRectF(QPointF(step.left(), step.top()), QPointF(step.right(), step.bottom())));
        break;
    }
    case DrawingStep::Kind::Picture: {
        const QImage& picture = m_document.picture(step.file.path);
        if (picture.isNull())
            m_failed.insert(step.file.path);
        else
            m_painter.drawImage(QRectF(step.x1, step.y1, step.x2, step.y2), picture);
        break;
    }
    case DrawingStep::Kind::Clip:
        m_painter.setClipRect(QRectF(QPointF(step.x1, step.y1), QPointF(step.x2, step.y2)));
        break;
    case DrawingStep::Kind::NoClip: m_painter.setClipping(false); break;
    }
}

}  // namespace cal::qtui
