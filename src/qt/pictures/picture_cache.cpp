#include "qt/pictures/picture_cache.h"

#include "qt/qt_strings.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QImageReader>
#include <QRunnable>
#include <QSemaphore>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
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

// Halvings, as a factor, that bring `size` within `bound` each way, stopping
// before a side would drop below one pixel.
int factorToFit(QSize size, const QSize& bound) {
    int factor = 1;
    while (!fitsWithin(size, bound) && size.width() >= 2 && size.height() >= 2 && factor < kMaxBmpFactor) {
        size /= 2;
        factor *= 2;
    }
    return factor;
}

// Halvings that keep `size` at least twice `target` before each halving, as
// smoothlyScaled does.
int factorAbove(QSize size, const QSize& target) {
    int factor = 1;
    while (size.width() >= 2 * target.width() && size.height() >= 2 * target.height() && size.width() >= 2 &&
           size.height() >= 2 && factor < kMaxBmpFactor) {
        size /= 2;
        factor *= 2;
    }
    return factor;
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

QImage reducedPicture(const PictureFile& file, int factor) {
    if (file.bmp) return readReducedBmp(file.path, *file.bmp, factor);
    QImage picture = drawableImage(decodePicture(file.path));
    for (; factor > 1 && picture.width() >= 2 && picture.height() >= 2; factor /= 2) picture = halved(picture);
    return picture;
}

QImage masterPicture(const PictureFile& file) {
    const QSize bound(PictureCache::kMasterSide, PictureCache::kMasterSide);
    const QImage reduced = reducedPicture(file, factorToFit(file.size, bound));
    if (reduced.isNull() || fitsWithin(reduced.size(), bound)) return reduced;
    // A thin strip, still too long.
    return smoothlyScaled(reduced, reduced.size().scaled(bound, Qt::KeepAspectRatio).expandedTo({1, 1}));
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

PictureCache::PictureCache(qsizetype limitBytes) : m_limit(limitBytes) {
    // A worker per core: decoding is most of a first repaint's work, and the
    // window's thread, asleep between events, is still scheduled at once
    // when the user acts.
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

PictureCache::~PictureCache() {
    m_waiting.clear();
    m_pool.waitForDone();
}

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

const PictureFile* PictureCache::probeName(const std::string& utf8Path) {
    const std::uint64_t run = currentRun();
    Named& named = m_named[utf8Path];
    const bool known = (run != 0 && named.run == run) || (named.watched && named.generation == m_generation);
    if (!known) {
        const QString path = toQString(utf8Path);
        named.file = probe(path);
        named.run = run;
        named.generation = m_generation;
        const auto header = m_headers.find(path);
        named.watched = named.file && header != m_headers.end() && header->second.watched;
    }
    return named.file ? &*named.file : nullptr;
}

std::optional<PictureFile> PictureCache::probe(const QString& path) {
    auto it = m_headers.find(path);
    const std::uint64_t run = currentRun();
    std::optional<FileState> state;
    if (it != m_headers.end() && (it->second.watched || (run != 0 && it->second.checkedIn == run))) {
        state = it->second.state;  // unchanged since it was last looked at
    } else {
        if (it == m_headers.end() && m_headers.size() >= kHeaderLimit) {
            forgetHeaders();
            it = m_headers.end();
        }
        // Watched before the look, so that no change after it goes unseen.
        const bool watched = m_watcher && m_watcher->addPath(path);
        state = fileState(path);
        if (!state) {
            if (watched) m_watcher->removePath(path);
            return std::nullopt;
        }
        if (it == m_headers.end() || it->second.state != *state) {
            Header header{*state, {}, bmpLayout(path), run, false, ++m_serial};
            if (header.bmp)
                header.size = {header.bmp->width, header.bmp->height};
            else if (const std::optional<QSize> size = headerSize(path))
                header.size = *size;
            it = m_headers.insert_or_assign(path, std::move(header)).first;
        }
        it->second.watched = watched;
    }
    it->second.checkedIn = run;
    const PictureFile file{path, *state, it->second.size, it->second.bmp, it->second.serial};
    if (!file.size.isValid() || failed(file)) {
        noteFailure(path, *state);
        return std::nullopt;
    }
    return file;
}

void PictureCache::forgetHeaders() {
    m_headers.clear();
    ++m_generation;
    if (m_watcher && !m_watcher->files().isEmpty()) m_watcher->removePaths(m_watcher->files());
}

QImage PictureCache::scaled(const PictureFile& file, const QSize& size) {
    if (size.isEmpty()) return {};
    const Key key{file.serial, size.width(), size.height()};
    if (const QImage* hit = find(key)) return *hit;
    const QImage picture = scaledCopy(file, size);
    // The master at its own size is kept once already.
    const QImage* master = find(masterKey(file));
    if (!picture.isNull() && (master == nullptr || master->cacheKey() != picture.cacheKey()))
        keep(key, picture);
    return picture;
}

QImage PictureCache::scaledCopy(const PictureFile& file, const QSize& size) {
    if (size.isEmpty() || failed(file)) return {};
    const Key key = masterKey(file);
    const QImage* master = find(key);
    if (master == nullptr) {
        ++m_decodes;
        const QImage made = masterPicture(file);
        if (made.isNull()) {
            noteFailure(file.path, file.state);
            return {};
        }
        keep(key, made);
        master = find(key);
        if (master == nullptr) return smoothlyScaled(made, size);  // larger than the whole bound
    }
    if (masterServes(*master, file, size)) return smoothlyScaled(*master, size);
    // Larger than the master: read again, reduced to just above the size.
    ++m_decodes;
    const QImage picture = reducedPicture(file, factorAbove(file.size, size));
    if (picture.isNull()) noteFailure(file.path, file.state);
    return smoothlyScaled(picture, size);
}

void PictureCache::scaledCopies(const std::vector<std::pair<PictureFile, QSize>>& wanted,
                                const std::function<void(std::size_t, const QImage&)>& use) {
    enum State { Waiting, Taken, Made };
    struct Copy {
        QImage copy;
        QImage master;  // when the file had none
        int reads = 0;
        bool needsMaster = false;
        bool read = false;
        std::atomic<int> state{Made};
    };
    std::vector<Copy> made(wanted.size());
    std::vector<std::size_t> toRead;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const auto& [file, size] = wanted[i];
        if (size.isEmpty() || failed(file)) continue;
        const QImage* master = find(masterKey(file));
        if (master != nullptr && masterServes(*master, file, size)) {
            made[i].copy = smoothlyScaled(*master, size);
            continue;
        }
        // A picture larger than its master would be is read at its size
        // alone: each file is read once.
        const QSize masterSize = file.size / factorToFit(file.size, {kMasterSide, kMasterSide});
        made[i].needsMaster = master == nullptr && fitsWithin(size, masterSize);
        made[i].read = true;
        made[i].state = Waiting;
        toRead.push_back(i);
    }

    // The master first where it will do, else a read reduced to just above
    // the size. Whoever takes a copy first makes it.
    std::mutex doneMutex;
    std::condition_variable done;
    const auto make = [&](std::size_t i) {
        int waiting = Waiting;
        if (!made[i].state.compare_exchange_strong(waiting, Taken)) return;
        const auto& [file, size] = wanted[i];
        Copy& out = made[i];
        if (out.needsMaster) {
            out.master = masterPicture(file);
            ++out.reads;
        }
        if (!out.master.isNull() && masterServes(out.master, file, size)) {
            out.copy = smoothlyScaled(out.master, size);
        } else if (!out.needsMaster || !out.master.isNull()) {
            out.copy = smoothlyScaled(reducedPicture(file, factorAbove(file.size, size)), size);
            ++out.reads;
        }
        {
            const std::lock_guard<std::mutex> lock(doneMutex);
            out.state = Made;
        }
        done.notify_all();
    };
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t k = next++; k < toRead.size(); k = next++) make(toRead[k]);
    };
    // Workers read ahead while this thread hands the copies over in order,
    // making any no worker has taken yet; a helper not started is taken back.
    QSemaphore finished;
    std::vector<std::unique_ptr<QRunnable>> helpers;
    const std::size_t helping = std::min<std::size_t>(static_cast<std::size_t>(m_pool.maxThreadCount()), toRead.size());
    for (std::size_t h = 0; h < helping; ++h) {
        helpers.emplace_back(QRunnable::create([&work, &finished] {
            work();
            finished.release();
        }));
        helpers.back()->setAutoDelete(false);
        m_pool.start(helpers.back().get());
    }
    for (std::size_t i = 0; i < made.size(); ++i) {
        make(i);
        {
            std::unique_lock<std::mutex> lock(doneMutex);
            done.wait(lock, [&] { return made[i].state == Made; });
        }
        const PictureFile& file = wanted[i].first;
        if (made[i].read) {
            m_decodes += made[i].reads;
            if (!made[i].master.isNull()) keep(masterKey(file), made[i].master);
            if (made[i].copy.isNull()) noteFailure(file.path, file.state);
        }
        use(i, made[i].copy);
    }
    int running = 0;
    for (const auto& helper : helpers) running += m_pool.tryTake(helper.get()) ? 0 : 1;
    finished.acquire(running);
}

