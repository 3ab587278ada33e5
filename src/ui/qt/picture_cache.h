#pragma once
// Picture files: what a file's header says, decoding, and a bounded cache
// of pictures already scaled to the size they are drawn at.

#include <QImage>
#include <QSize>
#include <QString>

#include <cstddef>
#include <list>
#include <map>
#include <optional>
#include <tuple>

namespace cal::qtui {

// A picture file as it was when its header was read.
struct PictureFile {
    QString path;
    qint64 modified = 0;  // modification time, ms since the epoch
    qint64 bytes = 0;     // file size
    QSize size;           // pixels, from the header
};

// Reads only the header; nothing when the file is not a picture Qt can read.
// The format comes from the file's contents, whatever its name says.
std::optional<PictureFile> probePicture(const QString& path);
// The whole picture at full size; a null image when it cannot be decoded.
QImage decodePicture(const QString& path);

// Pictures scaled to a drawn size, keyed by file, file state and size. The
// least recently used go first once the pixels exceed the byte limit, so a
// file changed on disk (new time or size) is decoded anew.
class PictureCache {
public:
    static constexpr qsizetype kDefaultLimit = qsizetype{32} * 1024 * 1024;

    explicit PictureCache(qsizetype limitBytes = kDefaultLimit) : m_limit(limitBytes) {}

    // The picture scaled (aspect not kept) to `size`; null when it cannot be
    // decoded or the size is empty.
    QImage scaled(const PictureFile& file, const QSize& size);

    qsizetype bytes() const { return m_bytes; }
    std::size_t entries() const { return m_entries.size(); }
    // How many times a file was decoded since the cache was made.
    int decodes() const { return m_decodes; }
    void clear();

private:
    using Key = std::tuple<QString, qint64, qint64, int, int>;
    struct Entry {
        Key key;
        QImage image;
    };

    void evictDownTo(qsizetype limit);

    qsizetype m_limit;
    qsizetype m_bytes = 0;
    int m_decodes = 0;
    std::list<Entry> m_entries;  // most recently used first
    std::map<Key, std::list<Entry>::iterator> m_index;
};

}  // namespace cal::qtui
