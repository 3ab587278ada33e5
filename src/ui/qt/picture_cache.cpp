#include "ui/qt/picture_cache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>

namespace cal::qtui {

namespace {

void readByContents(QImageReader& reader) {
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
}

}  // namespace

std::optional<PictureFile> probePicture(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) return std::nullopt;
    QImageReader reader(path);
    readByContents(reader);
    if (!reader.canRead()) return std::nullopt;
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) return std::nullopt;
    return PictureFile{path, info.lastModified().toMSecsSinceEpoch(), info.size(), size};
}

QImage decodePicture(const QString& path) {
    QImageReader reader(path);
    readByContents(reader);
    return reader.read();
}

QImage PictureCache::scaled(const PictureFile& file, const QSize& size) {
    if (size.isEmpty()) return {};
    const Key key{file.path, file.modified, file.bytes, size.width(), size.height()};
    if (const auto it = m_index.find(key); it != m_index.end()) {
        m_entries.splice(m_entries.begin(), m_entries, it->second);
        return it->second->image;
    }

    QImage picture;
    {
        // The full-size picture lives only until it is scaled.
        const QImage full = decodePicture(file.path);
        ++m_decodes;
        if (full.isNull()) return {};
        picture = full.size() == size
                      ? full
                      : full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    picture = picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                                : QImage::Format_RGB32);

    const qsizetype cost = picture.sizeInBytes();
    if (cost > m_limit) return picture;  // too big to keep at all
    evictDownTo(m_limit - cost);
    m_entries.push_front({key, picture});
    m_index.emplace(key, m_entries.begin());
    m_bytes += cost;
    return picture;
}

void PictureCache::evictDownTo(qsizetype limit) {
    while (m_bytes > limit && !m_entries.empty()) {
        const Entry& oldest = m_entries.back();
        m_bytes -= oldest.image.sizeInBytes();
        m_index.erase(oldest.key);
        m_entries.pop_back();
    }
}

void PictureCache::clear() {
    m_index.clear();
    m_entries.clear();
    m_bytes = 0;
}

}  // namespace cal::qtui
