#include "qt/forms/qt_picture_library.h"

#include "qt/forms/picture_library_window.h"
#include "qt/pictures/picture_import.h"
#include "qt/qt_strings.h"

namespace cal::qtui {

PictureImport QtPictureLibrary::importFile(const std::string& dataDir, const std::string& path) {
    return importPicture(dataDir, path);
}

std::optional<std::string> QtPictureLibrary::choose(std::string_view owner, const std::string& dataDir,
                                                    const std::string& current) {
    PictureLibraryWindow window(m_window(owner), dataDir, toQString(current), m_thumbnails);
    if (window.exec() != QDialog::Accepted || window.chosen().isEmpty()) return std::nullopt;
    return toStdString(window.chosen());
}

}  // namespace cal::qtui
