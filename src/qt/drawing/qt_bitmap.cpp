#include "qt/drawing/qt_bitmap.h"

namespace cal::qtui {

bool QtBitmap::load(const std::string& path) {
    m_file = m_cache.probeName(path);
    return m_file != nullptr;
}

QImage QtBitmap::scaled(const QSize& size) const {
    return m_file ? m_cache.scaled(*m_file, size) : QImage();
}

}  // namespace cal::qtui
