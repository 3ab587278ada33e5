#pragma once
// A bitmap file known by its header: loading reads only the picture's size,
// and the pixels are decoded when the picture is drawn.

#include "ui/forms_service.h"
#include "ui/qt/picture_cache.h"

#include <QImage>
#include <QSize>

#include <optional>

namespace cal::qtui {

class QtBitmap final : public Bitmap {
public:
    // Screen drawing takes its scaled pictures from `cache`.
    explicit QtBitmap(PictureCache& cache) : m_cache(cache) {}

    bool load(const std::string& path) override;
    int width() const override { return m_file ? m_file->size.width() : 0; }
    int height() const override { return m_file ? m_file->size.height() : 0; }

    // The file loaded last; nothing when the last load failed.
    const std::optional<PictureFile>& file() const { return m_file; }
    // The picture scaled to `size`, through the cache; null when nothing is
    // loaded or it cannot be decoded.
    QImage scaled(const QSize& size) const;

private:
    PictureCache& m_cache;
    std::optional<PictureFile> m_file;
};

}  // namespace cal::qtui
