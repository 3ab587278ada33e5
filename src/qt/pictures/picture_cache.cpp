#include "qt/pictures/picture_cache.h"

#include "qt/pictures/decoding.h"
#include "qt/pictures/reduction.h"
#include "qt/qt_strings.h"

#include <QFileSystemWatcher>
#include <QThread>

#include <algorithm>

namespace cal::qtui {

PictureCache::PictureCache(qsizetype limitBytes) : m_store(limitBytes) {
    // A worker per core: decoding is most of a first repaint's work, and the
    // window's thread, asleep between events, is still scheduled at once
    // when the user acts.
    m_pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

PictureCache::~PictureCache() {
    m_waiting.clear();
    m_pool.waitForDone();
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

QImage PictureCache::scaled(const PictureFile& file, const QSize& size) {
    if (size.isEmpty()) return {};
    const Key key{file.serial, size.width(), size.height()};
    if (const QImage* hit = m_store.find(key, currentRun())) return *hit;
    const QImage picture = scaledCopy(file, size);
    // The master at its own size is kept once already.
    const QImage* master = m_store.find(masterKey(file), currentRun());
    if (!picture.isNull() && (master == nullptr || master->cacheKey() != picture.cacheKey()))
        m_store.keep(key, picture, currentRun());
    return picture;
}

QImage PictureCache::scaledCopy(const PictureFile& file, const QSize& size) {
    if (size.isEmpty() || failed(file)) return {};
    const Key key = masterKey(file);
    const QImage* master = m_store.find(key, currentRun());
    if (master == nullptr) {
        ++m_decodes;
        const QImage made = masterPicture(file);
        if (made.isNull()) {
            noteFailure(file.path, file.state);
            return {};
        }
        m_store.keep(key, made, currentRun());
        master = m_store.find(key, currentRun());
        if (master == nullptr) return smoothlyScaled(made, size);  // larger than the whole bound
    }
    if (masterServes(*master, file, size)) return smoothlyScaled(*master, size);
    // Larger than the master: read again, reduced to just above the size.
    ++m_decodes;
    const QImage picture = reducedPicture(file, factorAbove(file.size, size));
    if (picture.isNull()) noteFailure(file.path, file.state);
    return smoothlyScaled(picture, size);
}

void PictureCache::beginRun() {
    if (m_openRuns++ > 0) return;
    ++m_run;
    // Dropped only between runs: a bitmap of an open run may point at one.
    if (m_named.size() >= kHeaderLimit) m_named.clear();
}

void PictureCache::endRun() {
    if (m_openRuns > 0 && --m_openRuns == 0) m_store.trim(currentRun());
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

void PictureCache::clear() {
    m_store.clear();
    forgetHeaders();
    m_failed.clear();
}

}  // namespace cal::qtui
