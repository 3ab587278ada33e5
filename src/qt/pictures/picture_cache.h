#pragma once
// A bounded cache of pictures' reduced copies and of the pictures scaled to
// the size they are drawn at, decoded in the background for the screen and
// side by side for the printer.

#include "qt/pictures/image_store.h"
#include "qt/pictures/picture_file.h"

#include <QHashFunctions>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

class QFileSystemWatcher;

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <unordered_map>
#include <vector>

namespace cal::qtui {

// Told when a picture it asked for has been decoded (or has failed).
class PictureWaiter {
public:
    // `serial` names the file state that arrived (PictureFile::serial).
    virtual void pictureArrived(std::uint64_t serial) = 0;

protected:
    ~PictureWaiter() = default;
};

// Pictures for the screen and the printer. Each file state is decoded once
// into a reduced master copy; every drawn size is scaled from the master,
// unless it is larger than the master and the file has more to give.
// Masters and scaled pictures share one byte bound, least recently used
// first; what the drawing runs in progress use is never evicted. A file
// changed on disk (new time or size) is a new key, so it is decoded anew; a
// file that could not be decoded is not tried again until it changes.
//
// The bound: a master holds at most 256 × 256 pixels of 4 bytes (256 KiB,
// 192 KiB for a 4:3 photo). A month draws at most 226 distinct pictures
// (seven in each of 31 days, three in the title band, the fallback), so its
// masters take at most 56.5 MiB; the drawn sizes on screen are a few KiB
// each. 80 MiB holds the whole month with room for the day editor's larger
// copies and the pictures of the next month, and caps what paging through
// many months of different pictures can keep.
class PictureCache {
public:
    static constexpr qsizetype kDefaultLimit = qsizetype{80} * 1024 * 1024;

    explicit PictureCache(qsizetype limitBytes = kDefaultLimit);
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The file's state and its header; nothing when it is not a picture that
    // can be read or it failed to decode in this state. The format comes from
    // the file's contents, whatever its name says. The header of a file
    // state already read is remembered, and within a drawing run the state
    // is looked up once.
    std::optional<PictureFile> probe(const QString& path);
    // The same for a UTF-8 path, remembered: within a drawing run, and across
    // runs for a watched file that has not changed, a path is answered
    // without converting or looking it up again. The file lives as long as
    // the cache; nullptr when probe would answer nothing.
    const PictureFile* probeName(const std::string& utf8Path);
    // The picture scaled (aspect not kept) to `size`; null when it cannot be
    // decoded or the size is empty. A hit touches no file.
    QImage scaled(const PictureFile& file, const QSize& size);
    // For a printed document, which keeps the pictures itself: each file at
    // its size, from the master when that is large enough, else read side by
    // side on the worker threads and this one, each at most once (a size
    // larger than the master would be is read at that size without making the
    // master). Each copy is handed to `use` on this thread in the order of
    // `wanted` as soon as it is made, while the workers read the later ones.
    // Only masters are kept. Null where a file cannot be decoded.
    void scaledCopies(const std::vector<std::pair<PictureFile, QSize>>& wanted,
                      const std::function<void(std::size_t, const QImage&)>& use);

    // Decoding in the background: masters are then made on worker threads
    // for waiters that ask, and the screen never waits for a file.
    void setBackground(bool on) { m_background = on; }
    bool background() const { return m_background; }
    // Told of changes by the file system (with an event loop running): a
    // file looked at once is not looked at again until it changes, so an
    // unchanged repaint asks the disk nothing. Without it, each drawing run
    // looks at each file once.
    void watchFiles();
    // Whether the master of the file is here (or the file failed): drawing
    // it now reads no file.
    bool ready(const PictureFile& file) const;
    // Starts decoding the file's master unless that is under way, and tells
    // `waiter` when it is done. The worker also scales the master to `size`
    // (and to the sizes of the other requests made before it got there), so
    // that drawing the arrived picture is a copy of pixels.
    void request(const PictureFile& file, const QSize& size, PictureWaiter& waiter);
    // Drops every request of `waiter`.
    void forget(PictureWaiter& waiter);
    // Waits for the decodes under way and takes their results in.
    void settle();
    // Alive as long as the cache: lets a waiter tell whether it still is.
    QObject* lifetime() const { return m_notifier.get(); }

