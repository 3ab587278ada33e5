#pragma once
// The picture library on Qt: files brought in by the importer, choices
// made in the library window, owned by the form that asks.

#include "qt/pictures/thumbnails.h"
#include "ui/picture_library.h"

#include <QWidget>

#include <functional>

namespace cal::qtui {

class QtPictureLibrary final : public PictureLibrary {
public:
    // `window` answers a form's window, nullptr when it has none.
    explicit QtPictureLibrary(std::function<QWidget*(std::string_view)> window,
                              ThumbnailCache thumbnails = ThumbnailCache())
        : m_window(std::move(window)), m_thumbnails(std::move(thumbnails)) {}

    PictureImport importFile(const std::string& dataDir, const std::string& path) override;
    std::optional<std::string> choose(std::string_view owner, const std::string& dataDir,
                                      const std::string& current) override;

private:
    std::function<QWidget*(std::string_view)> m_window;
    ThumbnailCache m_thumbnails;
};

}  // namespace cal::qtui
