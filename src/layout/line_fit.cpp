#include "layout/line_fit.h"

#include "data/sjis.h"

namespace cal {

double printedTextWidth(std::string_view utf8, double points) {
    // One Shift-JIS byte is one half-width cell of the font.
    return static_cast<double>(utf8ToSjis(utf8).size()) * points / 2 * 254 / 72;
}

bool lineFits(const DayBox& paper, int line, std::string_view utf8) {
    if (line < 1 || line > 8) return true;
    const double room = paper.frame.x + paper.frame.width - paper.lines[static_cast<std::size_t>(line)].x;
    return printedTextWidth(utf8) <= room;
}

std::vector<LineOverflow> overflowingLines(const MonthCells& cells, const std::vector<DayPlace>& places,
                                           const DayBox& paper) {
    std::vector<LineOverflow> lines;
    for (const DayPlace& place : places) {
        const DayCell& cell = cells[static_cast<std::size_t>(place.cell)];
        for (std::size_t j = 1; j <= 8; ++j)
            if (cell.lineCheck[j].get() == 0 && !lineFits(paper, static_cast<int>(j), fieldText(cell.lineText[j])))
                lines.push_back({place.day, static_cast<int>(j)});
    }
    return lines;
}

}  // namespace cal
