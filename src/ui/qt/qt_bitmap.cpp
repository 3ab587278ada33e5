#include "ui/qt/qt_bitmap.h"

#include "ui/qt/qt_strings.h"

namespace cal::qtui {

bool QtBitmap::load(const std::string& path) {
    m_file = probePicture(toQString(path));
    return m_file.has_value();
}

QImage QtBitmap::scaled(const QSize& size) const {
    return m_file ? m_cache.scaled(*m_file, size) : QImage();
}

}  // namespace cal::qtui
