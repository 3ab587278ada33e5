#include "qt/picture_cache.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(Q_OS_LINUX)
#include <sys/stat.h>
#endif

namespace cal::qtui {

namespace {

void readByContents(QImageReader& reader) {
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(false);
}

std::optional<QSize> headerSize(const QString& path) {
    QImageReader reader(path);
    readByContents(reader);
    if (!reader.canRead()) return std::nullopt;
    QSize size = reader.size();
    // A top-down BMP gives its height negative, as its header has it.
    size.setHeight(std::abs(size.height()));
    if (!size.isValid() || size.isEmpty()) return std::nullopt;
    return size;
}

bool fitsWithin(const QSize& size, const QSize& bound) {
    return size.width() <= bound.width() && size.height() <= bound.height();
}

// The mean of two pixels above two others, each channel rounded.
quint32 meanOfFour(const uchar* top, const uchar* bottom) {
    quint64 above = 0, below = 0;
    std::memcpy(&above, top, sizeof above);
    std::memcpy(&below, bottom, sizeof below);
    // Every other channel of both pixels, in 16-bit lanes: the sums fit.
    constexpr quint64 kLanes = 0x00FF00FF00FF00FF;
    const quint64 even = (above & kLanes) + (below & kLanes);
    const quint64 odd = ((above >> 8) & kLanes) + ((below >> 8) & kLanes);
    const auto mean = [](quint64 lanes) {
        return static_cast<quint32>(((lanes + (lanes >> 32) + 0x00020002) >> 2) & 0x00FF00FF);
    };
    return mean(even) | (mean(odd) << 8);
}

// Half the size, each pixel the mean of four (32-bit pixels); an odd last
// row or column is dropped.
QImage halved(const QImage& image) {
    const int width = image.width() / 2;
    const int height = image.height() / 2;
    QImage half(width, height, image.format());
    if (half.isNull()) return half;
    for (int y = 0; y < height; ++y) {
        const uchar* top = image.constScanLine(2 * y);
        const uchar* bottom = image.constScanLine(2 * y + 1);
        auto* out = reinterpret_cast<quint32*>(half.scanLine(y));
        int x = 0;
#if defined(__SSE2__)
        // Two pixels at a time: the same sums in 16-bit lanes.
        const __m128i zero = _mm_setzero_si128();
        const __m128i round = _mm_set1_epi16(2);
        for (; x + 2 <= width; x += 2) {
            const __m128i above = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top + 8 * x));
            const __m128i below = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom + 8 * x));
            const __m128i left =
                _mm_add_epi16(_mm_unpacklo_epi8(above, zero), _mm_unpacklo_epi8(below, zero));
            const __m128i right =
                _mm_add_epi16(_mm_unpackhi_epi8(above, zero), _mm_unpackhi_epi8(below, zero));
            const __m128i sums = _mm_unpacklo_epi64(_mm_add_epi16(left, _mm_srli_si128(left, 8)),
                                                    _mm_add_epi16(right, _mm_srli_si128(right, 8)));
            const __m128i means = _mm_srli_epi16(_mm_add_epi16(sums, round), 2);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(means, means));
        }
#endif
        for (; x < width; ++x) out[x] = meanOfFour(top + 8 * x, bottom + 8 * x);
    }
    return half;
}

// Halved until it fits within kMasterSide pixels each way.
QImage masterCopy(const QImage& full) {
    const QSize bound(PictureCache::kMasterSide, PictureCache::kMasterSide);
    QImage reduced = drawableImage(full);
    while (!fitsWithin(reduced.size(), bound) && reduced.width() >= 2 && reduced.height() >= 2)
        reduced = halved(reduced);
    if (fitsWithin(reduced.size(), bound)) return reduced;
    // A thin strip, still too long.
    const QSize fitted = reduced.size().scaled(bound, Qt::KeepAspectRatio).expandedTo({1, 1});
    return smoothlyScaled(reduced, fitted);
}

}  // namespace

