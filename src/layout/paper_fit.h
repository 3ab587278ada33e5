#pragma once
// The papers a month page is printed on, and the page fitted to one: scaled
// by one factor about one origin when it is larger than the paper's
// printable area, centred there; left as it is when it fits.

#include "layout/month_layout.h"

#include <array>
#include <string_view>

namespace cal {

// A paper in landscape, 0.1 mm; `code` is the Windows printer settings'.
struct Paper {
    std::string_view name;
    int code;
    double width, height;
};
inline constexpr std::array<Paper, 4> kPapers{{
    {"A3", 8, 4200, 2970},
    {"B4", 12, 3640, 2570},  // JIS B4
    {"A4", 9, 2970, 2100},
    {"Letter", 1, 2794, 2159},
}};
inline constexpr int kA3 = 8;
// nullptr for a name or code not in kPapers.
const Paper* paperNamed(std::string_view name);
const Paper* paperOfCode(int code);

// The paper of a started document and the part of it a printer reaches, in
// 0.1 mm from the paper's top-left corner. `code` is 0 for other papers.
struct PaperArea {
    int code = kA3;
    Rect paper{0, 0, 4200, 2970};
    Rect printable{0, 0, 4200, 2970};
};

// What everything the page draws covers: the border of frame pictures, the
// title band (its texts ending `titleRight` right of the left margin) and
// the grid of `columns` × `rows` boxes.
Rect pageExtent(double boxWidth, double boxHeight, double left, double top, int columns, int rows,
                double titleRight);

// A point of the page maps to origin + scale × point.
struct PageFit {
    double scale = 1;
    Point origin;
    double x(double v) const { return origin.x + scale * v; }
    double y(double v) const { return origin.y + scale * v; }
};
// Identity when `page` lies inside `printable`; otherwise `page` scaled
// down (never up) to fit and centred in `printable`.
PageFit fitPage(const Rect& page, const Rect& printable);

}  // namespace cal