bool PictureCache::ready(const PictureFile& file) const {
    return m_index.contains(masterKey(file)) || failed(file);
}

void PictureCache::request(const PictureFile& file, const QSize& size, PictureWaiter& waiter) {
    const Key key = masterKey(file);
    auto [it, added] = m_waiting.try_emplace(key);
    Pending& pending = it->second;
    if (std::find(pending.waiters.begin(), pending.waiters.end(), &waiter) == pending.waiters.end())
        pending.waiters.push_back(&waiter);
    if (added) pending.sizes = std::make_shared<DrawnSizes>();
    {
        const std::lock_guard<std::mutex> lock(pending.sizes->mutex);
        std::vector<QSize>& sizes = pending.sizes->sizes;
        if (!pending.sizes->taken && !size.isEmpty() && std::find(sizes.begin(), sizes.end(), size) == sizes.end())
            sizes.push_back(size);
    }
    if (!added) return;
    ++m_decodes;
    m_pool.start([this, file, key, sizes = pending.sizes, notifier = QPointer<QObject>(m_notifier.get())] {
        const QImage master = masterPicture(file);
        std::vector<QSize> wanted;
        {
            const std::lock_guard<std::mutex> lock(sizes->mutex);
            sizes->taken = true;
            wanted = sizes->sizes;
        }
        // Sizes the master can give; larger ones are read again when drawn.
        std::vector<std::pair<QSize, QImage>> scaled;
        for (const QSize& drawn : wanted)
            if (!master.isNull() && drawn != master.size() && fitsWithin(drawn, master.size()))
                scaled.emplace_back(drawn, smoothlyScaled(master, drawn));
        if (notifier.isNull()) return;
        QMetaObject::invokeMethod(
            notifier.data(), [this, key, file, master, scaled] { arrived(key, file, master, scaled); },
            Qt::QueuedConnection);
    });
}

