#pragma once
// A picture file as it was when its header was read.

#include "qt/pictures/bmp_reader.h"
#include "qt/platform/file_state.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

namespace cal::qtui {

struct PictureFile {
    QString path;
    FileState state;
    QSize size;                     // pixels, from the header
    std::optional<BmpLayout> bmp;   // set when the one-pass reader reads it
    std::uint64_t serial = 0;       // names this path in this state within its cache
};

}  // namespace cal::qtui
