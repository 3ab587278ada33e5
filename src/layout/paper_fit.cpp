#include "layout/paper_fit.h"

#include "layout/page_border.h"

#include <algorithm>

namespace cal {

namespace {

// The border's places, as borderPlaces lays them out.
constexpr double kBorderLeft = -160, kBorderTop = -80;
constexpr double kBorderRight = -160 + 160 * 23 + kFrameWidth;
constexpr double kBorderBottom = -80 + 128 * 21 + kFrameHeight;
constexpr double kGridTop = 320;  // below the top margin, as paperGrid

bool inside(const Rect& r, const Rect& outer) {
    return r.x >= outer.x && r.y >= outer.y && r.x + r.width <= outer.x + outer.width &&
           r.y + r.height <= outer.y + outer.height;
}

}  // namespace

const Paper* paperNamed(std::string_view name) {
    for (const Paper& p : kPapers)
        if (p.name == name) return &p;
    return nullptr;
}

const Paper* paperOfCode(int code) {
    for (const Paper& p : kPapers)
        if (p.code == code) return &p;
    return nullptr;
}

Rect pageExtent(double boxWidth, double boxHeight, double left, double top, int columns, int rows,
                double titleRight) {
    const double x1 = left + kBorderLeft;
    const double y1 = top + kBorderTop;
    const double x2 = std::max({left + kBorderRight, left + columns * boxWidth, left + titleRight});
    const double y2 = std::max(top + kBorderBottom, top + kGridTop + rows * boxHeight);
    return {x1, y1, x2 - x1, y2 - y1};
}

PageFit fitPage(const Rect& page, const Rect& printable) {
    if (inside(page, printable) || page.width <= 0 || page.height <= 0) return {};
    const double scale = std::min({1.0, printable.width / page.width, printable.height / page.height});
    PageFit fit{scale, {}};
    fit.origin.x = printable.x + (printable.width - scale * page.width) / 2 - scale * page.x;
    fit.origin.y = printable.y + (printable.height - scale * page.height) / 2 - scale * page.y;
    return fit;
}

}  // namespace cal
