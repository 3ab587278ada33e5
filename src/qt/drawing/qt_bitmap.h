#pragma once
// A bitmap file known by its header: loading reads only the picture's size,
// and the pixels are decoded when the picture is drawn. One bitmap serves
// one drawing run: the cache remembers what it learned of a path, so
// loading the same path again touches no file, and keeps what the run draws
// while the bitmap lives.

#include "ui/forms_service.h"
#include "qt/pictures/picture_cache.h"

#include <QImage>
#include <QSize>

#include <string>

namespace cal::qtui {

class QtBitmap final : public Bitmap {
public:
    // Screen drawing takes its scaled pictures from `cache`.
    explicit QtBitmap(PictureCache& cache) : m_cache(cache) { m_cache.beginRun(); }
    ~QtBitmap() override { m_cache.endRun(); }
    QtBitmap(const QtBitmap&) = delete;
    QtBitmap& operator=(const QtBitmap&) = delete;

    bool load(const std::string& path) override;
    int width() const override { return m_file ? m_file->size.width() : 0; }
    int height() const override { return m_file ? m_file->size.height() : 0; }

    PictureCache& cache() const { return m_cache; }
    // The file loaded last; nullptr when the last load failed.
    const PictureFile* file() const { return m_file; }
    // The picture scaled to `size`, through the cache; null when nothing is
    // loaded or it cannot be decoded.
    QImage scaled(const QSize& size) const;

private:
    PictureCache& m_cache;
    const PictureFile* m_file = nullptr;
};

}  // namespace cal::qtui
