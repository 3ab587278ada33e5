#pragma once
// One drawing call on a surface, kept to be drawn later: again on a canvas
// when a picture arrives, or on paper when the printed document ends.

#include "qt/pictures/picture_cache.h"

#include <QString>

#include <algorithm>

namespace cal::qtui {

struct DrawingStep {
    enum class Kind { Text, Rectangle, Picture, Clip, NoClip };
    Kind kind = Kind::NoClip;
    // A rectangle's or a clip's two corners, as drawn; a text's position in
    // x1, y1 and its magnification in x2, y2; a picture's place and size.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int color = 0;
    QString text;
    PictureFile file;

    // The edges of a rectangle or a clip.
    double left() const { return std::min(x1, x2); }
    double right() const { return std::max(x1, x2); }
    double top() const { return std::min(y1, y2); }
    double bottom() const { return std::max(y1, y2); }
    bool clipping() const { return kind == Kind::Clip || kind == Kind::NoClip; }
};

}  // namespace cal::qtui