    // A drawing run: while one is open, nothing it used is evicted.
    void beginRun();
    void endRun();

    // Files that could not be drawn, each time one is refused or fails:
    // the paths noted after `mark` (a value of failureMark()).
    std::uint64_t failureMark() const { return m_failureSerial; }
    std::vector<QString> failuresSince(std::uint64_t mark) const;

    qsizetype bytes() const { return m_store.bytes(); }
    std::size_t entries() const { return m_store.size(); }
    // How many times a file was decoded (or a decode started) since the
    // cache was made.
    int decodes() const { return m_decodes; }
    void clear();

private:
    using Key = ImageStore::Key;
    // Hashed lookups: paths share long folder prefixes, which ordered maps
    // compare again at every step.
    struct PathHash {
        std::size_t operator()(const QString& path) const { return qHash(path); }
    };
    // The sizes a master under way is to be scaled to: the main thread adds,
    // the worker takes them once its master is made.
    struct DrawnSizes {
        std::mutex mutex;
        std::vector<QSize> sizes;
        bool taken = false;
    };
    struct Header {
        FileState state;
        QSize size;  // invalid when the file is not a readable picture
        std::optional<BmpLayout> bmp;
        std::uint64_t checkedIn = 0;  // the run that looked at the file last
        bool watched = false;         // a change would have been told
        std::uint64_t serial = 0;
    };
    // What probeName answered for a path, and when.
    struct Named {
        std::optional<PictureFile> file;
        std::uint64_t run = 0;
        std::uint64_t generation = 0;  // valid across runs while m_generation is this
        bool watched = false;
    };
    static constexpr std::size_t kHeaderLimit = 4096;

    static Key masterKey(const PictureFile& file);
    // Whether `master` gives the file at `size`: it is that large, or it is
    // the whole file.
    static bool masterServes(const QImage& master, const PictureFile& file, const QSize& size);
    // The picture at `size` from the master when that serves, else read now
    // reduced to just above `size`; only the master is kept.
    QImage scaledCopy(const PictureFile& file, const QSize& size);
    bool failed(const PictureFile& file) const;
    void unwatch(const QString& path);
    void forgetHeaders();
    void noteFailure(const QString& path, const FileState& state);
    void arrived(const Key& key, const PictureFile& file, const QImage& master,
                 const std::vector<std::pair<QSize, QImage>>& scaledCopies);
    std::uint64_t currentRun() const { return m_openRuns > 0 ? m_run : 0; }

    ImageStore m_store;
    int m_decodes = 0;
    std::unordered_map<QString, Header, PathHash> m_headers;  // path → header of its last state seen
    std::unordered_map<QString, FileState, PathHash> m_failed;  // path → the state that failed
    std::map<QString, std::uint64_t> m_failureNotes;  // path → serial of its last failure
    std::uint64_t m_failureSerial = 0;
    std::uint64_t m_run = 0;
    std::uint64_t m_serial = 0;
    std::uint64_t m_generation = 0;  // moves on when a watched file changes or fails
    std::unordered_map<std::string, Named> m_named;
    int m_openRuns = 0;
    bool m_background = false;
    // A master being decoded: who waits, and the sizes the worker makes too.
    struct Pending {
        std::vector<PictureWaiter*> waiters;
        std::shared_ptr<DrawnSizes> sizes;
    };
    std::unordered_map<Key, Pending, ImageStore::KeyHash> m_waiting;
    std::unique_ptr<QObject> m_notifier = std::make_unique<QObject>();
    std::unique_ptr<QFileSystemWatcher> m_watcher;  // after the notifier its handler lives in
    QThreadPool m_pool;  // after the notifier: waits for its workers first
};

}  // namespace cal::qtui
