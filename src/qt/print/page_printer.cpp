#include "qt/print/page_printer.h"

#include "ui/form_description.h"
#include "qt/drawing/palette.h"
#include "qt/drawing/qt_bitmap.h"
#include "qt/qt_strings.h"

#include <QFontMetricsF>
#include <QPen>

#include <algorithm>

namespace cal::qtui {

namespace {

constexpr double kLineWidth = 1;       // outlines: one unit of the map mode
// Pictures on paper: at most this many pixels per inch, and never more than
// the device has (a PDF page has 254: one pixel per 0.1 mm).
constexpr double kPictureDpi = 300;

}  // namespace

// ---- the page --------------------------------------------------------------

void PrintedPage::text(double x, double y, std::string_view text, double magX, double magY,
                       int color) {
    m_printer.drawText(x, y, text, magX, magY, color);
}

void PrintedPage::rectangle(double x1, double y1, double x2, double y2, int color) {
    m_printer.drawRectangle(x1, y1, x2, y2, color);
}

void PrintedPage::stretch(const Bitmap& bitmap, double x, double y, double width, double height) {
    m_printer.drawPicture(bitmap, x, y, width, height);
}

void PrintedPage::clip(double x1, double y1, double x2, double y2) {
    // Half the outline's width beyond the edges keeps a frame drawn there whole.
    const double edge = std::max(kLineWidth, m_printer.m_unitsPerDot) / 2;
    m_printer.setClip(QRectF(QPointF(std::min(x1, x2) - edge, std::min(y1, y2) - edge),
                             QPointF(std::max(x1, x2) + edge, std::max(y1, y2) + edge)));
}

void PrintedPage::noClip() { m_printer.setClip(std::nullopt); }

// ---- document and page steps -----------------------------------------------

PagePrinter::~PagePrinter() {
    // The printers abort their own documents; this only catches a painter
    // left behind.
    if (m_painter.isActive()) m_painter.end();
}

void PagePrinter::applyPaperMode(int paper, int orientation, QPageSize& size,
                                 QPageLayout::Orientation& layout) {
    if (paper == 8) size = QPageSize(QPageSize::A3);
    if (paper == 9) size = QPageSize(QPageSize::A4);
    if (orientation == 1) layout = QPageLayout::Portrait;
    if (orientation == 2) layout = QPageLayout::Landscape;
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
    if (m_pages > 0) m_pageSteps.emplace_back();
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
    m_pictures.clear();
    m_pageSteps.assign(1, {});
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

void PagePrinter::drawText(double x, double y, std::string_view text, double magX, double magY,
                           int color) {
    if (!drawable() || text.empty() || magX <= 0 || magY <= 0) return;
    Step step{Step::Kind::Text, m_painter.transform(), QRectF(x, y, magX, magY), color, toQString(text),
              m_fontFamily, m_fontPoints * m_unitsPerDot, {}, {}};
    m_pageSteps.back().push_back(std::move(step));
}

void PagePrinter::setClip(const std::optional<QRectF>& area) {
    if (!drawable()) return;
    m_pageSteps.back().push_back({area ? Step::Kind::Clip : Step::Kind::NoClip, m_painter.transform(), area.value_or(QRectF()),
                       0, {}, {}, 0, {}, {}});
}

void PagePrinter::drawRectangle(double x1, double y1, double x2, double y2, int color) {
    if (!drawable()) return;
    const QRectF area(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)));
    m_pageSteps.back().push_back({Step::Kind::Rectangle, m_painter.transform(), area, color, {}, {}, 0, {}, {}});
}

void PagePrinter::drawPicture(const Bitmap& bitmap, double x, double y, double width,
                              double height) {
    if (!drawable()) return;
    const auto* qtBitmap = dynamic_cast<const QtBitmap*>(&bitmap);
    if (qtBitmap == nullptr || !qtBitmap->file() || width <= 0 || height <= 0) return;
    if (m_cache == nullptr) m_cache = &qtBitmap->cache();
    // The pixels the picture needs: the drawn size in device dots at no more
    // than kPictureDpi.
    const QRectF target(x, y, width, height);
    const QSizeF dots = m_painter.transform().mapRect(target).size();
    const QPaintDevice* device = m_painter.device();
    const double perDotX = std::min(1.0, kPictureDpi / device->logicalDpiX());
    const double perDotY = std::min(1.0, kPictureDpi / device->logicalDpiY());
    const QSize pixels(std::max(1, qRound(dots.width() * perDotX)),
                       std::max(1, qRound(dots.height() * perDotY)));
    m_pageSteps.back().push_back({Step::Kind::Picture, m_painter.transform(), target, 0, {}, {}, 0, *qtBitmap->file(), pixels});
}

