#include "data/day_lines.h"

#include "data/sjis.h"

namespace cal {

namespace {

// The field's bytes as fieldName reads them, without converting them:
// blanks trimmed at both ends, then cut at the first zero byte.
std::string_view shownBytes(std::span<const char> field) {
    std::string_view bytes(field.data(), field.size());
    while (!bytes.empty() && bytes.front() == ' ') bytes.remove_prefix(1);
    while (!bytes.empty() && bytes.back() == ' ') bytes.remove_suffix(1);
    return bytes.substr(0, bytes.find('\0'));
}

template <typename Fields>
Placed addTo(Fields& fields, std::size_t first, std::size_t last, std::string_view text, std::size_t& where) {
    // Compared as it would be stored: cut to the field, blanks trimmed.
    std::string fitted = fitToSjisWidth(text, fields[first].size());
    while (fitted.ends_with(' ')) fitted.pop_back();
    while (fitted.starts_with(' ')) fitted.erase(0, 1);
    if (fitted.empty()) return Placed::AlreadyThere;
    const std::string stored = utf8ToSjis(fitted);
    std::size_t free = 0;
    for (std::size_t k = first; k <= last; ++k) {
        const std::string_view shown = shownBytes(fields[k]);
        // Bytes other programs wrote that read as the same text count too.
        if (shown == stored || (shown.size() == stored.size() && fieldName(fields[k]) == fitted))
            return Placed::AlreadyThere;
        if (shown.empty() && free == 0) free = k;
    }
    if (free == 0) return Placed::NoRoom;
    storeField(fields[free], fitted);
    where = free;
    return Placed::Added;
}

}  // namespace

Placed addScheduleLine(DayCell& cell, std::string_view text) {
    std::size_t line = 0;
    const Placed placed = addTo(cell.lineText, 1, 8, text, line);
    if (placed == Placed::Added) cell.lineCheck[line].set(0);
    return placed;
}

Placed addSmallPicture(DayCell& cell, std::string_view picture) {
    std::size_t slot = 0;
    return addTo(cell.pictureFile, 3, 8, picture, slot);
}

}  // namespace cal
