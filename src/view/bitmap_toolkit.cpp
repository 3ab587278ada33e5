#include "view/bitmap_toolkit.h"

#include "data/file_io.h"
#include "ui/drawing.h"
#include "ui/forms.h"

#include <algorithm>

namespace cal {

namespace {

std::size_t characterCount(std::string_view utf8) {
    std::size_t n = 0;
    for (const char ch : utf8) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    return n;
}

char upper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

// CON, PRN, AUX, NUL, COM1…COM9 and LPT1…LPT9, with any extension: Windows
// opens the device whatever the folder.
bool isDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    if (stem.size() != 3 && stem.size() != 4) return false;
    std::string upperStem;
    for (const char ch : stem) upperStem += upper(ch);
    if (upperStem == "CON" || upperStem == "PRN" || upperStem == "AUX" || upperStem == "NUL") return true;
    return upperStem.size() == 4 && (upperStem.starts_with("COM") || upperStem.starts_with("LPT")) &&
           upperStem[3] >= '1' && upperStem[3] <= '9';
}

}  // namespace

bool isBarePictureName(std::string_view name) {
    constexpr std::string_view kNotInName("/\\:\0", 4);
    return !name.empty() && name != "." && name != ".." && name.find_first_of(kNotInName) == std::string_view::npos &&
           !isDeviceName(name);
}

std::string picturePath(const std::string& dataDir, const std::string& name) {
    if (!isBarePictureName(name)) return {};
    return dataPath(dataDir, "Calendar_pic", name);
}

PictureCheck GAZO_TYOUSA(Forms& forms, Drawing& drawing, std::string_view form, const std::string& path) {
    PictureCheck check;
    forms.setWaitPointer(form, true);
    const bool named = characterCount(path) > 4 &&
                       (path.find("bmp") != std::string::npos || path.find("BMP") != std::string::npos);
    // Loading answers whether the file is there: one look at the disk, not two.
    if (named) {
        const std::unique_ptr<Bitmap> bitmap = drawing.createBitmap();
        if (bitmap->load(path)) {
            check.width = bitmap->width();
            check.height = bitmap->height();
            check.drawable = check.width > 0 && check.height > 0;
        }
    }
    forms.setWaitPointer(form, false);
    return check;
}

PictureRun::PictureRun(Forms& forms, Drawing& drawing, std::string_view form, std::string dataDir, bool stretch)
    : m_forms(forms), m_drawing(drawing), m_form(form), m_dataDir(std::move(dataDir)),
      m_bitmap(drawing.createBitmap()), m_stretch(stretch) {}

PictureRun::~PictureRun() = default;

const std::string& PictureRun::drawablePath(const std::string& name) {
    const auto [it, added] = m_paths.try_emplace(name);
    if (!added || name.empty()) return it->second;
    std::string path = picturePath(m_dataDir, name);
    if (!path.empty() && GAZO_TYOUSA(m_forms, m_drawing, m_form, path).drawable) {
        it->second = std::move(path);
    } else if (name != kFallbackPicture) {
        // Only a name that cannot be drawn is looked at again, to say why;
        // the stand-in of the title band is no picture anybody chose.
        (path.empty() || !fileExists(path) ? m_undrawn.missing : m_undrawn.unreadable).push_back(name);
    }
    return it->second;
}

bool PictureRun::drawable(const std::string& name) { return !drawablePath(name).empty(); }

bool PictureRun::draw(Surface& surface, const std::string& name, double x, double y, double w, double h) {
    const std::string& path = drawablePath(name);
    if (path.empty() || !m_bitmap->load(path)) return false;
    const Rect r = pictureRect(m_bitmap->width(), m_bitmap->height(), {x, y, w, h}, m_stretch);
    surface.stretch(*m_bitmap, r.x, r.y, r.width, r.height);
    return true;
}

void PictureRun::drawOrFallback(Surface& surface, const std::string& name, double x, double y, double w,
                                double h) {
    if (!draw(surface, name, x, y, w, h)) draw(surface, kFallbackPicture, x, y, w, h);
}

Rect pictureRect(int pixelWidth, int pixelHeight, const Rect& place, bool stretch) {
    if (stretch || pixelWidth <= 0 || pixelHeight <= 0 || place.width <= 0 || place.height <= 0) return place;
    const double scale = std::min(place.width / pixelWidth, place.height / pixelHeight);
    const double w = pixelWidth * scale, h = pixelHeight * scale;
    return {place.x + (place.width - w) / 2, place.y + (place.height - h) / 2, w, h};
}

void BITMAP_OBJ_PIC_BYOUGA_M_PIC(Forms& forms, Drawing& drawing, std::string_view form, std::string_view control,
                                 const std::string& path, bool stretch) {
    const Geometry g = forms.geometry(form, control);
    const std::unique_ptr<Bitmap> bitmap = drawing.createBitmap();
    const bool loaded = bitmap->load(path);
    Surface& surface = drawing.surface(form, control);
    surface.clear();
    if (!loaded) return;
    const Rect r = pictureRect(bitmap->width(), bitmap->height(), {0, 0, g.width, g.height}, stretch);
    surface.stretch(*bitmap, r.x, r.y, r.width, r.height);
}

void markMissingPicture(Forms& forms, Drawing& drawing, std::string_view form, std::string_view control,
                        const std::string& name) {
    constexpr int kRed = 5, kText = 2;
    const Geometry g = forms.geometry(form, control);
    Surface& surface = drawing.surface(form, control);
    surface.clear();
    surface.clip(0, 0, g.width, g.height);
    surface.rectangle(1, 1, g.width - 1, g.height - 1, kRed);
    surface.text(6, 4, "見つかりません", 1, 1, kRed);
    surface.text(6, g.height / 2, name, 1, 1, kText);
    surface.noClip();
}

}  // namespace cal
