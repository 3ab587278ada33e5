#include "ui/qt/qt_bitmap.h"

#include "ui/qt/qt_strings.h"

namespace cal::qtui {

bool QtBitmap::load(const std::string& path) {
    QImage image;
    // The format comes from the file's contents, whatever its name says.
    if (!image.load(toQString(path))) {
        m_image = QImage();
        return false;
    }
    m_image = std::move(image);
    return true;
}

}  // namespace cal::qtui
