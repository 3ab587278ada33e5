#pragma once
// Picture files: what a file's header says, decoding, and a bounded cache
// of reduced copies and of pictures scaled to the size they are drawn at.

#include <QImage>
#include <QSize>
#include <QString>

#include <cstddef>
#include <list>
#include <map>
#include <optional>
#include <tuple>

namespace cal::qtui {

// A file's state on disk: a changed file has another time or size.
struct FileState {
    qint64 modified = 0;  // modification time in the file system's own ticks
    qint64 bytes = 0;     // file size
    bool operator==(const FileState&) const = default;
};

// A picture file as it was when its header was read.
struct PictureFile {
    QString path;
    FileState state;
    QSize size;  // pixels, from the header
};

// One look at the file system; nothing when `path` is not a regular file.
std::optional<FileState> fileState(const QString& path);
// The whole picture at full size; a null image when it cannot be decoded.
QImage decodePicture(const QString& path);
// The picture with 32-bit pixels, the format painting and scaling are
// fastest with.
QImage drawableImage(const QImage& image);
// Scaled to `size`, aspect not kept, every source pixel counted: large
// reductions first halve by averaging, which is much cheaper than Qt's
// smooth scaling of the whole picture.
QImage smoothlyScaled(const QImage& image, const QSize& size);

// Pictures for the screen. Each file state is decoded once into a reduced
// master copy (halved until it fits kMasterSide pixels each way); every drawn
// size is scaled from the master, unless it is larger than the master and
// the file has more to give. Masters and scaled pictures share one byte
// limit: the least recently used go first. A file changed on disk (new time
// or size) is a new key, so it is decoded anew.
class PictureCache {
public:
    static constexpr qsizetype kDefaultLimit = qsizetype{32} * 1024 * 1024;
    static constexpr int kMasterSide = 256;

    explicit PictureCache(qsizetype limitBytes = kDefaultLimit) : m_limit(limitBytes) {}

    // The file's state and its header; nothing when it is not a picture Qt
    // can read. The format comes from the file's contents, whatever its name
    // says. The header of a file state already read is remembered: only the
    // state is looked up again.
    std::optional<PictureFile> probe(const QString& path);
    // The picture scaled (aspect not kept) to `size`; null when it cannot be
    // decoded or the size is empty. A hit touches no file.
    QImage scaled(const PictureFile& file, const QSize& size);
    // The same for a caller that keeps the picture itself (a printed
    // document): from the master when that is large enough, else decoded
    // now; only the master is kept.
    QImage scaledCopy(const PictureFile& file, const QSize& size);

    qsizetype bytes() const { return m_bytes; }
    std::size_t entries() const { return m_entries.size(); }
    // How many times a file was decoded since the cache was made.
    int decodes() const { return m_decodes; }
    void clear();

private:
    // A master has the size (0, 0).
    using Key = std::tuple<QString, qint64, qint64, int, int>;
    struct Entry {
        Key key;
        QImage image;
    };
    struct Header {
        FileState state;
        QSize size;
    };
    static constexpr std::size_t kHeaderLimit = 4096;

    static Key masterKey(const PictureFile& file);
    // The whole picture, decoded now: it lives only until it is reduced.
    QImage decode(const PictureFile& file);
    const QImage* find(const Key& key);
    void keep(const Key& key, const QImage& image);
    void evictDownTo(qsizetype limit);

    qsizetype m_limit;
    qsizetype m_bytes = 0;
    int m_decodes = 0;
    std::list<Entry> m_entries;  // most recently used first
    std::map<Key, std::list<Entry>::iterator> m_index;
    std::map<QString, Header> m_headers;  // path → header of its last state seen
};

}  // namespace cal::qtui
