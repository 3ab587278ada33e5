#include "qt/qt_bitmap.h"

#include "qt/qt_strings.h"

namespace cal::qtui {

bool QtBitmap::load(const std::string& path) {
    auto [it, added] = m_known.try_emplace(path);
    if (added) it->second = m_cache.probe(toQString(path));
    m_file = it->second ? &*it->second : nullptr;
    return m_file != nullptr;
}

QImage QtBitmap::scaled(const QSize& size) const {
    return m_file ? m_cache.scaled(*m_file, size) : QImage();
}

QImage QtBitmap::scaledCopy(const QSize& size) const {
    return m_file ? m_cache.scaledCopy(*m_file, size) : QImage();
}

}  // namespace cal::qtui
