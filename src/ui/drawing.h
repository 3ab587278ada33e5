#pragma once
// Drawing: the surfaces of picture controls and forms, bitmaps of the
// picture library, and the printer. Coordinates are tenths of a millimetre
// (0.1 mm), origin top-left, y downward. Texts are UTF-8.

#include <memory>
#include <string>
#include <string_view>

namespace cal {

class Printer;

// A loaded bitmap file, used for one drawing run and then released.
class Bitmap {
public:
    virtual ~Bitmap() = default;
    virtual bool load(const std::string& path) = 0;
    virtual int width() const = 0;   // pixels; 0 when nothing is loaded
    virtual int height() const = 0;
};

// Something to draw on: a picture control or a form's own surface.
class Surface {
public:
    virtual ~Surface() = default;
    virtual void clear() = 0;
    // Text with its top-left corner at (x, y); the magnification scales the
    // surface's font. `color` indexes the 16-colour palette.
    virtual void text(double x, double y, std::string_view text, double magX, double magY,
                      int color) = 0;
    virtual void rectangle(double x1, double y1, double x2, double y2, int color) = 0;
    virtual void stretch(const Bitmap& bitmap, double x, double y, double width,
                         double height) = 0;
    // Keeps what is drawn next inside the rectangle from (x1, y1) to (x2, y2),
    // an outline drawn on its edges included, until noClip.
    virtual void clip(double x1, double y1, double x2, double y2) = 0;
    virtual void noClip() = 0;
};

class Drawing {
public:
    virtual ~Drawing() = default;
    // The surface of a form's control; an empty control means the form.
    virtual Surface& surface(std::string_view form, std::string_view control) = 0;
    virtual std::unique_ptr<Bitmap> createBitmap() = 0;
    // The printer (ui/printer.h); nullptr when printing is not possible at all.
    virtual std::shared_ptr<Printer> createPrinter() = 0;
};

}  // namespace cal