bool PagePrinter::paintDocument() {
    // Each file once in the whole document, at the largest size any page
    // draws it, in the order the pages first draw them.
    std::vector<std::pair<PictureFile, QSize>> wanted;
    std::map<QString, std::size_t> order;  // path → its place in `wanted`
    for (const std::vector<Step>& steps : m_pageSteps)
        for (const Step& step : steps) {
            if (step.kind != Step::Kind::Picture) continue;
            const auto [it, added] = order.try_emplace(step.file.path, wanted.size());
            if (added)
                wanted.emplace_back(step.file, step.pixels);
            else
                wanted[it->second].second = wanted[it->second].second.expandedTo(step.pixels);
        }
    // Never more pixels than the file has.
    for (auto& [file, size] : wanted) size = size.boundedTo(file.size);

    // The pages are painted while later pictures are still being read: a
    // step waits only for its own picture.
    std::size_t page = 0;
    std::size_t next = 0;  // the next step of the page to paint
    bool pageOpen = true;
    bool noPage = false;
    const auto paintWhileIn = [&](std::size_t picturesIn) {
        while (!noPage && page < m_pageSteps.size()) {
            if (!pageOpen && !(pageOpen = newPage())) {
                noPage = true;
                return;
            }
            const std::vector<Step>& steps = m_pageSteps[page];
            for (; next < steps.size(); ++next) {
                const Step& step = steps[next];
                if (step.kind == Step::Kind::Picture && order[step.file.path] >= picturesIn) return;
                paintStep(step);
            }
            m_painter.setClipping(false);
            ++page;
            next = 0;
            pageOpen = false;
        }
    };
    std::multimap<std::size_t, const QImage*> seen;
    const auto arrived = [&](std::size_t i, const QImage& copy) {
        keepPicture(wanted[i].first.path, copy, seen);
        paintWhileIn(i + 1);
    };
    if (m_cache != nullptr)
        m_cache->scaledCopies(wanted, arrived);
    else
        for (std::size_t i = 0; i < wanted.size(); ++i) arrived(i, QImage());
    paintWhileIn(wanted.size());
    m_pageSteps.assign(1, {});
    return !noPage;
}

// Two files with the same pixels (a copy under another name) become one
// image: a PDF embeds it once.
void PagePrinter::keepPicture(const QString& path, const QImage& picture,
                              std::multimap<std::size_t, const QImage*>& seen) {
    QImage& kept = m_pictures[path];
    kept = picture;
    if (picture.isNull()) return;
    const std::size_t hash = qHashBits(picture.constBits(), static_cast<std::size_t>(picture.sizeInBytes()));
    const auto [first, last] = seen.equal_range(hash);
    const auto same = std::find_if(first, last, [&](const auto& earlier) { return *earlier.second == picture; });
    if (same != last)
        kept = *same->second;
    else
        seen.emplace(hash, &kept);
}

void PagePrinter::paintStep(const Step& step) {
    m_painter.setTransform(step.transform);
    switch (step.kind) {
    case Step::Kind::Text: {
        // Points are converted with the device's resolution, and the map mode
        // scales once more: the size was taken back out when it was drawn.
        QFont font(step.fontFamily);
        font.setPointSizeF(step.fontPoints);
        m_painter.setFont(font);
        m_painter.setPen(paletteColor(step.color));
        m_painter.translate(step.area.x(), step.area.y());
        m_painter.scale(step.area.width(), step.area.height());
        const QFontMetricsF metrics(m_painter.font(), m_painter.device());
        m_painter.drawText(QPointF(0, metrics.ascent()), step.text);
        break;
    }
    case Step::Kind::Rectangle: {
        QPen pen(paletteColor(step.color));
        // At least one dot of the device: a picture of the page keeps its frames.
        pen.setWidthF(std::max(kLineWidth, m_unitsPerDot));
        pen.setJoinStyle(Qt::MiterJoin);
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(step.area);
        break;
    }
    case Step::Kind::Picture: {
        // The same image object every time: a PDF then holds the picture once.
        const QImage& picture = m_pictures[step.file.path];
        if (picture.isNull())
            m_failed.insert(step.file.path);
        else
            m_painter.drawImage(step.area, picture);
        break;
    }
    case Step::Kind::Clip: m_painter.setClipRect(step.area); break;
    case Step::Kind::NoClip: m_painter.setClipping(false); break;
    }
}

}  // namespace cal::qtui
