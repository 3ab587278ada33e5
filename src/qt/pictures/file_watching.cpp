#include "qt/pictures/picture_cache.h"

#include <QFileSystemWatcher>

namespace cal::qtui {

void PictureCache::watchFiles() {
    if (m_watcher) return;
    m_watcher = std::make_unique<QFileSystemWatcher>();
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, m_notifier.get(),
                     [this](const QString& path) { unwatch(path); });
}

void PictureCache::unwatch(const QString& path) {
    const auto it = m_headers.find(path);
    if (it == m_headers.end() || !it->second.watched) return;
    it->second.watched = false;
    ++m_generation;
    m_watcher->removePath(path);
}

void PictureCache::forgetHeaders() {
    m_headers.clear();
    ++m_generation;
    if (m_watcher && !m_watcher->files().isEmpty()) m_watcher->removePaths(m_watcher->files());
}

}  // namespace cal::qtui