QImage drawableImage(const QImage& image) {
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

QImage smoothlyScaled(const QImage& image, const QSize& size) {
    if (size.isEmpty() || image.isNull()) return {};
    QImage picture = drawableImage(image);
    while (picture.width() >= 2 * size.width() && picture.height() >= 2 * size.height() &&
           picture.width() >= 2 && picture.height() >= 2)
        picture = halved(picture);
    if (picture.size() == size) return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::optional<FileState> fileState(const QString& path) {
#if defined(Q_OS_LINUX)
    // One stat: the time as the file system gives it, no local time.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileState{qint64{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec, info.st_size};
#else
    const QFileInfo info(path);
    if (!info.isFile()) return std::nullopt;
    std::error_code error;
    const auto modified = std::filesystem::last_write_time(info.filesystemFilePath(), error);
    if (error) return std::nullopt;
    return FileState{static_cast<qint64>(modified.time_since_epoch().count()), info.size()};
#endif
}

QImage decodePicture(const QString& path) {
    // One read of the whole file: much cheaper than the reader's small reads.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = file.readAll();
    file.close();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    readByContents(reader);
    return reader.read();
}

// ---- the cache -------------------------------------------------------------

std::optional<PictureFile> PictureCache::probe(const QString& path) {
    const std::optional<FileState> state = fileState(path);
    if (!state) return std::nullopt;
    if (const auto it = m_headers.find(path); it != m_headers.end() && it->second.state == *state)
        return PictureFile{path, *state, it->second.size};
    const std::optional<QSize> size = headerSize(path);
    if (!size) return std::nullopt;
    if (m_headers.size() >= kHeaderLimit) m_headers.clear();
    m_headers.insert_or_assign(path, Header{*state, *size});
    return PictureFile{path, *state, *size};
}

QImage PictureCache::scaled(const PictureFile& file, const QSize& size) {
    if (size.isEmpty()) return {};
    const Key key{file.path, file.state.modified, file.state.bytes, size.width(), size.height()};
    if (const QImage* hit = find(key)) return *hit;
    const QImage picture = scaledCopy(file, size);
    // The master at its own size is kept once already.
    const QImage* master = find(masterKey(file));
    if (!picture.isNull() && (master == nullptr || master->cacheKey() != picture.cacheKey()))
        keep(key, picture);
    return picture;
}

QImage PictureCache::scaledCopy(const PictureFile& file, const QSize& size) {
    if (size.isEmpty()) return {};
    const Key key = masterKey(file);
    if (const QImage* master = find(key)) {
        if (fitsWithin(size, master->size()) || master->size() == file.size)
            return smoothlyScaled(*master, size);
        return smoothlyScaled(decode(file), size);
    }
    // One decode gives the master and the picture asked for.
    const QImage full = decode(file);
    const QImage master = masterCopy(full);
    if (!master.isNull()) keep(key, master);
    const bool fromMaster = fitsWithin(size, master.size()) || master.size() == full.size();
    return smoothlyScaled(fromMaster ? master : full, size);
}

PictureCache::Key PictureCache::masterKey(const PictureFile& file) {
    return {file.path, file.state.modified, file.state.bytes, 0, 0};
}

QImage PictureCache::decode(const PictureFile& file) {
    ++m_decodes;
    return decodePicture(file.path);
}

const QImage* PictureCache::find(const Key& key) {
    const auto it = m_index.find(key);
    if (it == m_index.end()) return nullptr;
    m_entries.splice(m_entries.begin(), m_entries, it->second);
    return &it->second->image;
}

void PictureCache::keep(const Key& key, const QImage& image) {
    const qsizetype cost = image.sizeInBytes();
    if (cost > m_limit) return;  // too big to keep at all
    evictDownTo(m_limit - cost);
    m_entries.push_front({key, image});
    m_index.emplace(key, m_entries.begin());
    m_bytes += cost;
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
    m_headers.clear();
    m_bytes = 0;
}

}  // namespace cal::qtui
