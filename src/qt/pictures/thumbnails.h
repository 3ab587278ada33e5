#pragma once
// Small pictures of library files for the library window, made on worker
// threads and kept in the user's cache folder, so that a library is shown
// at once the second time.

#include <QFileInfo>
#include <QImage>
#include <QString>

namespace cal::qtui {

// A thumbnail fits this many pixels each way.
inline constexpr int kThumbnailSide = 96;

// The file's picture reduced within kThumbnailSide, proportions kept; a
// bitmap is reduced while it is read, never held whole. Null when the file
// cannot be drawn.
QImage makeThumbnail(const QString& path);

// Thumbnails kept as BMP files (quick to write and read) in one folder, each named by a hash of the
// picture's full path, size and modification time: a changed file is made
// anew, and an old entry is never taken for it. Safe to use from several
// threads at once.
class ThumbnailCache {
public:
    // $XDG_CACHE_HOME/nursery-calendar/thumbnails (or ~/.cache/…).
    static QString defaultFolder();
    explicit ThumbnailCache(QString folder = defaultFolder()) : m_folder(std::move(folder)) {}

    // The kept thumbnail of the file, or one made and kept; null when the
    // file cannot be drawn.
    QImage thumbnail(const QString& path) const;
    // The kept thumbnail only; null when there is none.
    QImage kept(const QFileInfo& file) const;
    const QString& folder() const { return m_folder; }

private:
    QString entryPath(const QFileInfo& file) const;
    QString m_folder;
};

}  // namespace cal::qtui