void PictureCache::arrived(const Key& key, const PictureFile& file, const QImage& master,
                           const std::vector<std::pair<QSize, QImage>>& scaledCopies) {
    if (master.isNull()) {
        noteFailure(file.path, file.state);
    } else {
        keep(key, master);
        for (const auto& [size, picture] : scaledCopies) keep({file.serial, size.width(), size.height()}, picture);
    }
    const auto it = m_waiting.find(key);
    if (it == m_waiting.end()) return;
    const std::vector<PictureWaiter*> waiters = std::move(it->second.waiters);
    m_waiting.erase(it);
    for (PictureWaiter* waiter : waiters) waiter->pictureArrived(std::get<0>(key));
    // Outside a run nothing is held beyond the bound.
    if (m_openRuns == 0) evictDownTo(m_limit);
}

void PictureCache::forget(PictureWaiter& waiter) {
    for (auto& [key, pending] : m_waiting) std::erase(pending.waiters, &waiter);
}

void PictureCache::settle() {
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(m_notifier.get(), QEvent::MetaCall);
}

void PictureCache::beginRun() {
    if (m_openRuns++ > 0) return;
    ++m_run;
    // Dropped only between runs: a bitmap of an open run may point at one.
    if (m_named.size() >= kHeaderLimit) m_named.clear();
}

void PictureCache::endRun() {
    if (m_openRuns > 0 && --m_openRuns == 0) evictDownTo(m_limit);
}

bool PictureCache::failed(const PictureFile& file) const {
    const auto it = m_failed.find(file.path);
    return it != m_failed.end() && it->second == file.state;
}

void PictureCache::noteFailure(const QString& path, const FileState& state) {
    if (m_failed.size() >= kHeaderLimit) m_failed.clear();
    m_failed.insert_or_assign(path, state);
    if (m_failureNotes.size() >= kHeaderLimit) m_failureNotes.clear();
    m_failureNotes.insert_or_assign(path, ++m_failureSerial);
    ++m_generation;
}

std::vector<QString> PictureCache::failuresSince(std::uint64_t mark) const {
    std::vector<QString> paths;
    for (const auto& [path, serial] : m_failureNotes)
        if (serial > mark) paths.push_back(path);
    return paths;
}

PictureCache::Key PictureCache::masterKey(const PictureFile& file) {
    return {file.serial, 0, 0};
}

bool PictureCache::masterServes(const QImage& master, const PictureFile& file, const QSize& size) {
    return fitsWithin(size, master.size()) || master.size() == file.size;
}

const QImage* PictureCache::find(const Key& key) {
    const auto it = m_index.find(key);
    if (it == m_index.end()) return nullptr;
    m_entries.splice(m_entries.begin(), m_entries, it->second);
    it->second->run = currentRun();
    return &it->second->image;
}

void PictureCache::keep(const Key& key, const QImage& image) {
    const qsizetype cost = image.sizeInBytes();
    if (cost > m_limit || m_index.contains(key)) return;  // too big to keep at all, or kept
    evictDownTo(m_limit - cost);
    m_entries.push_front({key, image, currentRun()});
    m_index.emplace(key, m_entries.begin());
    m_bytes += cost;
}

void PictureCache::evictDownTo(qsizetype limit) {
    const std::uint64_t run = currentRun();
    while (m_bytes > limit && !m_entries.empty()) {
        const Entry& oldest = m_entries.back();
        // Everything the open run used is newer than anything it did not.
        if (run != 0 && oldest.run == run) return;
        m_bytes -= oldest.image.sizeInBytes();
        m_index.erase(oldest.key);
        m_entries.pop_back();
    }
}

void PictureCache::clear() {
    m_index.clear();
    m_entries.clear();
    forgetHeaders();
    m_failed.clear();
    m_bytes = 0;
}

}  // namespace cal::qtui
