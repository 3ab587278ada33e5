#pragma once
// Checking picture files before they are drawn, and painting a picture over
// a whole picture control.

#include "layout/month_layout.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace cal {

class Forms;
class Drawing;

struct PictureCheck {
    bool drawable = false;
    int width = 0, height = 0;  // pixels, when the file was loaded
};

// A picture can be drawn when its name is longer than four characters,
// contains "bmp" or "BMP", names an existing file and that file loads.
PictureCheck GAZO_TYOUSA(Forms& forms, Drawing& drawing, std::string_view form, const std::string& path);

class Surface;
class Bitmap;

// The pictures a run could not draw, each name once in the order first met:
// no file of that name in the library (or a name leading out of it, a
// folder, a device), or a file there that does not load as a picture.
struct UndrawnNames {
    std::vector<std::string> missing, unreadable;
};

// One drawing run of library pictures: one bitmap object reused for every
// picture, and each distinct file checked once.
class PictureRun {
public:
    // `stretch`: pictures fill their places (the per-user setting); else
    // they are fitted into them.
    PictureRun(Forms& forms, Drawing& drawing, std::string_view form, std::string dataDir, bool stretch);
    ~PictureRun();
    PictureRun(const PictureRun&) = delete;
    PictureRun& operator=(const PictureRun&) = delete;

    // Whether the library picture of that name can be drawn; a name that is
    // not a bare file name never can.
    bool drawable(const std::string& name);
    // Draws the named picture into the rectangle when it can be drawn;
    // answers whether it was.
    bool draw(Surface& surface, const std::string& name, double x, double y, double w, double h);
    // A title band picture, or the fallback picture in its place.
    void drawOrFallback(Surface& surface, const std::string& name, double x, double y, double w, double h);
    const UndrawnNames& undrawn() const { return m_undrawn; }

private:
    // The library path of a name, empty when it cannot be drawn.
    const std::string& drawablePath(const std::string& name);

    Forms& m_forms;
    Drawing& m_drawing;
    std::string m_form;
    std::string m_dataDir;
    std::unique_ptr<Bitmap> m_bitmap;
    bool m_stretch;
    std::unordered_map<std::string, std::string> m_paths;  // name → drawablePath, checked once
    UndrawnNames m_undrawn;
};

// Where a picture of `pixelWidth` × `pixelHeight` goes in a place: fitted
// with its proportions and centred, touching two opposite sides; with
// `stretch` the whole place.
Rect pictureRect(int pixelWidth, int pixelHeight, const Rect& place, bool stretch);

// Clears the control and draws the whole picture into it, fitted or stretched.
void BITMAP_OBJ_PIC_BYOUGA_M_PIC(Forms& forms, Drawing& drawing, std::string_view form, std::string_view control,
                                 const std::string& path, bool stretch);
// Shows in a picture control that its stored picture `name` cannot be drawn
// (on screen only).
void markMissingPicture(Forms& forms, Drawing& drawing, std::string_view form, std::string_view control,
                        const std::string& name);

// Whether a stored picture name is a bare file name, so that it can only name
// a file inside the picture library: no folder part ("/" or "\\"), no drive
// or stream (":"), not "." or "..", not a Windows device name (CON, NUL.bmp, …).
bool isBarePictureName(std::string_view name);
// dataDir + the picture library folder + name; empty when the name is not a
// bare file name, so nothing outside the library is ever opened.
std::string picturePath(const std::string& dataDir, const std::string& name);
// The picture drawn where a title band picture cannot be.
inline constexpr const char* kFallbackPicture = "不明２５６.bmp";

}  // namespace cal
