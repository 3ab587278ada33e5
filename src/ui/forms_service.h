#pragma once
// The forms and drawing services: every window, dialog, control, drawing
// surface and bitmap the program uses goes through this interface. The Qt
// library implements it for real windows; the test-support library records
// every call instead.
//
// Units: geometry and drawing coordinates are tenths of a millimetre
// (0.1 mm), origin top-left, y downward. Texts are UTF-8.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace cal {

class Printer;

// Message box codes.
namespace mb {
inline constexpr int kOk = 0;        // buttons
inline constexpr int kYesNo = 4;
inline constexpr int kIconStop = 0;  // icons
inline constexpr int kIconQuestion = 1;
inline constexpr int kIconExclamation = 2;
inline constexpr int kIconInformation = 3;
inline constexpr int kAnswerOk = 0;  // answers
inline constexpr int kAnswerCancel = 1;
inline constexpr int kAnswerYes = 5;
inline constexpr int kAnswerNo = 6;
}  // namespace mb

// The text a cancelled input box or file-open dialog answers.
inline const std::string kCancelText = std::string(1, '\x1b');

// Device capability codes.
namespace caps {
inline constexpr int kWidthMm = 4;
inline constexpr int kHeightMm = 6;
inline constexpr int kWidthPixels = 8;
inline constexpr int kHeightPixels = 10;
}  // namespace caps

enum class EventKind { On, Click, SetFocus, Start, Resize, End, QueryClose };

// One user event. `control` is empty for events of the form itself.
struct Event {
    std::string form;
    std::string control;
    EventKind kind = EventKind::On;
};

// The handler name of an event: CONTROL_EVENT, or FORM_EVENT for form events.
std::string handlerName(const Event& event);

// Receives the events the service waits for. The answer matters only for
// QueryClose: 1 refuses the close, 0 lets it go ahead.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual int handleEvent(const Event& event) = 0;
};

struct Geometry {
    double x = 0, y = 0, width = 0, height = 0;
};

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
};

class FormsService {
public:
    virtual ~FormsService() = default;

    // Dialogs. `owner` names the owning form; empty for none.
    virtual int messageBox(std::string_view owner, std::string_view title, std::string_view message,
                           int buttons, int icon) = 0;
    // The operating system's own message box with a style word; answers the
    // system's code (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No).
    virtual int systemMessageBox(std::uint32_t style, std::string_view message,
                                 std::string_view title) = 0;
    virtual std::string inputBox(std::string_view title, std::string_view prompt) = 0;
    // Opens in the current directory; answers the full path or kCancelText.
    virtual std::string fileOpenDialog(std::string_view owner, std::string_view title,
                                       std::string_view pattern,
                                       std::string_view patternLabel) = 0;

    // Forms. createForm builds a modeless form from its description and
    // shows it; the program runs the form's start handler itself.
    virtual bool createForm(std::string_view form) = 0;
    virtual void destroyForm(std::string_view form) = 0;
    virtual bool formExists(std::string_view form) const = 0;
    // Builds and shows the form modally, sends its Start event, runs events
    // until endDialog or a close the sink lets go ahead (value 0), sends its
    // End event, destroys it and answers the value it was ended with.
    virtual int modalDialog(std::string_view owner, std::string_view form) = 0;
    virtual void endDialog(std::string_view form, int value) = 0;
    virtual void endProgram() = 0;
    virtual bool programEnded() const = 0;

    // Controls, by form and control name; an empty control means the form.
    virtual std::string text(std::string_view form, std::string_view control) const = 0;
    virtual void setText(std::string_view form, std::string_view control, std::string_view text) = 0;
    virtual int checkState(std::string_view form, std::string_view control) const = 0;
    virtual void setCheckState(std::string_view form, std::string_view control, int state) = 0;
    virtual void setEnabled(std::string_view form, std::string_view control, bool enabled) = 0;
    virtual void focus(std::string_view form) = 0;
    virtual void addComboEntry(std::string_view form, std::string_view control,
                               std::string_view entry) = 0;
    virtual void selectComboEntry(std::string_view form, std::string_view control, int index) = 0;

    virtual Geometry geometry(std::string_view form, std::string_view control) const = 0;
    virtual void move(std::string_view form, std::string_view control, double x, double y) = 0;
    virtual void resize(std::string_view form, std::string_view control, double width,
                        double height) = 0;
    virtual void setFontName(std::string_view form, std::string_view control,
                             std::string_view name) = 0;
    virtual void setFontSize(std::string_view form, std::string_view control, double points) = 0;
    virtual void setWaitPointer(std::string_view form, bool wait) = 0;

    // Capabilities of the screen the form is on (codes in `caps`).
    virtual int deviceCaps(std::string_view form, int code) const = 0;

    // Drawing.
    virtual Surface& surface(std::string_view form, std::string_view control) = 0;
    virtual std::unique_ptr<Bitmap> createBitmap() = 0;
    // The printer (ui/printer.h); nullptr when printing is not possible at all.
    virtual std::shared_ptr<Printer> createPrinter() = 0;

    // Events: wait for one event and run its handler through the sink.
    // Answers false when no event can come any more (the program ended).
    virtual void setEventSink(EventSink* sink) = 0;
    virtual bool waitEvent() = 0;
};

}  // namespace cal
